// One step of the automatic scheduler: every event offers its candidate races
// ordered over the next free time slots, the best event wins the time slot at
// the cursor, and its first race or races get their times.
#include "engine/schedule/schedulestate.h"

#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"

#include <algorithm>

namespace bm {

namespace {

// The event that wins the time slot so far.
struct Choice {
    int score = -1;
    int out = 0;
    std::vector<Race*> races;
    bool isFinal = true;
    int drawIndex = -1;
};

// The event's score: Rigid wants the whole round to keep the least times
// (passing the event over when it cannot and breaking them is not allowed);
// Moderate and Flexible take the worst broken placement when there is one.
bool EventScore(ScheduleMode mode, bool allowTC, const SlotOrder& order, int count, int& score) {
    if (mode == ScheduleMode::Rigid) {
        if (order.Out == count)
            score = order.Best;
        else if (!allowTC)
            return false;
        else
            score = order.Worst;
        return true;
    }
    score = order.Worst <= KeepsConstraints ? order.Worst : order.Best;
    return true;
}

// Unless finals go anywhere, an event with more than its final left displaces
// one with only its final left, and never the other way round.
bool IsBetter(FinalsPlacement finals, const Choice& best, int score, int untimed) {
    if (finals != FinalsPlacement::Anytime) {
        if (best.isFinal && untimed > 1)
            return true;
        if (!best.isFinal && untimed == 1)
            return false;
    }
    return score > best.score;
}

int CountToTime(ScheduleMode mode, const Choice& best) {
    if (mode == ScheduleMode::Rigid)
        return static_cast<int>(best.races.size());
    if (mode == ScheduleMode::Moderate && best.score > KeepsConstraints)
        return best.out;
    return 1;
}

// Gives the first count races of the choice the next free time slots from the
// cursor on; returns how many got a time of 0 or more.
int PlaceRaces(ScheduleState& state, const Choice& best, int count, int& cursor) {
    int timed = 0;
    for (int i = 0; i < count; ++i) {
        cursor = state.NextFreeSlot(cursor);
        const int time = state.Meet().RaceTimes.SlotTime(cursor);
        state.SetTime(best.drawIndex, *best.races[i], time);
        timed += time >= 0;
        ++cursor;
    }
    return timed;
}

} // namespace

const std::vector<int>& ScheduleState::FreeSlotMinutes(int cursor, int count) {
    if (freeCursor_ != cursor) {
        freeCursor_ = cursor;
        freeSlots_.clear();
        freeMinutes_.clear();
    }
    while (static_cast<int>(freeSlots_.size()) < count) {
        const int from = freeSlots_.empty() ? cursor : freeSlots_.back() + 1;
        const int slot = NextFreeSlot(from);
        freeSlots_.push_back(slot);
        freeMinutes_.push_back(ClockToMinutes(meet_.RaceTimes.SlotTime(slot)));
    }
    return freeMinutes_;
}

// The draw's timeable races (Flexible) or those of its earliest round, with
// their facts, kept until a race of the draw gets a time.
void ScheduleState::Candidates(int drawIndex, bool flexible) {
    DrawData& data = draws_[drawIndex];
    if (data.candidatesVersion == data.version && data.flexibleCandidates == flexible)
        return;
    data.candidates.clear();
    if (flexible)
        data.draw->AppendTimeable(data.candidates);
    else
        data.draw->AppendTimeableEarliestRound(data.candidates);
    data.candidateFacts.clear();
    for (const Race* race : data.candidates)
        data.candidateFacts.push_back(&facts_[race]);
    data.candidatesVersion = data.version;
    data.flexibleCandidates = flexible;
}

// Each free time slot in turn takes the first of the remaining races that
// scores best there.
SlotOrder ScheduleState::Order(std::vector<Race*>& races, std::vector<RaceFacts*>& facts,
                               int cursor) {
    SlotOrder order;
    if (races.empty())
        return order;
    const std::vector<int>& minutes = FreeSlotMinutes(cursor, static_cast<int>(races.size()));
    pending_.clear();
    for (std::size_t i = 0; i < races.size(); ++i)
        pending_.emplace_back(races[i], ScorerOf(*races[i], Current(*facts[i], *races[i])));
    races.clear();
    bool broken = false;
    for (int i = 0; !pending_.empty(); ++i) {
        std::size_t pick = 0;
        int top = Score(pending_[0].second, minutes[i]);
        for (std::size_t j = 1; j < pending_.size(); ++j) {
            const int score = Score(pending_[j].second, minutes[i]);
            if (score > top) {
                top = score;
                pick = j;
            }
        }
        races.push_back(pending_[pick].first);
        pending_.erase(pending_.begin() + static_cast<long>(pick));
        if (top <= KeepsConstraints) {
            broken = true;
            order.Worst = std::min(order.Worst, top);
        }
        if (!broken) {
            order.Out = i + 1;
            order.Best = std::max(order.Best, top);
        }
    }
    return order;
}

SlotOrder ScheduleState::OrderForSlots(std::vector<Race*>& races, int cursor) {
    scratchFacts_.clear();
    for (const Race* race : races)
        scratchFacts_.push_back(&facts_[race]);
    return Order(races, scratchFacts_, cursor);
}

bool ScheduleState::Step(ScheduleMode mode, FinalsPlacement finals, int& cursor,
                         const ConfirmPlacement& confirm, int& timed) {
    timed = 0;
    Choice best;
    std::vector<Race*> races;
    std::vector<RaceFacts*> facts;
    int total = 0;
    bool moreThanFinalsLeft = false;
    for (int key : meet_.Events.Keys()) {
        const int d = DrawIndexOf(key);
        const int untimed = d < 0 ? 0 : Untimed(d);
        moreThanFinalsLeft = moreThanFinalsLeft || untimed > 1;
        races.clear();
        facts.clear();
        if (d >= 0) {
            Candidates(d, mode == ScheduleMode::Flexible);
            races = draws_[d].candidates;
            facts = draws_[d].candidateFacts;
        }
        const int count = static_cast<int>(races.size());
        total += count;
        const SlotOrder order = Order(races, facts, cursor);
        int score = -1;
        if (!EventScore(mode, allowTC_, order, count, score) ||
            !IsBetter(finals, best, score, untimed))
            continue;
        best.score = score;
        best.out = order.Out;
        best.races = races;
        best.isFinal = untimed == 1;
        best.drawIndex = d;
    }
    if (!best.races.empty() && best.score >= 0 && best.score <= KeepsConstraints &&
        CurrentSettings().CheckTC && !(confirm && confirm(cursor, best.races)))
        best.score = -1;
    // A final waits while any event has more than its final left.
    if (finals == FinalsPlacement::AtEnd && best.isFinal && moreThanFinalsLeft)
        best.score = -1;
    if (best.races.empty() || best.score < 0) {
        ++cursor;
        return total > 0;
    }
    timed = PlaceRaces(*this, best, CountToTime(mode, best), cursor);
    return total > 0;
}

bool ScheduleState::HasTimeableRace() {
    std::vector<Race*> races;
    for (int key : meet_.Events.Keys())
        if (const int d = DrawIndexOf(key); d >= 0)
            draws_[d].draw->AppendTimeable(races);
    return !races.empty();
}

} // namespace bm
