#include "engine/schedule/schedulefit.h"

#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/text.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

namespace bm {

namespace {

// A time on the first day as the clock value the reports show ("1250"); a time
// past midnight as the clock time on its day, the first day being day 1
// ("07:42 on day 5" for 10342).
std::string TimeOfDayText(int time) {
    const int minutes = ClockToMinutes(time);
    return minutes < MinutesPerDay ? ClockTimeText(time) : DayTimeText(minutes);
}

} // namespace

std::optional<int> LatestPeriodEnd(const RaceTimeServer& times) {
    std::optional<int> end;
    for (const RacePeriod& period : times.GetPeriods())
        end = std::max(end.value_or(INT_MIN), ClockToMinutes(period.End));
    return end;
}

std::string DayTimeText(int minutes) {
    const std::string clock = ClockOfDayText(minutes);
    if (minutes < MinutesPerDay)
        return clock;
    return clock + " on day " + std::to_string(DayOfMinutes(minutes));
}

PeriodCapacity PeriodCapacityOf(const Boatmeet& meet) {
    PeriodCapacity capacity;
    std::unordered_set<int> taken;
    for (const Race* race : meet.OrderedRaces()) {
        if (race->IsTimed())
            taken.insert(race->Time);
        else
            ++capacity.ToTime;
    }
    capacity.Slots = meet.RaceTimes.SlotsInPeriods(MaxCountedSlots);
    for (int k = 0; k < capacity.Slots; ++k)
        capacity.FreeSlots += taken.count(meet.RaceTimes.SlotTime(k)) == 0;
    return capacity;
}

std::string PeriodCapacityText(const PeriodCapacity& capacity) {
    return Counted(capacity.ToTime, "race", "races") + " to time; the race periods offer " +
           Counted(capacity.FreeSlots, "free time slot", "free time slots") + " (" +
           std::to_string(capacity.Slots) + " in all)";
}

LateRaces LateRacesOf(const Boatmeet& meet) {
    const std::optional<int> latestEnd = LatestPeriodEnd(meet.RaceTimes);
    if (!latestEnd)
        return {};
    const int end = *latestEnd;
    LateRaces late;
    int latestMinutes = INT_MIN;
    for (const Race* race : meet.OrderedRaces()) {
        const int minutes = ClockToMinutes(race->Time);
        if (!race->IsTimed() || minutes <= end)
            continue;
        ++late.Count;
        late.PastMidnight += minutes >= MinutesPerDay;
        if (minutes > latestMinutes) {
            latestMinutes = minutes;
            late.Latest = race->Time;
        }
    }
    return late;
}

std::string LateRacesText(const LateRaces& late) {
    if (late.Count == 0)
        return {};
    std::string text = Counted(late.Count, "race was", "races were") +
                       " timed after the end of the last race period";
    // One late race is told past midnight by its time alone.
    if (late.PastMidnight == late.Count && late.Count > 1)
        text += ", all of them past midnight";
    else if (late.PastMidnight > 0 && late.Count > 1)
        text += ", " + std::to_string(late.PastMidnight) + " of them past midnight";
    return text + " (latest " + TimeOfDayText(late.Latest) + ").";
}

} // namespace bm
