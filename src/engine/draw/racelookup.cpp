#include "engine/draw/racelookup.h"

#include "engine/model/boatmeet.h"

#include <utility>

namespace bm {

namespace {

bool Owns(const Draw& draw, const Race& race) {
    return race.Index >= 1 && race.Index < draw.Size && &draw.RaceAt(race.Index) == &race;
}

} // namespace

const Draw* DrawOfRace(const Boatmeet& meet, const Race& race) {
    if (Draw* draw = meet.FindDraw(race.EventKey); draw && Owns(*draw, race))
        return draw;
    for (const auto& draw : meet.Draws)
        if (Owns(*draw, race))
            return draw.get();
    return nullptr;
}

Draw* DrawOfRace(Boatmeet& meet, const Race& race) {
    return const_cast<Draw*>(DrawOfRace(std::as_const(meet), race));
}

std::vector<int> RemainingTimes(const Boatmeet& meet, int crewId) {
    std::vector<int> times;
    const Crew* crew = meet.FindCrew(crewId);
    if (!crew)
        return times;
    if (const Draw* draw = meet.FindDraw(crew->EventKey))
        draw->AppendRemainingTimes(crew->Id, times);
    return times;
}

} // namespace bm
