// How the races fit the race periods: before scheduling, the races still to
// time against the time slots the periods offer; after it, the races that the
// scheduler had to time past the end of the periods, since the last period runs
// on without end.
#pragma once

#include <optional>
#include <string>

namespace bm {

class Boatmeet;
class RaceTimeServer;

// The most time slots counted in the periods; beyond it the counts stop.
constexpr int MaxCountedSlots = 1000000;

struct PeriodCapacity {
    int ToTime = 0;    // contested races without a time
    int Slots = 0;     // time slots that start within their period
    int FreeSlots = 0; // those whose time no contested race has

    bool operator==(const PeriodCapacity&) const = default;
};
PeriodCapacity PeriodCapacityOf(const Boatmeet& meet);
// "12 races to time; the race periods offer 30 free time slots (36 in all)".
std::string PeriodCapacityText(const PeriodCapacity& capacity);

// The end of the latest race period in minutes; none without periods.
std::optional<int> LatestPeriodEnd(const RaceTimeServer& times);
// A time in minutes since midnight of the first day as the clock shows it,
// "09:30", and past the first day with its day, "07:42 on day 5".
std::string DayTimeText(int minutes);

struct LateRaces {
    int Count = 0;   // timed contested races that start after the end of every period
    int Latest = -1; // the latest of their start times (HHMM), -1 when none
    // Those of them that start at midnight or later: the last period runs on
    // without end, so its time slots carry on past 2359 (minute 1450 is 2410).
    int PastMidnight = 0;

    bool operator==(const LateRaces&) const = default;
};
// None when the meet has no race periods.
LateRaces LateRacesOf(const Boatmeet& meet);
// "3 races were timed after the end of the last race period (latest 1250)."; a
// latest time past midnight is told as the clock time on its day, and of two or
// more late races, how many start past midnight: "5 races were timed after the
// end of the last race period, 2 of them past midnight (latest 07:42 on day
// 5)." ("all of them" when every one does). Empty for none.
std::string LateRacesText(const LateRaces& late);

} // namespace bm
