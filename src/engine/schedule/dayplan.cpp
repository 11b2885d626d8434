#include "engine/schedule/dayplan.h"

#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"
#include "engine/schedule/dayplanbounds.h"
#include "engine/schedule/dayplanproposals.h"
#include "engine/schedule/schedulefit.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace bm {

namespace {

// True when the scheduler times no event's last race while another event has
// more than one race left: always with finals at the end, and with finals
// preferably at the end unless Rigid may pass an event over.
bool FinalsKeptToEnd(const Boatmeet& meet, bool allowTC) {
    return meet.FType == FinalsPlacement::AtEnd ||
           (meet.FType == FinalsPlacement::PreferablyAtEnd &&
            (meet.SType != ScheduleMode::Rigid || allowTC));
}

std::vector<plan::EventShape> EventShapes(const Boatmeet& meet) {
    std::unordered_map<int, int> crews;
    for (const auto& crew : meet.Crews)
        ++crews[crew->EventKey];
    std::vector<plan::EventShape> shapes;
    for (int key : meet.Events.Keys()) {
        std::string name = meet.Events.TextOf(key);
        // A draw without a crew is drawn again once crews are entered.
        const Draw* draw = meet.FindDraw(key);
        if (draw && draw->HeldRaceCount() > 0)
            shapes.push_back(plan::DrawnShape(std::move(name), *draw));
        else
            shapes.push_back(plan::UndrawnShape(std::move(name), crews[key]));
    }
    return shapes;
}

plan::Basis BasisOf(const Boatmeet& meet, const Settings& settings) {
    plan::Basis basis;
    basis.events = EventShapes(meet);
    basis.periods = meet.RaceTimes.GetPeriods();
    const std::optional<int> end = LatestPeriodEnd(meet.RaceTimes);
    for (const auto& draw : meet.Draws)
        for (int i = 1; i < draw->Size; ++i)
            if (const Race& race = draw->RaceAt(i); race.IsContested() && race.IsTimed()) {
                const int minutes = ClockToMinutes(race.Time);
                basis.taken.push_back(minutes);
                basis.lateTimed += end && minutes > *end;
            }
    std::sort(basis.taken.begin(), basis.taken.end());
    basis.rules.rest = settings.AllowTC ? 0 : std::max(meet.BRTime, 0);
    basis.rules.finalsAtEnd = FinalsKeptToEnd(meet, settings.AllowTC);
    return basis;
}

// The crews of different events that share a rower or a boat, by pair of
// events in the events' order; each link counted once.
std::vector<PlanTie> TiesOf(const Boatmeet& meet) {
    std::unordered_map<int, int> position;
    for (int i = 0; i < meet.Events.Count(); ++i)
        position.emplace(meet.Events.KeyAt(i), i);
    std::map<std::pair<int, int>, PlanTie> ties;
    const auto count = [&](const Crew& crew, const std::vector<int>& links,
                           const std::vector<int> Crew::*back, int PlanTie::*field) {
        for (int id : links) {
            const Crew* other = meet.HasCrew(id) ? meet.FindCrew(id) : nullptr;
            if (!other || (crew.Id > id &&
                           std::count((other->*back).begin(), (other->*back).end(), crew.Id) > 0))
                continue;
            const auto a = position.find(crew.EventKey);
            const auto b = position.find(other->EventKey);
            if (a == position.end() || b == position.end() || a->second == b->second)
                continue;
            const auto pair = std::minmax(a->second, b->second);
            PlanTie& tie = ties[pair];
            tie.First = meet.Events.TextAt(pair.first);
            tie.Second = meet.Events.TextAt(pair.second);
            ++(tie.*field);
        }
    };
    for (const auto& crew : meet.Crews) {
        count(*crew, crew->DoubleUps, &Crew::DoubleUps, &PlanTie::DoubleUps);
        count(*crew, crew->BoatShares, &Crew::BoatShares, &PlanTie::BoatShares);
    }
    std::vector<PlanTie> list;
    for (auto& [pair, tie] : ties)
        list.push_back(std::move(tie));
    return list;
}

std::vector<PlanPeriod> PeriodsOf(const Boatmeet& meet) {
    std::vector<PlanPeriod> periods;
    for (const RacePeriod& period : meet.RaceTimes.GetPeriods()) {
        RaceTimeServer alone;
        alone.SetPeriods({period});
        periods.push_back({period, alone.SlotsInPeriods(MaxCountedSlots)});
    }
    return periods;
}

PlanEvent EventOf(const plan::EventShape& shape, const plan::Outcome& outcome, std::size_t i) {
    PlanEvent event;
    event.Name = shape.name;
    event.Crews = shape.crews;
    event.Drawn = shape.drawn;
    event.Races = shape.races;
    event.Timed = shape.timed;
    for (std::size_t r = 0; r < shape.roundRaces.size(); ++r)
        event.Rounds.push_back({shape.roundRaces[r], outcome.roundEarliest[i][r]});
    event.EarliestFinal = outcome.earliestFinal[i];
    event.FinalWaits = outcome.finalWaits[i];
    event.FinalLate = outcome.finalLate[i];
    return event;
}

} // namespace

DayPlan PlanTheDay(const Boatmeet& meet, const Settings& settings) {
    const plan::Basis basis = BasisOf(meet, settings);
    plan::FreeTimes times(basis.periods, basis.taken);
    const plan::Outcome outcome = plan::Evaluate(basis.events, times, basis.rules);
    DayPlan plan;
    plan.Periods = PeriodsOf(meet);
    plan.End = times.HasPeriods() ? times.End() : -1;
    for (std::size_t i = 0; i < basis.events.size(); ++i) {
        plan.Events.push_back(EventOf(basis.events[i], outcome, i));
        plan.Races += basis.events[i].races;
    }
    plan.Ties = TiesOf(meet);
    plan.ToTime = outcome.toTime;
    plan.Slots = times.SlotsInPeriods();
    plan.FreeSlots = times.WithinEnd();
    plan.LateTimed = basis.lateTimed;
    plan.FinalsFrom = outcome.finalsFrom;
    plan.CapacityLate = basis.lateTimed + outcome.capacityLate;
    plan.AtLeastLate = basis.lateTimed + outcome.atLeastLate;
    if (!plan.Fits())
        plan.Proposals = plan::ProposeChanges(meet, basis, outcome);
    return plan;
}

std::string PaceText(const RacePeriod& period) {
    if (period.RIType != 0)
        return Counted(period.Interval, "race", "races") + " per hour";
    return period.Interval == 1 ? "every minute"
                                : "every " + Counted(period.Interval, "minute", "minutes");
}

std::string SpacingText(const RacePeriod& period) {
    return period.RIType == 0 ? "a race " + PaceText(period) : PaceText(period);
}

std::vector<std::string> DayPlanProblems(const DayPlan& plan) {
    std::vector<std::string> lines;
    if (plan.Fits())
        return lines;
    lines.push_back("At least " + std::to_string(plan.AtLeastLate) +
                    (plan.AtLeastLate == 1 ? " race cannot" : " races cannot") +
                    " be timed within the race periods");
    for (const PlanEvent& event : plan.Events)
        if (event.FinalLate)
            lines.push_back("Event " + event.Name + " cannot reach its final before " +
                            DayTimeText(event.EarliestFinal));
    return lines;
}

} // namespace bm
