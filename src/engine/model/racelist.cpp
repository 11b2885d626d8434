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

namespace {

Race* NumberedRace(const std::vector<Race*>& races, int number) {
    // Numbers below 0 mark races that are not numbered; they name no race.
    if (number < 0)
        return nullptr;
    const auto found = std::find_if(races.begin(), races.end(),
                                    [&](const Race* race) { return race->Number == number; });
    return found == races.end() ? nullptr : *found;
}

} // namespace

Race* Boatmeet::FindRaceByNumber(int number) {
    CollectRaces();
    return NumberedRace(RaceList, number);
}

const Race* Boatmeet::RaceOfNumber(int number) const {
    return NumberedRace(OrderedRaces(), number);
}

} // namespace bm
