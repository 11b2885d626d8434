// Race numbering and the clearing and realigning of race times.
#include "engine/schedule/numbering.h"

#include "engine/model/boatmeet.h"

namespace bm {

void NumberRaces(Boatmeet& meet) {
    meet.CollectRaces();
    for (std::size_t p = 0; p < meet.RaceList.size(); ++p)
        meet.RaceList[p]->Number = static_cast<int>(p) + 1;
}

void ClearRaceTimes(Boatmeet& meet) {
    for (const auto& draw : meet.Draws)
        draw->ClearTimes();
}

void RealignRaces(Boatmeet& meet) {
    meet.CollectRaces();
    std::vector<Race*>& races = meet.RaceList;
    for (std::size_t p = 0; p < races.size() && races[p]->IsTimed(); ++p)
        races[p]->Time = meet.RaceTimes.SlotTime(static_cast<int>(p));
    meet.CollectRaces();
}

} // namespace bm
