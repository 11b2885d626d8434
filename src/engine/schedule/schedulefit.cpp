#include "engine/schedule/schedulefit.h"

#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

namespace bm {

namespace {

// "1 race" or "2 races".
std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

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
    const std::vector<RacePeriod> periods = meet.RaceTimes.GetPeriods();
    if (periods.empty())
        return {};
    int end = INT_MIN;
    for (const RacePeriod& period : periods)
        end = std::max(end, ClockToMinutes(period.End));
    LateRaces late;
    int latestMinutes = INT_MIN;
    for (const Race* race : meet.OrderedRaces()) {
        const int minutes = ClockToMinutes(race->Time);
        if (!race->IsTimed() || minutes <= end)
            continue;
        ++late.Count;
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
    return Counted(late.Count, "race was", "races were") +
           " timed after the end of the last race period (latest " + ClockTimeText(late.Latest) +
           ").";
}

} // namespace bm
