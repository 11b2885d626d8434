// The race editor (TRaceEdit_F) without its window: setting one race's time by
// hand, the least times and scheduling choices, and the buttons that schedule,
// realign and clear race times, with the texts they show. The desktop window
// and the command line share these texts. The race shown by number and its
// details are in engine/reports/racepanels.h; the period list in periodeditor.h.
#pragma once

#include "engine/editors/editing.h"
#include "engine/model/confirm.h"
#include "engine/schedule/scheduler.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

class Boatmeet;

// --- Texts -------------------------------------------------------------------------------
inline constexpr const char* NotValidRaceNumberText = "Not a valid Race Number..";
inline constexpr const char* NotValidTimeText =
    "Not a valid Time: use 24 hour Clock values such as 930 or 0930, or (NT) for no time";
inline constexpr const char* NoRacesToScheduleText = "No races to schedule! Are events drawn?";
inline constexpr const char* RacesScheduledText = "Races scheduled";
inline constexpr const char* ProblemPrefix = "Problem : ";
inline constexpr const char* ClearTimesQuestion = "OK to clear all race times?";
inline constexpr const char* RealignQuestion =
    "OK to move existing race order to new Times schedule?";
inline constexpr const char* RealignedText = "Realignment complete";

// "Problem : " and the fixed-order scheduler's problem, or "Races scheduled"
// when it had none.
std::string FixedOrderText(const std::string& problem);

// --- Filling the window ------------------------------------------------------------------
// What the race editor shows of the meet when it opens.
struct RaceEditorFields {
    std::vector<std::string> PeriodRows; // sorted, as the list keeps them
    std::string BRTime;
    std::string DUTime;
    std::string BSTime;
    int SType = 0;
    int FType = 0;

    bool operator==(const RaceEditorFields&) const = default;
};
RaceEditorFields RaceEditorFieldsOf(const Boatmeet& meet);

// --- Changes from the window's fields -------------------------------------------------------
// The least times (minutes) as typed: each read as a decimal number, 0 when
// it holds none.
void SetLeastTimes(Boatmeet& meet, std::string_view crew, std::string_view doubleUp,
                   std::string_view boatShare);
// The choices of "Scheduling" (Rigid, Moderate, Flexible) and "Finals"
// (Anytime, Preferably at end, At end) by index; an index outside 0 to 2
// leaves that choice as it is.
void SetSchedulingChoices(Boatmeet& meet, int sType, int fType);

// A time as typed: a whole number (930 or 0930) up to four digits, or "(NT)"
// or a negative number for no time (-1). False for anything else.
bool ReadRaceTime(std::string_view text, int& time);

// "Set Time": the race with the number gets the time; "Not a valid Race
// Number.." stops when no race has the number, the time refusal when the
// time is not one. The race keeps its number until races are numbered again.
EditResult SetRaceTime(Boatmeet& meet, std::string_view number, std::string_view time);

// "Clear Race Times": asks, and on Yes every race loses its time.
EditResult ClearTimesInEditor(Boatmeet& meet, const Confirm& confirm);
// "Realign Current Race Schedule": asks, and on Yes the timed races keep their
// order on the time slots from the first on; then "Realignment complete".
EditResult RealignInEditor(Boatmeet& meet, const Confirm& confirm);

// What the window does around an automatic scheduling run.
struct ScheduleHooks {
    std::function<void()> Started; // the run begins: show the progress window at 0
    ReportProgress Progress;       // after each step, the percentage of races timed
    ConfirmPlacement Confirm;      // the proposed race check
};
// "Schedule Races": collects the race list and, with no race in it, stops
// with "No races to schedule! Are events drawn?". Otherwise runs the
// automatic scheduler with the meet's choices and numbers the races; the
// information is why it stopped early, if it did, and the late races, if any.
EditResult ScheduleInEditor(Boatmeet& meet, const ScheduleHooks& hooks);
// "Schedule with Fixed Race Order": collects the race list, times the races
// round by round, and tells "Problem : " with the problem or "Races
// scheduled", then the late races, if any. Races are not renumbered.
EditResult ScheduleFixedInEditor(Boatmeet& meet);

} // namespace bm
