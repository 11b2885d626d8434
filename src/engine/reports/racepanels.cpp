#include "engine/reports/racepanels.h"

#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/text.h"
#include "engine/reports/reports.h"

#include <climits>
#include <sstream>
#include <unordered_set>

namespace bm {

namespace {

// The first time slot from k on whose time no race of the race list has, as
// the scheduler places races. Times below 0 (no periods) and the saturated
// time past the 32-bit range end the search.
int NextFreeSlot(const Boatmeet& meet, const std::unordered_set<int>& taken, int k) {
    for (int time = meet.RaceTimes.SlotTime(k); time >= 0 && time < INT_MAX && taken.count(time);
         time = meet.RaceTimes.SlotTime(k))
        ++k;
    return k;
}

} // namespace

RacePanel RaceEditorPanel(const Boatmeet& meet, std::string_view number) {
    int n = -1;
    ParseWholeInt(number, n);
    const Race* race = meet.RaceOfNumber(n);
    if (!race)
        return {};
    return {race, race->TimeText(), RaceDetailText(meet, *race)};
}

std::string RaceDetailText(const Boatmeet& meet, const Race& race) {
    std::ostringstream out;
    WriteRaceDetail(meet, out, race);
    return out.str();
}

RaceCheck PrepareRaceCheck(const Boatmeet& meet, int cursor, const std::vector<Race*>& races) {
    std::unordered_set<int> taken;
    for (const Race* race : meet.RaceList)
        taken.insert(race->Time);
    RaceCheck check;
    std::ostringstream out;
    int k = NextFreeSlot(meet, taken, cursor);
    check.TimeText = ClockTimeText(meet.RaceTimes.SlotTime(k));
    for (const Race* race : races) {
        k = NextFreeSlot(meet, taken, k);
        out << "\nProposed race at : " << ClockTimeText(meet.RaceTimes.SlotTime(k)) << "\n";
        WriteRaceDetail(meet, out, *race);
        ++k;
    }
    check.Details = out.str();
    return check;
}

} // namespace bm
