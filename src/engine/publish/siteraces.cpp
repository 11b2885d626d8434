#include "engine/publish/siteraces.h"

#include "engine/model/clockmoney.h"
#include "engine/model/draw.h"

namespace bm {

std::string SiteRoundName(const Draw& draw, const Race& race) {
    const int depth = BitLength(race.Index) - 1;
    if (depth == 0)
        return "Final";
    if (depth == 1)
        return "Semi-final";
    const int firstDepth = BitLength(draw.Size) - 2;
    return "Round " + std::to_string(firstDepth - depth + 1);
}

bool NamedByNumber(const Race& race) {
    return race.Number >= 0 && race.IsContested();
}

std::string SiteRaceTitle(const Draw& draw, const Race& race) {
    if (NamedByNumber(race))
        return "Race " + std::to_string(race.Number);
    return SiteRoundName(draw, race);
}

std::string SiteTimeText(int time) {
    const int minutes = ClockToMinutes(time);
    if (time < 0 || minutes < MinutesPerDay)
        return ClockTimeText(time);
    return ClockOfDayText(minutes) + " (day " + std::to_string(DayOfMinutes(minutes)) + ")";
}

bool SiteCrews(const Draw& draw, const Race& race, int crews[2]) {
    for (int s = 0; s < 2; ++s) {
        crews[s] = race.Slots[s];
        if (crews[s] >= 0)
            continue;
        const Race* feeder = draw.FeederRace(race, s);
        if (!feeder || !ResultStands(draw, *feeder))
            return false;
        crews[s] = feeder->Winner;
    }
    return true;
}

bool ResultStands(const Draw& draw, const Race& race) {
    int crews[2] = {0, 0};
    return race.HasResult() && SiteCrews(draw, race, crews) &&
           (race.Winner == crews[0] || race.Winner == crews[1]);
}

} // namespace bm
