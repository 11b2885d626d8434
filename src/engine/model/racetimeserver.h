// The meet's race periods: stretches of the day in which races start at a fixed
// spacing (minutes between races, or races per hour), and the start time of
// every time slot across them.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace bm {

struct RacePeriod {
    int Start = 1;    // first race start (minutes inside the server, HHMM elsewhere)
    int End = 1;      // last time a race of the period may start
    int Interval = 1; // minutes between races (RIType 0) or races per hour (RIType 1)
    int RIType = 0;   // 0 "Interval between races", 1 "Races per hour"

    bool operator==(const RacePeriod&) const = default;
};

// The most races per hour a period may give: start times are kept to the
// minute, so a faster rate stacks so many time slots on one minute that
// scheduling can never get past them.
constexpr int MaxRacesPerHour = 3600;

class RaceTimeServer {
public:
    // A period that can be used: an interval of at least 1, and a rate of at
    // most MaxRacesPerHour. Other periods would never get past their first
    // time slots.
    static bool IsUsable(const RacePeriod& period);
    // Replaces all periods with clock-form records; periods that cannot be
    // used are dropped.
    void SetPeriods(const std::vector<RacePeriod>& records);
    // The periods in clock form.
    std::vector<RacePeriod> GetPeriods() const;
    int Count() const { return static_cast<int>(periods_.size()); }

    // Start time (HHMM) of time slot k, or -1 when there are no periods.
    int SlotTime(int k) const;
    // How many time slots start no later than the end of their period (the
    // last period's run-on not counted), counted up to the limit. They are
    // time slots 0 up to that count less one.
    int SlotsInPeriods(int limit) const;

    // Sets the periods from the text that follows "RaceTimeServer:" in the data file.
    void ParsePeriodText(std::string_view text);
    // Writes the period line of the data file.
    void WritePeriods(std::ostream& out) const;

private:
    void ExtendSlots(int k) const;

    std::vector<RacePeriod> periods_; // minute form
    // Time-slot times computed so far, with the running state of the walk over
    // the periods, so that each time slot is computed once.
    mutable std::vector<int> slotTimes_;
    mutable int walkPeriod_ = 0;
    mutable double walkTime_ = 0;
};

} // namespace bm
