// The program-wide random generator.
#include "engine/model/random.h"

#include <cstdint>

namespace bm {

namespace {

std::uint32_t randomState = 1;

} // namespace

void ResetRandom() {
    randomState = 1;
}

int NextRandom() {
    randomState = randomState * 22695477u + 1u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

int RandomBelow(int lo, int hi) {
    return lo + ((NextRandom() >> 7) % (hi - lo));
}

} // namespace bm
