// Finding the draw a race belongs to, and the races a crew may still row.
#pragma once

#include <vector>

namespace bm {

class Boatmeet;
class Draw;
struct Race;

// The draw that owns the race, found by address: a race whose stored event key
// disagrees with its draw (a hand-edited file) is still found in the right
// table. None for a race that no draw of the meet holds.
const Draw* DrawOfRace(const Boatmeet& meet, const Race& race);
Draw* DrawOfRace(Boatmeet& meet, const Race& race);
// The times of the undecided races on the crew's path in its event's draw, up
// to a race another crew has won; empty for no crew or a crew in no draw.
std::vector<int> RemainingTimes(const Boatmeet& meet, int crewId);

} // namespace bm
