#include "engine/schedule/dayplanbounds.h"

#include "engine/draw/randomdraw.h"
#include "engine/model/clockmoney.h"
#include "engine/model/draw.h"
#include "engine/schedule/schedulefit.h"

#include <algorithm>
#include <climits>
#include <map>
#include <tuple>
#include <unordered_map>

namespace bm::plan {

namespace {

// The round of race index p in a draw of so many rounds: 0 for the first round.
int RoundOf(int p, int rounds) {
    return rounds - BitLength(p);
}

// Gathers the untimed races of an event into classes.
class Classes {
public:
    void Add(int round, int depth, int below) {
        const auto [found, added] =
            index_.try_emplace({round, depth, below}, static_cast<int>(classes_.size()));
        if (added)
            classes_.push_back({round, depth, below, 0});
        ++classes_[static_cast<std::size_t>(found->second)].count;
        last_ = found->second;
    }
    // The class of the race added last.
    int Last() const { return last_; }
    std::vector<RaceClass> Take() { return std::move(classes_); }

private:
    std::map<std::tuple<int, int, int>, int> index_;
    std::vector<RaceClass> classes_;
    int last_ = -1;
};

} // namespace

EventShape UndrawnShape(std::string name, int crews) {
    EventShape shape;
    shape.name = std::move(name);
    shape.crews = crews;
    if (crews < 2)
        return shape;
    const std::vector<bool> byes = ByeEntries(crews);
    const int n = static_cast<int>(byes.size());
    const int rounds = BitLength(n) - 1;
    shape.roundRaces.assign(static_cast<std::size_t>(rounds), 0);
    // Tree positions as in a draw: p < n a race, p >= n a first-round entry.
    // A race is rowed when both sides bring a crew; otherwise the crew walks
    // over and reaches the next race after as many races as before.
    const auto size = static_cast<std::size_t>(2 * n);
    std::vector<char> carries(size, 0);
    std::vector<char> rowed(size, 0);
    std::vector<int> depth(size, 0);
    std::vector<int> below(size, 0);
    for (int i = 0; i < n; ++i)
        carries[static_cast<std::size_t>(n + i)] = !byes[static_cast<std::size_t>(i)];
    Classes classes;
    for (int p = n - 1; p >= 1; --p) {
        const auto at = static_cast<std::size_t>(p);
        const auto left = 2 * at;
        rowed[at] = carries[left] && carries[left + 1];
        carries[at] = carries[left] || carries[left + 1];
        depth[at] = std::max(depth[left], depth[left + 1]) + rowed[at];
        below[at] = below[left] + below[left + 1] + rowed[left] + rowed[left + 1];
        if (rowed[at]) {
            ++shape.roundRaces[static_cast<std::size_t>(RoundOf(p, rounds))];
            classes.Add(RoundOf(p, rounds), depth[at], below[at]);
        }
    }
    shape.races = crews - 1;
    shape.untimed = shape.races;
    shape.finalClass = classes.Last();
    shape.classes = classes.Take();
    return shape;
}

EventShape DrawnShape(std::string name, const Draw& draw) {
    EventShape shape;
    shape.name = std::move(name);
    shape.drawn = true;
    shape.crews = draw.PlacedCount();
    const int size = draw.Size;
    const int rounds = std::max(BitLength(size) - 1, 0);
    shape.roundRaces.assign(static_cast<std::size_t>(rounds), 0);
    bool anyTimed = false;
    // A race can be timed once the races its slots refer to are: it follows
    // them, and every race they follow.
    std::vector<int> depth(static_cast<std::size_t>(std::max(size, 1)), 1);
    std::vector<int> below(depth.size(), 0);
    Classes classes;
    for (int p = size - 1; p >= 1; --p) {
        const Race& race = draw.RaceAt(p);
        const auto at = static_cast<std::size_t>(p);
        anyTimed = anyTimed || race.IsTimed();
        for (int s = 0; s < 2; ++s) {
            const auto feeder = static_cast<std::size_t>(2 * p + s);
            if (race.Slots[static_cast<std::size_t>(s)] >= 0 || 2 * p + s >= size)
                continue;
            depth[at] = std::max(depth[at], depth[feeder] + 1);
            below[at] += below[feeder] + draw.RaceAt(2 * p + s).IsContested();
        }
        if (!race.IsContested())
            continue;
        ++shape.races;
        ++shape.roundRaces[static_cast<std::size_t>(RoundOf(p, rounds))];
        if (race.IsTimed())
            ++shape.timed;
        else
            classes.Add(RoundOf(p, rounds), depth[at], below[at]);
    }
    shape.untimed = shape.races - shape.timed;
    // Only a draw with no time at all keeps its races' order by itself.
    if (!anyTimed) {
        if (size >= 2 && draw.RaceAt(1).IsContested())
            shape.finalClass = classes.Last();
        shape.classes = classes.Take();
    }
    return shape;
}

// --- Free times ------------------------------------------------------------------------

FreeTimes::FreeTimes(const std::vector<RacePeriod>& periods, std::vector<int> takenMinutes)
    : taken_(std::move(takenMinutes)) {
    times_.SetPeriods(periods);
    const std::optional<int> end = LatestPeriodEnd(times_);
    if (!end)
        return;
    hasPeriods_ = true;
    end_ = *end;
    slotsInPeriods_ = times_.SlotsInPeriods(MaxCountedSlots);
    // Every slot that may start by the end: those within their period, then
    // the last period's run-on up to the first time past the end.
    std::vector<int> within;
    int previous = INT_MIN;
    for (int k = 0; k < MaxCountedSlots; ++k) {
        const int minutes = ClockToMinutes(times_.SlotTime(k));
        if (k >= slotsInPeriods_ && minutes > end_)
            break;
        rising_ = rising_ && minutes >= previous;
        previous = minutes;
        if (minutes <= end_)
            within.push_back(minutes);
    }
    std::sort(within.begin(), within.end());
    within.erase(std::unique(within.begin(), within.end()), within.end());
    for (int minutes : within)
        withinEnd_ += !Taken(minutes);
}

bool FreeTimes::Taken(int minutes) const {
    return std::binary_search(taken_.begin(), taken_.end(), minutes);
}

bool FreeTimes::Extend(int i) {
    if (!HasPeriods())
        return false;
    while (static_cast<int>(free_.size()) <= i) {
        if (nextSlot_ >= MaxCountedSlots)
            return false;
        const int minutes = ClockToMinutes(times_.SlotTime(nextSlot_++));
        // Slots of one start time are one free time at most.
        if (minutes == lastTime_)
            continue;
        lastTime_ = minutes;
        if (!Taken(minutes))
            free_.push_back(minutes);
    }
    return true;
}

int FreeTimes::At(int i) {
    return i >= 0 && Extend(i) ? free_[static_cast<std::size_t>(i)] : -1;
}

int FreeTimes::FirstFrom(int from, int minutes) {
    for (int i = std::max(from, 0); Extend(i); ++i)
        if (free_[static_cast<std::size_t>(i)] >= minutes)
            return i;
    return -1;
}

// --- Bounds ------------------------------------------------------------------------------

namespace {

// True for a known start after the end of the latest period.
bool PastEnd(int minutes, const FreeTimes& times) {
    return minutes >= 0 && times.HasPeriods() && minutes > times.End();
}

// The earliest start of a race, given the latest that the races it follows
// can start by (-1 when none or not known) and how many free times they take:
// a later free time, the least crew time after that latest race (a race at
// 0000 sets no least time, as the scheduler has it).
class Earliest {
public:
    Earliest(FreeTimes& times, int rest) : times_(times), rest_(rest) {}

    // After the chain of races of each depth, one feeding the next.
    int OfDepth(int depth) {
        if (chain_.empty())
            chain_.push_back(times_.At(0));
        while (static_cast<int>(chain_.size()) < depth) {
            const int previous = chain_.back();
            chain_.push_back(previous < 0 ? -1 : After(previous, 0));
        }
        return chain_[static_cast<std::size_t>(depth - 1)];
    }
    // After so many races, at distinct free times.
    int OfBelow(int below) {
        if (below == 0)
            return times_.At(0);
        const auto [found, added] = belowMemo_.try_emplace(below, -1);
        if (added) {
            const int latest = times_.At(below - 1);
            found->second = latest < 0 ? -1 : After(latest, below);
        }
        return found->second;
    }
    int Of(const RaceClass& race) { return std::max(OfDepth(race.depth), OfBelow(race.below)); }

private:
    int After(int latest, int fromIndex) {
        const int gap = std::max(latest > 0 ? rest_ : 0, 1);
        const int index = times_.FirstFrom(fromIndex, latest + gap);
        return index < 0 ? -1 : times_.At(index);
    }

    FreeTimes& times_;
    int rest_;
    std::vector<int> chain_;
    std::unordered_map<int, int> belowMemo_;
};

struct EventBounds {
    std::vector<int> rounds;
    int final = -1;
    int late = 0; // races of the event that cannot start by the end
};

EventBounds BoundsOf(const EventShape& event, Earliest& earliest, const FreeTimes& times) {
    EventBounds bounds;
    bounds.rounds.assign(event.roundRaces.size(), -1);
    for (std::size_t c = 0; c < event.classes.size(); ++c) {
        const RaceClass& race = event.classes[c];
        const int start = earliest.Of(race);
        if (start < 0)
            continue;
        int& round = bounds.rounds[static_cast<std::size_t>(race.round)];
        round = round < 0 ? start : std::min(round, start);
        if (PastEnd(start, times))
            bounds.late += race.count;
        if (static_cast<int>(c) == event.finalClass)
            bounds.final = start;
    }
    return bounds;
}

} // namespace

Outcome Evaluate(const std::vector<EventShape>& events, FreeTimes& times, const Rules& rules) {
    Outcome out;
    int lastRaces = 0;
    for (const EventShape& event : events) {
        out.toTime += event.untimed;
        lastRaces += event.untimed > 0;
    }
    out.freeSlots = times.WithinEnd();
    out.capacityLate = std::max(0, out.toTime - out.freeSlots);
    const bool ordered = times.HasPeriods() && times.Rising();
    if (rules.finalsAtEnd && ordered && lastRaces > 0)
        out.finalsFrom = times.At(out.toTime - lastRaces);
    Earliest earliest(times, rules.rest);
    int forced = 0;
    for (const EventShape& event : events) {
        EventBounds bounds = ordered ? BoundsOf(event, earliest, times) : EventBounds{};
        bounds.rounds.resize(event.roundRaces.size(), -1);
        const bool chainLate = PastEnd(bounds.final, times);
        const bool waits = event.untimed > 0 && out.finalsFrom > bounds.final;
        if (waits)
            bounds.final = out.finalsFrom;
        const bool late = PastEnd(bounds.final, times);
        // A final that waits past the end for the other races is late too.
        forced += bounds.late + (late && !chainLate ? 1 : 0);
        out.roundEarliest.push_back(std::move(bounds.rounds));
        out.earliestFinal.push_back(event.untimed > 0 ? bounds.final : -1);
        out.finalWaits.push_back(waits);
        out.finalLate.push_back(late);
    }
    out.atLeastLate = std::max(out.capacityLate, forced);
    return out;
}

} // namespace bm::plan
