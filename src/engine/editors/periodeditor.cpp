#include "engine/editors/periodeditor.h"

#include "engine/model/boatmeet.h"
#include "engine/model/text.h"
#include "engine/schedule/periodrows.h"

#include <algorithm>

namespace bm {

namespace {

std::string ValueText(int value) {
    return value < 0 ? std::string() : std::to_string(value);
}

bool IsClockValue(int value) {
    return value >= 0 && value <= MaxClockValue;
}

const char* SpacingRefusal(int riType) {
    return riType == 1 ? RateRefusal : IntervalRefusal;
}

// The rows, sorted as the list keeps them, become the meet's periods.
void SetRows(Boatmeet& meet, std::vector<std::string>& rows) {
    std::sort(rows.begin(), rows.end());
    std::vector<RacePeriod> periods;
    for (const std::string& row : rows)
        periods.push_back(ParsePeriodRow(row));
    meet.RaceTimes.SetPeriods(periods);
}

} // namespace

PeriodFields PresetPeriodFields(const RacePeriod& record) {
    return {ValueText(record.Start), ValueText(record.End), ValueText(record.Interval),
            record.RIType == 1 ? 1 : 0};
}

std::string IntervalLabelText(int riType) {
    return riType == 1 ? "Races/Hour:" : "Interval:";
}

bool ShowsNotZero(std::string_view intervalText) {
    return ReadInt(intervalText) == 0;
}

PeriodCheck ReadPeriodFields(const PeriodFields& fields, RacePeriod& period, std::string& refusal) {
    period.Start = ReadInt(fields.Start);
    period.End = ReadInt(fields.End);
    period.Interval = ReadInt(fields.Interval);
    period.RIType = fields.RIType == 1 ? 1 : 0;
    if (period.Interval == 0)
        return PeriodCheck::ZeroInterval;
    // A value must be a whole number: "9:30" or an empty start is not 9 or midnight.
    int value = 0;
    if (!ParseWholeInt(fields.Start, value) || !ParseWholeInt(fields.End, value))
        refusal = ClockValueRefusal;
    else if (!ParseWholeInt(fields.Interval, value))
        refusal = SpacingRefusal(period.RIType);
    else
        refusal = PeriodRefusal(period);
    return refusal.empty() ? PeriodCheck::Accepted : PeriodCheck::Refused;
}

std::string PeriodRefusal(const RacePeriod& period) {
    if (period.Interval == 0)
        return NotZeroText;
    if (!IsClockValue(period.Start) || !IsClockValue(period.End))
        return ClockValueRefusal;
    const int most = period.RIType == 1 ? MaxRacesPerHour : MaxIntervalMinutes;
    if (period.Interval < 1 || period.Interval > most || (period.RIType != 0 && period.RIType != 1))
        return SpacingRefusal(period.RIType);
    return {};
}

std::vector<std::string> PeriodRowsOf(const Boatmeet& meet) {
    std::vector<std::string> rows;
    for (const RacePeriod& period : meet.RaceTimes.GetPeriods())
        rows.push_back(PeriodRowText(period));
    std::sort(rows.begin(), rows.end());
    return rows;
}

EditResult AddRacePeriod(Boatmeet& meet, const EditPeriod& edit) {
    std::vector<std::string> rows = PeriodRowsOf(meet);
    RacePeriod record{-1, -1, -1, rows.empty() ? 0 : ParsePeriodRow(rows.back()).RIType};
    if (edit(record) != PeriodDialogResult::Ok || !PeriodRefusal(record).empty())
        return {};
    rows.push_back(PeriodRowText(record));
    SetRows(meet, rows);
    return MadeChange();
}

EditResult EditRacePeriod(Boatmeet& meet, int row, const EditPeriod& edit) {
    std::vector<std::string> rows = PeriodRowsOf(meet);
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return {};
    RacePeriod record = ParsePeriodRow(rows[row]);
    switch (edit(record)) {
    case PeriodDialogResult::Cancel:
        return {};
    case PeriodDialogResult::Delete:
        rows.erase(rows.begin() + row);
        break;
    case PeriodDialogResult::Ok:
        if (!PeriodRefusal(record).empty())
            return {};
        rows[row] = PeriodRowText(record);
        break;
    }
    SetRows(meet, rows);
    return MadeChange();
}

} // namespace bm
