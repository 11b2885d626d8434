#include "engine/schedule/schedulestate.h"

#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace bm {

namespace {

bool Intersects(const std::vector<int>& a, const std::vector<int>& b) {
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() && j != b.end()) {
        if (*i == *j)
            return true;
        if (*i < *j)
            ++i;
        else
            ++j;
    }
    return false;
}

} // namespace

ScheduleState::ScheduleState(Boatmeet& meet) : meet_(meet), allowTC_(CurrentSettings().AllowTC) {
    draws_.resize(meet.Draws.size());
    for (std::size_t d = 0; d < meet.Draws.size(); ++d) {
        draws_[d].draw = meet.Draws[d].get();
        drawOfEvent_.emplace(draws_[d].draw->EventKey, static_cast<int>(d));
        IndexDraw(static_cast<int>(d));
    }
    for (const Race* race : meet.RaceList) {
        listed_.insert(race);
        ++raceCountAt_[race->Time];
        timedListed_ += race->IsTimed();
    }
}

// The entry race of every crew in the draw (the highest race holding it, slot
// 0 before slot 1) and, for every race, the crews whose path runs through it.
void ScheduleState::IndexDraw(int drawIndex) {
    DrawData& data = draws_[drawIndex];
    const Draw& draw = *data.draw;
    for (int i = draw.Size - 1; i >= 1; --i)
        for (int slot : draw.RaceAt(i).Slots)
            if (slot > 0)
                data.entry.emplace(slot, i);
    data.pathCrews.assign(std::max(draw.Size, 1), {});
    for (const auto& [crewId, entry] : data.entry) {
        const auto [found, added] =
            crewOrdinals_.emplace(crewId, static_cast<int>(crewVersions_.size()));
        if (added)
            crewVersions_.push_back(0);
        for (int i = entry; i >= 1; i /= 2)
            data.pathCrews[i].push_back(found->second);
    }
}

// --- Time slots and times ------------------------------------------------------------

bool ScheduleState::SlotIsFree(int k) const {
    const auto found = raceCountAt_.find(meet_.RaceTimes.SlotTime(k));
    return found == raceCountAt_.end() || found->second == 0;
}

int ScheduleState::NextFreeSlot(int k) const {
    // Without race periods every time slot has the time -1; searching on would
    // never end, so the time slot stays where it is.
    if (meet_.RaceTimes.Count() == 0)
        return k;
    // Time slots past the 32-bit clock range all share its last time; once
    // the search gets there it stops, or a race timed there would keep every
    // later slot taken.
    const int lastTime = MinutesToClock(INT_MAX);
    while (!SlotIsFree(k) && meet_.RaceTimes.SlotTime(k) != lastTime)
        ++k;
    return k;
}

void ScheduleState::SetTime(int drawIndex, Race& race, int time) {
    if (listed_.count(&race)) {
        --raceCountAt_[race.Time];
        ++raceCountAt_[time];
        timedListed_ += (time >= 0) - race.IsTimed();
    }
    race.Time = time;
    DrawData& data = draws_[drawIndex];
    ++data.version;
    if (race.Index >= 1 && race.Index < static_cast<int>(data.pathCrews.size()))
        for (int ordinal : data.pathCrews[race.Index])
            ++crewVersions_[ordinal];
    freeCursor_ = -1;
}

int ScheduleState::TimedPercent() const {
    const auto count = static_cast<long long>(meet_.RaceList.size());
    return count == 0 ? 100 : static_cast<int>(timedListed_ * 100LL / count);
}

// --- Draws -----------------------------------------------------------------------------

int ScheduleState::DrawIndexOf(int eventKey) const {
    const auto found = drawOfEvent_.find(eventKey);
    return found == drawOfEvent_.end() ? -1 : found->second;
}

int ScheduleState::Untimed(int drawIndex) {
    DrawData& data = draws_[drawIndex];
    if (data.untimedVersion != data.version) {
        data.untimed = data.draw->UntimedContestedCount();
        data.untimedVersion = data.version;
    }
    return data.untimed;
}

const ScheduleState::CrewPath& ScheduleState::PathOf(int crewId) {
    const auto [found, added] = crewPaths_.try_emplace(crewId);
    CrewPath& path = found->second;
    if (!added)
        return path;
    const Crew* crew = meet_.FindCrew(crewId);
    path.drawIndex = crew ? DrawIndexOf(crew->EventKey) : -1;
    if (path.drawIndex < 0)
        return path;
    const auto& entries = draws_[path.drawIndex].entry;
    const auto entry = entries.find(crewId);
    if (entry != entries.end()) {
        path.entry = entry->second;
        path.ordinal = crewOrdinals_.at(crewId);
    }
    return path;
}

// --- Measures --------------------------------------------------------------------------

const ScheduleState::RaceShape& ScheduleState::ShapeOf(const Race& race) {
    const auto [found, added] = shapes_.try_emplace(&race);
    RaceShape& shape = found->second;
    if (!added)
        return shape;
    if (const int d = DrawIndexOf(race.EventKey); d >= 0)
        draws_[d].draw->AppendPossibleCrews(race, shape.crews);
    shape.reach = shape.crews;
    for (int crewId : shape.crews) {
        const Crew* crew = meet_.FindCrew(crewId);
        shape.reach.insert(shape.reach.end(), crew->DoubleUps.begin(), crew->DoubleUps.end());
        shape.reach.insert(shape.reach.end(), crew->BoatShares.begin(), crew->BoatShares.end());
    }
    std::sort(shape.reach.begin(), shape.reach.end());
    shape.reach.erase(std::unique(shape.reach.begin(), shape.reach.end()), shape.reach.end());
    return shape;
}

bool ScheduleState::RacesConflict(const Race& a, const Race& b) {
    return Intersects(ShapeOf(a).reach, ShapeOf(b).reach);
}

ScheduleState::RaceFacts& ScheduleState::FactsOf(const Race& race) {
    return Current(facts_[&race], race);
}

ScheduleState::RaceFacts& ScheduleState::Current(RaceFacts& facts, const Race& race) {
    bool current = facts.built;
    for (std::size_t i = 0; current && i < facts.reads.size(); ++i)
        current = crewVersions_[facts.reads[i].first] == facts.reads[i].second;
    if (!current)
        BuildFacts(race, facts);
    return facts;
}

void ScheduleState::BuildFacts(const Race& race, RaceFacts& facts) {
    facts.reads.clear();
    CrewTimes timing;
    for (int crewId : ShapeOf(race).crews) {
        const Crew* crew = meet_.FindCrew(crewId);
        const auto [latest, count] = PathSummary(crewId, facts);
        timing.LatestOwn = std::max(timing.LatestOwn, latest);
        const int doubles = PartnerCount(crew->DoubleUps, timing.LatestDoubleUp, facts);
        const int shares = PartnerCount(crew->BoatShares, timing.LatestBoatShare, facts);
        timing.Load = std::max(timing.Load, count + doubles + shares);
    }
    facts.timing = timing;
    facts.depth = Depth(race, facts);
    facts.built = true;
}

std::pair<int, int> ScheduleState::PathSummary(int crewId, RaceFacts& facts) {
    const CrewPath& path = PathOf(crewId);
    if (path.entry < 0)
        return {-1, 0};
    facts.reads.emplace_back(path.ordinal, crewVersions_[path.ordinal]);
    const Draw& draw = *draws_[path.drawIndex].draw;
    int latest = -1;
    int count = 0;
    for (int i = path.entry; i >= 1; i /= 2) {
        latest = std::max(latest, draw.RaceAt(i).Time);
        count += draw.RaceAt(i).IsTimed();
    }
    return {latest, count};
}

// The latest time on the partners' paths joins `latest`; returns the largest
// timed count of one partner's path. A link id that names no crew has no path.
int ScheduleState::PartnerCount(const std::vector<int>& partners, int& latest, RaceFacts& facts) {
    int most = 0;
    for (int id : partners) {
        const auto [partnerLatest, count] = PathSummary(id, facts);
        latest = std::max(latest, partnerLatest);
        most = std::max(most, count);
    }
    return most;
}

// Colours the race's path and the untimed path races of its crews' partners,
// each race taking the smallest colour no conflicting race has; the depth is
// the largest colour used.
int ScheduleState::Depth(const Race& race, RaceFacts& facts) {
    colouring_.clear();
    if (const int d = DrawIndexOf(race.EventKey); d >= 0) {
        const Draw& draw = *draws_[d].draw;
        for (int i = race.Index; i >= 1 && i < draw.Size; i /= 2)
            AddColoured(draw.RaceAt(i));
    }
    for (int crewId : ShapeOf(race).crews) {
        const Crew* crew = meet_.FindCrew(crewId);
        for (const std::vector<int>* partners : {&crew->DoubleUps, &crew->BoatShares}) {
            for (int id : *partners) {
                const CrewPath& path = PathOf(id);
                if (path.entry < 0)
                    continue;
                facts.reads.emplace_back(path.ordinal, crewVersions_[path.ordinal]);
                const Draw& draw = *draws_[path.drawIndex].draw;
                for (int i = path.entry; i >= 1; i /= 2)
                    if (!draw.RaceAt(i).IsTimed())
                        AddColoured(draw.RaceAt(i));
            }
        }
    }
    int depth = 0;
    for (const Coloured& entry : colouring_)
        depth = std::max(depth, entry.colour);
    return depth;
}

void ScheduleState::AddColoured(const Race& race) {
    for (const Coloured& entry : colouring_)
        if (entry.race == &race)
            return;
    const RaceShape& shape = ShapeOf(race);
    taken_.assign(colouring_.size() + 2, 0);
    for (const Coloured& entry : colouring_)
        if (Intersects(entry.shape->reach, shape.reach))
            taken_[entry.colour] = 1;
    int colour = 1;
    while (taken_[colour])
        ++colour;
    colouring_.push_back({&race, colour, &shape});
}

int ScheduleState::ConflictDepth(const Race& race) {
    return FactsOf(race).depth;
}

CrewTimes ScheduleState::CrewTiming(const Race& race) {
    return FactsOf(race).timing;
}

ScheduleState::Scorer ScheduleState::ScorerOf(const Race& race, RaceFacts& facts) {
    const CrewTimes& timing = facts.timing;
    const int d = DrawIndexOf(race.EventKey);
    const int depth = std::min(facts.depth, 31);
    const int load = std::min(timing.Load, 31);
    const int untimed = std::min(d < 0 ? 0 : Untimed(d), 31);
    return {ClockToMinutes(timing.LatestOwn),
            ClockToMinutes(timing.LatestDoubleUp),
            ClockToMinutes(timing.LatestBoatShare),
            timing.LatestOwn > 0,
            timing.LatestDoubleUp > 0,
            timing.LatestBoatShare > 0,
            KeepsConstraints + 1 + 2048 * (4096 * depth + 64 * (31 - load) + untimed)};
}

// A reference race counts whether it starts before or after the time slot.
int ScheduleState::Score(const Scorer& scorer, int minutes) const {
    const int own = std::abs(minutes - scorer.own);
    const int boatShare = std::abs(minutes - scorer.boatShare);
    const bool broken =
        (scorer.hasOwn && own < meet_.BRTime) ||
        (scorer.hasDoubleUp && std::abs(minutes - scorer.doubleUp) < meet_.DUTime) ||
        (scorer.hasBoatShare && boatShare < meet_.BSTime);
    if (!broken)
        return scorer.keeps;
    if (!allowTC_)
        return -1;
    return std::min({own, boatShare, KeepsConstraints});
}

int ScheduleState::PlacementScore(const Race& race, int k) {
    return Score(ScorerOf(race, FactsOf(race)), ClockToMinutes(meet_.RaceTimes.SlotTime(k)));
}

} // namespace bm
