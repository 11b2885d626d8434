// The two schedulers: the automatic one, which times races into the race
// periods one time slot at a time while keeping the least times between races
// of a crew and of crews sharing a rower or a boat, and the fixed-order one,
// which times the draws round by round. Also the measures the automatic one
// ranks races by, each a question that can be asked on its own.
#pragma once

#include "engine/model/schedulingchoices.h"

#include <functional>
#include <string>
#include <vector>

namespace bm {

class Boatmeet;
struct Race;

// Placement scores above this keep every least time; 0 up to it break one.
constexpr int KeepsConstraints = 1000;

// What the possible crews of a race have raced so far: the latest start on
// their own paths, of their double-up partners and of their boat-share
// partners (HHMM, -1 when none), and the largest count of timed races a crew
// and its partners are in.
struct CrewTimes {
    int LatestOwn = -1;
    int LatestDoubleUp = -1;
    int LatestBoatShare = -1;
    int Load = 0;

    bool operator==(const CrewTimes&) const = default;
};

// The outcome of ordering candidate races over the next free time slots: how
// many leading races keep every least time, the best score among them (-1 when
// none) and the lowest constraint-breaking score (1001 when none broke one).
struct SlotOrder {
    int Out = 0;
    int Best = -1;
    int Worst = KeepsConstraints + 1;

    bool operator==(const SlotOrder&) const = default;
};

inline constexpr const char* NoPeriodsText =
    "Not enough races in race periods. Clear times and try again!";
inline constexpr const char* CannotTimeText = "Scheduling stopped: some races cannot be timed";
inline constexpr const char* DrawAllEventsText = "Draw all events before scheduling";

// Answers whether the races proposed for the time slot at the cursor may be
// placed although they break a least time.
using ConfirmPlacement = std::function<bool(int cursor, const std::vector<Race*>& races)>;
// Told the share of the race list that has a time, in whole percent, after each step.
using ReportProgress = std::function<void(int percent)>;

// --- Measures (each works out what it needs from the meet) -----------------------
// True when no race of RaceList starts at the time of time slot k.
bool SlotIsFree(Boatmeet& meet, int k);
// True when the two races may involve the same rower or boat.
bool RacesConflict(Boatmeet& meet, const Race& a, const Race& b);
// How many distinct start times the races that hang on the race need at least.
int ConflictDepth(Boatmeet& meet, const Race& race);
CrewTimes CrewTiming(Boatmeet& meet, const Race& race);
// Above 1000 keeps every least time (larger is better); 0 to 1000 breaks
// one (a distance in minutes); -1 refused.
int PlacementScore(Boatmeet& meet, const Race& race, int k);
// Reorders an event's candidate races over the next free time slots from the cursor.
SlotOrder OrderForSlots(Boatmeet& meet, std::vector<Race*>& races, int cursor);

// --- Runs ----------------------------------------------------------------------------
// Times the race or races for the time slot at the cursor, or leaves it
// empty; false when no race was left to time.
bool ScheduleStep(Boatmeet& meet, ScheduleMode mode, FinalsPlacement finals, int& cursor,
                  const ConfirmPlacement& confirm);
// The automatic scheduler followed by race numbering; an empty text when it
// timed what it could, otherwise the message why it stopped.
std::string ScheduleRaces(Boatmeet& meet, ScheduleMode mode, FinalsPlacement finals,
                          const ReportProgress& progress, const ConfirmPlacement& confirm);
// Times the races round by round (fixedorder.cpp); the problem text, empty when none.
std::string ScheduleFixedOrder(Boatmeet& meet);

} // namespace bm
