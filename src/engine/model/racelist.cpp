// The meet's race list: the contested races of every draw in schedule order,
// and finding a race by its number.
#include "engine/model/boatmeet.h"

#include <algorithm>

namespace bm {

std::vector<Race*> Boatmeet::OrderedRaces() const {
    std::vector<Race*> races;
    for (const auto& draw : Draws)
        draw->AppendContested(races);
    // Stable, so that equal races keep the round-by-round order of their draw.
    std::stable_sort(races.begin(), races.end(), [](const Race* a, const Race* b) {
        if (a->IsTimed() != b->IsTimed())
            return a->IsTimed();
        return a->IsTimed() ? a->Time < b->Time : a->EventKey < b->EventKey;
    });
    return races;
}

void Boatmeet::CollectRaces() {
    RaceList = OrderedRaces();
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

} // namespace bm
