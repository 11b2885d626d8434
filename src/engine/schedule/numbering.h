// Race numbers and times across the meet: numbering the races in schedule
// order, clearing every time, and moving the timed races onto the time slots.
#pragma once

namespace bm {

class Boatmeet;

// Collects the race list and numbers its races 1, 2, ... in that order.
void NumberRaces(Boatmeet& meet);
// Every race of every draw loses its time.
void ClearRaceTimes(Boatmeet& meet);
// Gives the timed races, in time order, the times of time slots 0, 1, ...
void RealignRaces(Boatmeet& meet);

} // namespace bm
