#include "engine/model/racetimeserver.h"

#include "engine/model/clockmoney.h"
#include "engine/model/text.h"

#include <climits>
#include <cmath>
#include <string>

namespace bm {

namespace {

double StepOf(const RacePeriod& period) {
    return period.RIType == 0 ? period.Interval : 60.0 / period.Interval;
}

// Rounds minutes to whole minutes, an exact half down, and gives the clock form
// (times beyond the 32-bit range, from extreme periods, saturate).
int ClockOfMinutes(double t) {
    if (t >= INT_MAX)
        return MinutesToClock(INT_MAX);
    int m = static_cast<int>(t);
    if (t - m > 0.5)
        ++m;
    return MinutesToClock(m);
}

} // namespace

bool RaceTimeServer::IsUsable(const RacePeriod& period) {
    return period.Interval > 0 && (period.RIType == 0 || period.Interval <= MaxRacesPerHour);
}

void RaceTimeServer::SetPeriods(const std::vector<RacePeriod>& records) {
    periods_.clear();
    for (const RacePeriod& record : records) {
        if (!IsUsable(record))
            continue;
        periods_.push_back({ClockToMinutes(record.Start), ClockToMinutes(record.End),
                            record.Interval, record.RIType});
    }
    slotTimes_.clear();
    walkPeriod_ = 0;
    walkTime_ = periods_.empty() ? 0 : periods_[0].Start;
}

std::vector<RacePeriod> RaceTimeServer::GetPeriods() const {
    std::vector<RacePeriod> records;
    for (const RacePeriod& period : periods_)
        records.push_back({MinutesToClock(period.Start), MinutesToClock(period.End),
                           period.Interval, period.RIType});
    return records;
}

void RaceTimeServer::ExtendSlots(int k) const {
    const int last = Count() - 1;
    while (static_cast<int>(slotTimes_.size()) <= k) {
        const RacePeriod& period = periods_[walkPeriod_];
        if (walkPeriod_ != last && walkTime_ >= period.End + 0.5) {
            ++walkPeriod_;
            walkTime_ = periods_[walkPeriod_].Start;
            continue;
        }
        slotTimes_.push_back(ClockOfMinutes(walkTime_));
        walkTime_ += StepOf(period);
    }
}

int RaceTimeServer::SlotTime(int k) const {
    if (periods_.empty() || k < 0)
        return -1;
    ExtendSlots(k);
    return slotTimes_[k];
}

int RaceTimeServer::SlotsInPeriods(int limit) const {
    int count = 0;
    for (const RacePeriod& period : periods_)
        for (double t = period.Start; t < period.End + 0.5 && count < limit; t += StepOf(period))
            ++count;
    return count;
}

void RaceTimeServer::ParsePeriodText(std::string_view text) {
    std::vector<std::string_view> tokens;
    constexpr std::string_view delimiters = " \n\t\v-,/:;";
    for (std::size_t pos = text.find_first_not_of(delimiters); pos != std::string_view::npos;
         pos = text.find_first_not_of(delimiters, pos)) {
        const std::size_t end = text.find_first_of(delimiters, pos);
        tokens.push_back(text.substr(pos, end == std::string_view::npos ? end : end - pos));
        pos = end == std::string_view::npos ? text.size() : end;
    }
    if (tokens.empty()) {
        SetPeriods({});
        return;
    }
    const int count = ReadInt(tokens[0]);
    std::vector<RacePeriod> records;
    std::size_t t = 1;
    // A record is reached when at least its start is given; a hostile count
    // cannot create more records than the text holds.
    while (static_cast<int>(records.size()) < count && t < tokens.size()) {
        RacePeriod record;
        record.Start = ReadInt(tokens[t++]);
        if (t < tokens.size())
            record.End = ReadInt(tokens[t++]);
        if (t < tokens.size())
            record.Interval = ReadInt(tokens[t++]);
        if (t < tokens.size() && tokens[t].front() == '(')
            record.RIType = ReadInt(tokens[t++].substr(1));
        records.push_back(record);
    }
    SetPeriods(records);
}

void RaceTimeServer::WritePeriods(std::ostream& out) const {
    out << "RaceTimeServer: " << Count() << " ";
    for (const RacePeriod& period : GetPeriods())
        out << " " << period.Start << " " << period.End << " " << period.Interval << " ("
            << period.RIType << ")";
    out << "\n";
}

} // namespace bm
