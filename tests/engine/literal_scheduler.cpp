#include "literal_scheduler.h"

#include "engine/model/settings.h"
#include "engine/schedule/numbering.h"
#include "engine/schedule/scheduler.h"

#include <algorithm>
#include <cstdlib>

namespace bm::literal {

namespace {

int Minutes(int clock) {
    return (clock / 100) * 60 + clock % 100;
}

std::vector<int> PossibleCrews(Boatmeet& meet, const Race& race) {
    std::vector<int> crews;
    meet.DrawOfEvent(race.EventKey).AppendPossibleCrews(race, crews);
    return crews;
}

std::vector<int> Partners(const Crew& crew) {
    std::vector<int> partners = crew.DoubleUps;
    partners.insert(partners.end(), crew.BoatShares.begin(), crew.BoatShares.end());
    return partners;
}

// The latest time and the largest timed path count over the partners.
void PartnerTiming(Boatmeet& meet, const std::vector<int>& partners, int& latest, int& count) {
    count = 0;
    for (int id : partners) {
        const Crew* partner = meet.FindCrew(id);
        if (!partner)
            continue;
        Draw& draw = meet.DrawOfEvent(partner->EventKey);
        latest = std::max(latest, draw.LatestPathTime(partner->Id));
        count = std::max(count, draw.TimedPathCount(partner->Id));
    }
}

bool AnyEventHasMoreThanItsFinal(Boatmeet& meet) {
    for (int i = 0; i < meet.Events.Count(); ++i)
        if (meet.DrawOfEvent(meet.Events.KeyOf(meet.Events.TextAt(i))).UntimedContestedCount() > 1)
            return true;
    return false;
}

int TimedPercent(const Boatmeet& meet) {
    if (meet.RaceList.empty())
        return 100;
    long long timed = 0;
    for (const Race* race : meet.RaceList)
        timed += race->Time >= 0;
    return static_cast<int>(timed * 100 / static_cast<long long>(meet.RaceList.size()));
}

} // namespace

bool SlotIsFree(Boatmeet& meet, int k) {
    const int t = meet.RaceTimes.SlotTime(k);
    for (const Race* race : meet.RaceList)
        if (race->Time == t)
            return false;
    return true;
}

bool RacesConflict(Boatmeet& meet, const Race& a, const Race& b) {
    std::vector<int> lists[2] = {PossibleCrews(meet, a), PossibleCrews(meet, b)};
    for (std::vector<int>& list : lists) {
        const std::size_t before = list.size();
        for (std::size_t i = 0; i < before; ++i)
            for (int id : Partners(*meet.FindCrew(list[i])))
                list.push_back(id);
    }
    for (int x : lists[0])
        for (int y : lists[1])
            if (x == y)
                return true;
    return false;
}

int ConflictDepth(Boatmeet& meet, const Race& race) {
    std::vector<std::pair<const Race*, int>> set;
    const auto add = [&](const Race* x) {
        for (const auto& entry : set)
            if (entry.first == x)
                return;
        for (int colour = 1;; ++colour) {
            bool clash = false;
            for (const auto& entry : set)
                if (entry.second == colour && literal::RacesConflict(meet, *entry.first, *x))
                    clash = true;
            if (!clash) {
                set.emplace_back(x, colour);
                return;
            }
        }
    };
    std::vector<const Race*> path;
    meet.DrawOfEvent(race.EventKey).AppendPathRaces(race, path);
    for (const Race* x : path)
        add(x);
    for (int crewId : PossibleCrews(meet, race)) {
        for (int id : Partners(*meet.FindCrew(crewId))) {
            const Crew* partner = meet.FindCrew(id);
            if (!partner)
                continue;
            std::vector<const Race*> untimed;
            meet.DrawOfEvent(partner->EventKey).AppendUntimedPathRaces(partner->Id, untimed);
            for (const Race* x : untimed)
                add(x);
        }
    }
    int depth = 0;
    for (const auto& entry : set)
        depth = std::max(depth, entry.second);
    return depth;
}

CrewTimes CrewTiming(Boatmeet& meet, const Race& race) {
    CrewTimes timing;
    for (int crewId : PossibleCrews(meet, race)) {
        const Crew* crew = meet.FindCrew(crewId);
        Draw& draw = meet.DrawOfEvent(crew->EventKey);
        timing.LatestOwn = std::max(timing.LatestOwn, draw.LatestPathTime(crewId));
        const int own = draw.TimedPathCount(crewId);
        int doubles = 0;
        int shares = 0;
        PartnerTiming(meet, crew->DoubleUps, timing.LatestDoubleUp, doubles);
        PartnerTiming(meet, crew->BoatShares, timing.LatestBoatShare, shares);
        timing.Load = std::max(timing.Load, own + doubles + shares);
    }
    return timing;
}

int PlacementScore(Boatmeet& meet, const Race& race, int k) {
    const int t = Minutes(meet.RaceTimes.SlotTime(k));
    const CrewTimes timing = literal::CrewTiming(meet, race);
    const int depth = literal::ConflictDepth(meet, race);
    const int own = std::abs(t - Minutes(timing.LatestOwn));
    const int doubleUp = std::abs(t - Minutes(timing.LatestDoubleUp));
    const int boatShare = std::abs(t - Minutes(timing.LatestBoatShare));
    bool broken = false;
    if (timing.LatestOwn > 0 && own < meet.BRTime)
        broken = true;
    if (timing.LatestDoubleUp > 0 && doubleUp < meet.DUTime)
        broken = true;
    if (timing.LatestBoatShare > 0 && boatShare < meet.BSTime)
        broken = true;
    if (broken) {
        if (!CurrentSettings().AllowTC)
            return -1;
        return std::min(std::min(own, boatShare), 1000);
    }
    const int d = std::min(depth, 31);
    const int l = std::min(timing.Load, 31);
    const int u = std::min(meet.DrawOfEvent(race.EventKey).UntimedContestedCount(), 31);
    return 1001 + 2048 * (4096 * d + 64 * (31 - l) + u);
}

SlotOrder OrderForSlots(Boatmeet& meet, std::vector<Race*>& races, int cursor) {
    std::vector<int> slots;
    for (int k = cursor; slots.size() < races.size(); ++k)
        if (literal::SlotIsFree(meet, k))
            slots.push_back(k);
    std::vector<Race*> remaining = races;
    races.clear();
    SlotOrder order;
    bool broken = false;
    for (int i = 0; !remaining.empty(); ++i) {
        std::vector<int> scores;
        for (const Race* race : remaining)
            scores.push_back(literal::PlacementScore(meet, *race, slots[i]));
        std::size_t pick = 0;
        for (std::size_t j = 1; j < scores.size(); ++j)
            if (scores[j] > scores[pick])
                pick = j;
        races.push_back(remaining[pick]);
        remaining.erase(remaining.begin() + static_cast<long>(pick));
        if (scores[pick] <= 1000) {
            broken = true;
            order.Worst = std::min(order.Worst, scores[pick]);
        }
        if (!broken) {
            order.Out = i + 1;
            order.Best = std::max(order.Best, scores[pick]);
        }
    }
    return order;
}

bool ScheduleStep(Boatmeet& meet, ScheduleMode mode, FinalsPlacement finals, int& cursor,
                  const ConfirmPlacement& confirm, int& timed) {
    timed = 0;
    int bestScore = -1;
    int bestOut = 0;
    std::vector<Race*> bestList;
    bool bestIsFinal = true;
    int total = 0;
    for (int i = 0; i < meet.Events.Count(); ++i) {
        Draw& draw = meet.DrawOfEvent(meet.Events.KeyOf(meet.Events.TextAt(i)));
        const int untimed = draw.UntimedContestedCount();
        std::vector<Race*> list;
        if (mode == ScheduleMode::Flexible)
            draw.AppendTimeable(list);
        else
            draw.AppendTimeableEarliestRound(list);
        const int n = static_cast<int>(list.size());
        total += n;
        const SlotOrder order = literal::OrderForSlots(meet, list, cursor);
        int score = 0;
        if (mode == ScheduleMode::Rigid) {
            if (order.Out == n)
                score = order.Best;
            else if (!CurrentSettings().AllowTC)
                continue;
            else
                score = order.Worst;
        } else {
            score = order.Worst <= 1000 ? order.Worst : order.Best;
        }
        bool better = score > bestScore;
        if (finals != FinalsPlacement::Anytime) {
            if (bestIsFinal && untimed > 1)
                better = true;
            else if (!bestIsFinal && untimed == 1)
                better = false;
        }
        if (better) {
            bestScore = score;
            bestOut = order.Out;
            bestList = list;
            bestIsFinal = untimed == 1;
        }
    }
    const bool result = total != 0;
    if (!bestList.empty() && bestScore >= 0 && bestScore <= 1000 && CurrentSettings().CheckTC)
        if (!confirm || !confirm(cursor, bestList))
            bestScore = -1;
    if (finals == FinalsPlacement::AtEnd && bestIsFinal && AnyEventHasMoreThanItsFinal(meet))
        bestScore = -1;
    if (bestList.empty() || bestScore < 0) {
        ++cursor;
        return result;
    }
    int count = 1;
    if (mode == ScheduleMode::Rigid)
        count = static_cast<int>(bestList.size());
    else if (mode == ScheduleMode::Moderate && bestScore > 1000)
        count = bestOut;
    for (int i = 0; i < count; ++i) {
        while (!literal::SlotIsFree(meet, cursor))
            ++cursor;
        bestList[i]->Time = meet.RaceTimes.SlotTime(cursor);
        timed += bestList[i]->Time >= 0;
        ++cursor;
    }
    return result;
}

std::string ScheduleRaces(Boatmeet& meet, ScheduleMode mode, FinalsPlacement finals,
                          const ReportProgress& progress, const ConfirmPlacement& confirm) {
    std::string message;
    if (meet.RaceTimes.Count() == 0) {
        std::vector<Race*> timeable;
        for (int i = 0; i < meet.Events.Count(); ++i)
            meet.DrawOfEvent(meet.Events.KeyOf(meet.Events.TextAt(i))).AppendTimeable(timeable);
        if (!timeable.empty())
            message = NoPeriodsText;
    } else {
        int cursor = 0;
        int idle = 0;
        int timed = 0;
        while (literal::ScheduleStep(meet, mode, finals, cursor, confirm, timed)) {
            if (progress)
                progress(TimedPercent(meet));
            idle = timed > 0 ? 0 : idle + 1;
            if (idle == 1000) {
                message = CannotTimeText;
                break;
            }
        }
    }
    NumberRaces(meet);
    return message;
}

} // namespace bm::literal
