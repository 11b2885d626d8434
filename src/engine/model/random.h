// The program-wide random generator shared by drawing, the event split and the
// test data: it starts from the same state at every program start, so the same
// operations give the same draws.
#pragma once

namespace bm {

// Puts the generator back to its start state (state 1), as at program start.
void ResetRandom();
// The next value of the generator, 0 to 32767.
int NextRandom();
// lo + ((next value >> 7) mod (hi - lo)); only lo .. lo + 255 can come out.
int RandomBelow(int lo, int hi);

} // namespace bm
