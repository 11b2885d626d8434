// The automatic scheduler written as plainly as its rules read: every score
// recomputes crew timings and conflict depths from the draws, every free time
// slot is found by scanning the race list. Slow, and meant to be: the tests and
// the benchmark hold the engine's scheduler against it.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/schedule/scheduler.h"

#include <string>
#include <vector>

namespace bm::literal {

bool SlotIsFree(Boatmeet& meet, int k);
bool RacesConflict(Boatmeet& meet, const Race& a, const Race& b);
int ConflictDepth(Boatmeet& meet, const Race& race);
CrewTimes CrewTiming(Boatmeet& meet, const Race& race);
int PlacementScore(Boatmeet& meet, const Race& race, int k);
SlotOrder OrderForSlots(Boatmeet& meet, std::vector<Race*>& races, int cursor);
// timed counts the races the step gave a time of 0 or more.
bool ScheduleStep(Boatmeet& meet, ScheduleMode mode, FinalsPlacement finals, int& cursor,
                  const ConfirmPlacement& confirm, int& timed);
std::string ScheduleRaces(Boatmeet& meet, ScheduleMode mode, FinalsPlacement finals,
                          const ReportProgress& progress, const ConfirmPlacement& confirm);

} // namespace bm::literal
