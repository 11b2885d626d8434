// The race-period editor (TRPEdit) and the race editor's list of race periods:
// what the period dialog shows and accepts, and adding, changing and deleting
// periods, which go to the meet at once in the order of the list's sorted rows.
#pragma once

#include "engine/editors/editing.h"
#include "engine/model/racetimeserver.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

class Boatmeet;

// --- The dialog's texts ----------------------------------------------------------------
inline constexpr const char* PeriodDialogCaption = "Race Periods";
inline constexpr const char* ClockNoteText = "Use 24 hour Clock values";
inline constexpr const char* NotZeroText = "NOT ZERO";
inline constexpr const char* IntervalKindCaption = "Time specification is ...";
inline constexpr const char* IntervalChoiceText = "Interval between races";
inline constexpr const char* RatesChoiceText = "Races per hour";
// Refusals of values the time slots cannot use.
inline constexpr const char* ClockValueRefusal =
    "Start and End must be 24 hour Clock values such as 930 or 0930";
inline constexpr const char* IntervalRefusal = "The interval must be from 1 to 1440 minutes";
inline constexpr const char* RateRefusal = "Races per hour must be from 1 to 3600";

// The largest start or end that can be typed: four digits, as the rows show
// them (a row of more digits would sort out of start order).
constexpr int MaxClockValue = 9999;
// The longest interval that can be typed: one day.
constexpr int MaxIntervalMinutes = 1440;

// What the dialog's three edits and its choice hold.
struct PeriodFields {
    std::string Start;
    std::string End;
    std::string Interval;
    int RIType = 0;

    bool operator==(const PeriodFields&) const = default;
};

// The dialog preset with the record: values below 0 leave their edit empty; an
// interval kind other than 0 or 1 selects the first choice.
PeriodFields PresetPeriodFields(const RacePeriod& record);
// The interval edit's label for the chosen interval kind.
std::string IntervalLabelText(int riType);
// True when "NOT ZERO" shows: the interval reads as 0 (empty and letters included).
bool ShowsNotZero(std::string_view intervalText);

enum class PeriodCheck {
    Accepted,     // the dialog closes with OK
    ZeroInterval, // the dialog beeps and stays open, "NOT ZERO" showing
    Refused,      // the dialog shows the refusal and stays open
};
// What OK does with the fields: the period they give, or why it cannot be used.
PeriodCheck ReadPeriodFields(const PeriodFields& fields, RacePeriod& period, std::string& refusal);
// Empty when the period can be used, otherwise the refusal (a zero interval
// gives the "NOT ZERO" text).
std::string PeriodRefusal(const RacePeriod& period);

// --- The race editor's period list ----------------------------------------------------------
enum class PeriodDialogResult { Ok, Cancel, Delete };
// Shows the dialog preset with the record; on Ok the record holds the period entered.
using EditPeriod = std::function<PeriodDialogResult(RacePeriod& record)>;

// The rows of the meet's race periods, sorted by their text (so by start).
std::vector<std::string> PeriodRowsOf(const Boatmeet& meet);
// "Add Race Period": the dialog starts empty, with the interval kind of
// the last row; an accepted period joins the rows (a change).
EditResult AddRacePeriod(Boatmeet& meet, const EditPeriod& edit);
// A double-click on row `row`: the dialog changes or deletes that period.
EditResult EditRacePeriod(Boatmeet& meet, int row, const EditPeriod& edit);

} // namespace bm
