// The meet's race list, race numbering and the clearing and realigning of times.
#include "model/boatmeet.h"

#include <algorithm>

namespace bm {

void Boatmeet::CollectRaces() {
    RaceList.clear();
    for (const auto& draw : Draws)
        draw->AppendContested(RaceList);
    // Stable, so that equal races keep the round-by-round order of their draw.
    std::stable_sort(RaceList.begin(), RaceList.end(), [](const Race* a, const Race* b) {
        if (a->IsTimed() != b->IsTimed())
            return a->IsTimed();
        return a->IsTimed() ? a->Time < b->Time : a->EventKey < b->EventKey;
    });
}

void Boatmeet::NumberRaces() {
    CollectRaces();
    for (std::size_t p = 0; p < RaceList.size(); ++p)
        RaceList[p]->Number = static_cast<int>(p) + 1;
}

Race* Boatmeet::FindRaceByNumber(int number) {
    CollectRaces();
    // Numbers below 0 mark races that are not numbered; they name no race.
    if (number < 0)
        return nullptr;
    for (Race* race : RaceList)
        if (race->Number == number)
            return race;
    return nullptr;
}

void Boatmeet::ClearRaceTimes() {
    for (const auto& draw : Draws)
        draw->ClearTimes();
}

void Boatmeet::RealignRaces() {
    CollectRaces();
    for (std::size_t p = 0; p < RaceList.size() && RaceList[p]->IsTimed(); ++p)
        RaceList[p]->Time = RaceTimes.SlotTime(static_cast<int>(p));
    CollectRaces();
}

} // namespace bm
