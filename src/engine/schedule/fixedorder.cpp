// The fixed-order scheduler: one round of each event at a time, events with
// the most rounds left first, onto consecutive free time slots.
#include "engine/model/boatmeet.h"
#include "engine/schedule/scheduler.h"
#include "engine/schedule/schedulestate.h"

#include <algorithm>

namespace bm {

namespace {

int RoundsLeft(ScheduleState& state, int eventKey) {
    const int d = state.DrawIndexOf(eventKey);
    return d < 0 ? 0 : state.DrawAt(d).RoundsLeftToTime();
}

// Times the earliest timeable round of the draw from the cursor on; false with
// the problem text when the time slots have no times.
bool TimeRound(ScheduleState& state, int drawIndex, int& cursor, int& timed, std::string& problem) {
    const RaceTimeServer& times = state.Meet().RaceTimes;
    std::vector<Race*> races;
    state.DrawAt(drawIndex).AppendTimeableEarliestRound(races);
    for (Race* race : races) {
        cursor = state.NextFreeSlot(cursor);
        const int time = times.SlotTime(cursor);
        if (time == -1) {
            problem = NoPeriodsText;
            return false;
        }
        state.SetTime(drawIndex, *race, time);
        timed += time >= 0;
        ++cursor;
    }
    return true;
}

} // namespace

std::string ScheduleFixedOrder(Boatmeet& meet) {
    std::string problem;
    for (int key : meet.Events.Keys())
        if (const Draw* draw = meet.FindDraw(key); !draw || !draw->HasRaces())
            problem = DrawAllEventsText;
    ScheduleState state(meet);
    int cursor = 0;
    while (problem.empty()) {
        int most = 0;
        for (int key : meet.Events.Keys())
            most = std::max(most, RoundsLeft(state, key));
        if (most == 0)
            break;
        int timed = 0;
        for (int key : meet.Events.Keys()) {
            if (RoundsLeft(state, key) != most)
                continue;
            if (!TimeRound(state, state.DrawIndexOf(key), cursor, timed, problem))
                break;
        }
        // A pass that times nothing would be repeated for ever.
        if (problem.empty() && timed == 0)
            problem = CannotTimeText;
    }
    return problem;
}

} // namespace bm
