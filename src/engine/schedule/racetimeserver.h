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

class RaceTimeServer {
public:
    // Replaces all periods with clock-form records; periods whose interval is
    // 0 or below are dropped (they would never get past their first time slot).
    void SetPeriods(const std::vector<RacePeriod>& records);
    // The periods in clock form.
    std::vector<RacePeriod> GetPeriods() const;
    int Count() const { return static_cast<int>(periods_.size()); }

    // Start time (HHMM) of time slot k, or -1 when there are no periods.
    int SlotTime(int k) const;

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
