#include "engine/schedule/dayplanproposals.h"

#include "engine/draw/eventsplit.h"
#include "engine/model/clockmoney.h"
#include "engine/model/text.h"
#include "engine/schedule/schedulefit.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace bm::plan {

namespace {

constexpr int MaxProposals = 5;
constexpr int MaxClosest = 3;
constexpr int MaxSplitEvents = 2;
constexpr int MaxAddedHours = 12;
// A plan without periods is offered a first one: from 09:00, a race every 5 minutes.
constexpr int DefaultStart = 9 * 60;
constexpr int DefaultInterval = 5;
// The largest clock value a period may hold.
constexpr int LatestClock = 9999;

// Minutes between race starts of a period.
double SpacingOf(const RacePeriod& period) {
    return period.RIType == 0 ? period.Interval : 60.0 / period.Interval;
}

// The plan of the changed shape, counted the same way.
class Trials {
public:
    Trials(const Basis& basis, const Outcome& now)
        : basis_(basis), now_(now), times_(basis.periods, basis.taken) {}

    int LateNow() const { return basis_.lateTimed + now_.atLeastLate; }
    const Basis& Base() const { return basis_; }
    const Outcome& Now() const { return now_; }

    Outcome WithEvents(const std::vector<EventShape>& events) {
        return Evaluate(events, times_, basis_.rules);
    }
    Outcome WithPeriods(const std::vector<RacePeriod>& periods) {
        FreeTimes times(periods, basis_.taken);
        return Evaluate(basis_.events, times, basis_.rules);
    }
    int Late(const Outcome& outcome) const { return basis_.lateTimed + outcome.atLeastLate; }

private:
    const Basis& basis_;
    const Outcome& now_;
    FreeTimes times_; // of the meet's periods, walked as far as the trials needed
};

// "the races and their rounds can fit" or what still does not.
std::string EffectText(int late) {
    if (late == 0)
        return "every race and round can fit within the race periods";
    return "at least " + Counted(late, "race still cannot", "races still cannot") +
           " be timed within the race periods";
}

// Why the day does not fit, said once for the proposals that act on the whole day.
std::string ReasonText(const Trials& trials) {
    const Outcome& now = trials.Now();
    if (now.capacityLate > 0)
        return Counted(now.toTime, "race to time", "races to time") +
               ", but the race periods offer only " +
               Counted(now.freeSlots, "free time slot", "free time slots");
    int latest = -1;
    std::size_t which = 0;
    for (std::size_t i = 0; i < now.earliestFinal.size(); ++i)
        if (now.finalLate[i] && now.earliestFinal[i] > latest) {
            latest = now.earliestFinal[i];
            which = i;
        }
    if (latest < 0)
        return "some races cannot be timed within the race periods";
    return "the final of " + trials.Base().events[which].name + " cannot start before " +
           DayTimeText(latest);
}

PlanProposal Proposal(ProposalKind kind, int late, const std::string& action,
                      const std::string& reason, const std::string& effect) {
    PlanProposal proposal;
    proposal.Kind = kind;
    proposal.LateAfter = late;
    proposal.Text = "Proposal: " + action + ". Reason: " + reason + ". Effect: " + effect + ".";
    return proposal;
}

// --- Splitting an event --------------------------------------------------------------

// The events with the event at i shared out evenly into divisions.
std::vector<EventShape> WithSplit(const std::vector<EventShape>& events, std::size_t i,
                                  int divisions) {
    std::vector<EventShape> changed(events.begin(), events.begin() + static_cast<long>(i));
    const int crews = events[i].crews;
    for (int n = 1; n <= divisions; ++n)
        changed.push_back(UndrawnShape(DivisionName(events[i].name, n),
                                       crews / divisions + (n <= crews % divisions ? 1 : 0)));
    changed.insert(changed.end(), events.begin() + static_cast<long>(i) + 1, events.end());
    return changed;
}

// The latest earliest final of the divisions, which stand from i on.
int DivisionsFinal(const Outcome& outcome, std::size_t i, int divisions, bool& late) {
    int latest = -1;
    late = false;
    for (std::size_t d = i; d < i + static_cast<std::size_t>(divisions); ++d) {
        latest = std::max(latest, outcome.earliestFinal[d]);
        late = late || outcome.finalLate[d];
    }
    return latest;
}

std::string SplitReason(const EventShape& event, const Outcome& now, std::size_t i, int rest) {
    const std::string final = DayTimeText(now.earliestFinal[i]);
    if (now.finalWaits[i])
        return "its final waits for every other race and cannot start before " + final;
    const int rounds = static_cast<int>(event.roundRaces.size());
    std::string reason =
        Counted(event.races, "race", "races") + " in " + Counted(rounds, "round", "rounds");
    if (rest > 0)
        reason += ", a crew's races at least " + Counted(rest, "minute", "minutes") + " apart,";
    return "its " + reason + " keep its final from starting before " + final;
}

// Splits the event into the fewest divisions whose finals can start by the
// end, or, short of that, into the number that leaves the fewest races late;
// nothing when no split leaves fewer races late than now.
bool ProposeSplit(const Boatmeet& meet, Trials& trials, std::size_t i, PlanProposal& proposal) {
    const EventShape& event = trials.Base().events[i];
    int bestLate = trials.LateNow();
    int bestDivisions = 0;
    Outcome best;
    for (int divisions = 2; divisions <= std::min(MaxDivisions, event.crews / 2); ++divisions) {
        if (!SplitRefusal(meet, event.name, divisions).empty())
            break;
        Outcome outcome = trials.WithEvents(WithSplit(trials.Base().events, i, divisions));
        bool late = false;
        DivisionsFinal(outcome, i, divisions, late);
        // A split whose finals can start by the end is taken unless it leaves
        // more races late than a smaller one.
        if (const int total = trials.Late(outcome);
            total < trials.LateNow() && (total < bestLate || (!late && total == bestLate))) {
            bestLate = total;
            bestDivisions = divisions;
            best = std::move(outcome);
        }
        if (!late)
            break;
    }
    if (bestDivisions == 0)
        return false;
    bool late = false;
    const int final = DivisionsFinal(best, i, bestDivisions, late);
    std::string effect =
        final >= 0 ? "the finals of its divisions can start from " + DayTimeText(final) + "; "
                   : std::string();
    proposal =
        Proposal(ProposalKind::Split, bestLate,
                 "split " + event.name + " into " + std::to_string(bestDivisions) + " divisions",
                 SplitReason(event, trials.Now(), i, trials.Base().rules.rest),
                 effect + EffectText(bestLate));
    proposal.Event = event.name;
    proposal.Divisions = bestDivisions;
    return true;
}

// The events whose final cannot start by the end, latest first, that can be
// split: no race timed yet and at least two crews for each of two divisions.
std::vector<std::size_t> SplitCandidates(const Trials& trials) {
    const Outcome& now = trials.Now();
    std::vector<std::size_t> events;
    for (std::size_t i = 0; i < now.finalLate.size(); ++i) {
        const EventShape& event = trials.Base().events[i];
        if (now.finalLate[i] && event.timed == 0 && event.crews >= 4)
            events.push_back(i);
    }
    std::stable_sort(events.begin(), events.end(), [&now](std::size_t a, std::size_t b) {
        return now.earliestFinal[a] > now.earliestFinal[b];
    });
    if (events.size() > static_cast<std::size_t>(MaxSplitEvents))
        events.resize(MaxSplitEvents);
    return events;
}

// --- Capping an event ----------------------------------------------------------------

// The event to cap: the one whose final is latest when finals are late,
// otherwise the one with the most crews; none has a time yet.
int CapCandidate(const Trials& trials) {
    const Outcome& now = trials.Now();
    int chosen = -1;
    for (std::size_t i = 0; i < now.finalLate.size(); ++i) {
        const EventShape& event = trials.Base().events[i];
        if (event.timed > 0 || event.crews < 3)
            continue;
        if (chosen < 0) {
            chosen = static_cast<int>(i);
            continue;
        }
        const auto c = static_cast<std::size_t>(chosen);
        const auto key = [&](std::size_t e) {
            return std::make_pair(now.finalLate[e] ? now.earliestFinal[e] : -1,
                                  trials.Base().events[e].crews);
        };
        if (key(i) > key(c))
            chosen = static_cast<int>(i);
    }
    return chosen;
}

// Keeps the most crews that let the plan fit, refusing at most half of them;
// when refusing half is not enough, proposes refusing half.
bool ProposeCap(Trials& trials, PlanProposal& proposal, const std::string& reason) {
    const int chosen = CapCandidate(trials);
    if (chosen < 0)
        return false;
    const auto i = static_cast<std::size_t>(chosen);
    const EventShape& event = trials.Base().events[i];
    std::vector<EventShape> events = trials.Base().events;
    const auto lateWith = [&](int crews) {
        events[i] = UndrawnShape(event.name, crews);
        return trials.Late(trials.WithEvents(events));
    };
    int low = (event.crews + 1) / 2;
    int late = lateWith(low);
    if (late == 0) {
        // The largest cap that still fits lies between low and the crews entered.
        int high = event.crews - 1;
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            if (lateWith(middle) == 0)
                low = middle;
            else
                high = middle - 1;
        }
    }
    if (late >= trials.LateNow())
        return false;
    const int refused = event.crews - low;
    proposal = Proposal(ProposalKind::Cap, late,
                        "cap " + event.name + " at " + std::to_string(low) + " crews, refusing " +
                            std::to_string(refused),
                        reason, EffectText(late));
    proposal.Event = event.name;
    proposal.Cap = low;
    proposal.Refused = refused;
    return true;
}

// --- Adding time and racing closer together -----------------------------------------------

// A period of so many hours that starts one spacing after the latest period
// ends, with its spacing; from 09:00 every 5 minutes without periods.
RacePeriod AddedPeriod(const std::vector<RacePeriod>& periods, int hours) {
    RacePeriod latest{0, 0, DefaultInterval, 0};
    int start = DefaultStart;
    if (!periods.empty()) {
        latest = *std::max_element(periods.begin(), periods.end(),
                                   [](const RacePeriod& a, const RacePeriod& b) {
                                       return ClockToMinutes(a.End) < ClockToMinutes(b.End);
                                   });
        start = ClockToMinutes(latest.End) + static_cast<int>(std::ceil(SpacingOf(latest)));
    }
    return {MinutesToClock(start), MinutesToClock(start + hours * 60), latest.Interval,
            latest.RIType};
}

bool ProposePeriod(Trials& trials, PlanProposal& proposal, const std::string& reason) {
    std::vector<RacePeriod> periods = trials.Base().periods;
    periods.push_back({});
    int late = INT_MAX;
    int hours = 0;
    for (int h = 1; h <= MaxAddedHours && late > 0; ++h) {
        const RacePeriod added = AddedPeriod(trials.Base().periods, h);
        if (added.End > LatestClock)
            break;
        periods.back() = added;
        late = trials.Late(trials.WithPeriods(periods));
        hours = h;
    }
    if (hours == 0 || late >= trials.LateNow())
        return false;
    const RacePeriod& added = periods.back();
    proposal = Proposal(ProposalKind::AddPeriod, late,
                        "add a race period of " + Counted(hours, "hour", "hours") + ", " +
                            DayTimeText(ClockToMinutes(added.Start)) + " to " +
                            DayTimeText(ClockToMinutes(added.End)) + ", " + SpacingText(added),
                        reason, EffectText(late));
    proposal.Period = added;
    return true;
}

// Every period races at least every so many minutes.
std::vector<RacePeriod> EveryMinutes(const std::vector<RacePeriod>& periods, int minutes) {
    std::vector<RacePeriod> changed = periods;
    for (RacePeriod& period : changed)
        if (SpacingOf(period) > minutes)
            period = {period.Start, period.End, minutes, 0};
    return changed;
}

// The widest spacing that lets the plan fit, down to a race every minute.
bool ProposeInterval(Trials& trials, PlanProposal& proposal, const std::string& reason) {
    const std::vector<RacePeriod>& periods = trials.Base().periods;
    if (periods.empty())
        return false;
    const RacePeriod widest = *std::max_element(
        periods.begin(), periods.end(),
        [](const RacePeriod& a, const RacePeriod& b) { return SpacingOf(a) < SpacingOf(b); });
    int late = INT_MAX;
    int minutes = 0;
    for (int m = static_cast<int>(std::ceil(SpacingOf(widest))) - 1; m >= 1 && late > 0; --m) {
        late = trials.Late(trials.WithPeriods(EveryMinutes(periods, m)));
        minutes = m;
    }
    if (minutes == 0 || late >= trials.LateNow())
        return false;
    proposal = Proposal(ProposalKind::Interval, late,
                        "race " + PaceText({0, 0, minutes, 0}) + " instead of " + PaceText(widest),
                        reason, EffectText(late));
    proposal.Interval = minutes;
    return true;
}

// Those that fit, in the order found; otherwise the few that come closest.
std::vector<PlanProposal> Chosen(std::vector<PlanProposal> proposals) {
    std::vector<PlanProposal> fitting;
    for (PlanProposal& proposal : proposals)
        if (proposal.LateAfter == 0)
            fitting.push_back(std::move(proposal));
    if (!fitting.empty()) {
        if (fitting.size() > static_cast<std::size_t>(MaxProposals))
            fitting.resize(MaxProposals);
        return fitting;
    }
    std::stable_sort(
        proposals.begin(), proposals.end(),
        [](const PlanProposal& a, const PlanProposal& b) { return a.LateAfter < b.LateAfter; });
    if (proposals.size() > static_cast<std::size_t>(MaxClosest))
        proposals.resize(MaxClosest);
    return proposals;
}

} // namespace

std::vector<PlanProposal> ProposeChanges(const Boatmeet& meet, const Basis& basis,
                                         const Outcome& now) {
    Trials trials(basis, now);
    const std::string reason = ReasonText(trials);
    std::vector<PlanProposal> proposals;
    PlanProposal proposal;
    for (std::size_t i : SplitCandidates(trials))
        if (ProposeSplit(meet, trials, i, proposal))
            proposals.push_back(proposal);
    if (ProposeCap(trials, proposal, reason))
        proposals.push_back(proposal);
    if (ProposePeriod(trials, proposal, reason))
        proposals.push_back(proposal);
    if (ProposeInterval(trials, proposal, reason))
        proposals.push_back(proposal);
    return Chosen(std::move(proposals));
}

} // namespace bm::plan
