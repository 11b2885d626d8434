// The automatic scheduler and its measures. Each one works through a
// ScheduleState, so a single question (a score, a depth) and a whole run share
// one implementation.
#include "engine/schedule/scheduler.h"

#include "engine/model/boatmeet.h"
#include "engine/schedule/numbering.h"
#include "engine/schedule/schedulestate.h"

namespace bm {

namespace {

// The automatic scheduler gives up after this many steps in a row that timed no race.
constexpr int MaxIdleSteps = 1000;

} // namespace

bool SlotIsFree(Boatmeet& meet, int k) {
    return ScheduleState(meet).SlotIsFree(k);
}

bool RacesConflict(Boatmeet& meet, const Race& a, const Race& b) {
    return ScheduleState(meet).RacesConflict(a, b);
}

int ConflictDepth(Boatmeet& meet, const Race& race) {
    return ScheduleState(meet).ConflictDepth(race);
}

CrewTimes CrewTiming(Boatmeet& meet, const Race& race) {
    return ScheduleState(meet).CrewTiming(race);
}

int PlacementScore(Boatmeet& meet, const Race& race, int k) {
    return ScheduleState(meet).PlacementScore(race, k);
}

SlotOrder OrderForSlots(Boatmeet& meet, std::vector<Race*>& races, int cursor) {
    return ScheduleState(meet).OrderForSlots(races, cursor);
}

bool ScheduleStep(Boatmeet& meet, ScheduleMode mode, FinalsPlacement finals, int& cursor,
                  const ConfirmPlacement& confirm) {
    int timed = 0;
    return ScheduleState(meet).Step(mode, finals, cursor, confirm, timed);
}

std::string ScheduleRaces(Boatmeet& meet, ScheduleMode mode, FinalsPlacement finals,
                          const ReportProgress& progress, const ConfirmPlacement& confirm) {
    std::string message;
    ScheduleState state(meet);
    if (meet.RaceTimes.Count() == 0) {
        // Every time slot would have the time -1 and none would ever be free.
        if (state.HasTimeableRace())
            message = NoPeriodsText;
    } else {
        int cursor = 0;
        int idle = 0;
        int timed = 0;
        while (state.Step(mode, finals, cursor, confirm, timed)) {
            if (progress)
                progress(state.TimedPercent());
            idle = timed > 0 ? 0 : idle + 1;
            if (idle == MaxIdleSteps) {
                message = CannotTimeText;
                break;
            }
        }
    }
    NumberRaces(meet);
    return message;
}

} // namespace bm
