// The meet's scheduling operations. Each one works through a ScheduleState, so
// a single question (a score, a depth) and a whole run share one implementation.
#include "model/boatmeet.h"
#include "schedule/schedulestate.h"

namespace bm {

namespace {

// The automatic scheduler gives up after this many steps in a row that timed no race.
constexpr int MaxIdleSteps = 1000;

} // namespace

bool Boatmeet::SlotIsFree(int k) {
    return ScheduleState(*this).SlotIsFree(k);
}

bool Boatmeet::RacesConflict(const Race& a, const Race& b) {
    return ScheduleState(*this).RacesConflict(a, b);
}

int Boatmeet::ConflictDepth(const Race& race) {
    return ScheduleState(*this).ConflictDepth(race);
}

CrewTimes Boatmeet::CrewTiming(const Race& race) {
    return ScheduleState(*this).CrewTiming(race);
}

int Boatmeet::PlacementScore(const Race& race, int k) {
    return ScheduleState(*this).PlacementScore(race, k);
}

SlotOrder Boatmeet::OrderForSlots(std::vector<Race*>& races, int cursor) {
    return ScheduleState(*this).OrderForSlots(races, cursor);
}

bool Boatmeet::ScheduleStep(int mode, int finals, int& cursor, const ConfirmPlacement& confirm) {
    int timed = 0;
    return ScheduleState(*this).Step(mode, finals, cursor, confirm, timed);
}

std::string Boatmeet::ScheduleRaces(int mode, int finals, const ReportProgress& progress,
                                    const ConfirmPlacement& confirm) {
    std::string message;
    ScheduleState state(*this);
    if (RaceTimes.Count() == 0) {
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
    NumberRaces();
    return message;
}

} // namespace bm
