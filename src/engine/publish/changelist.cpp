#include "engine/publish/changelist.h"

#include "engine/model/boatmeet.h"
#include "engine/publish/siteraces.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <set>
#include <tuple>

namespace bm {

namespace {

// "race 12 (Heat)", or the round alone for a race without a number.
std::string RaceName(const PublishedRace& race) {
    if (race.Number < 0)
        return race.Round;
    return "race " + std::to_string(race.Number) + " (" + race.Round + ")";
}

std::string NumberText(int number) {
    return number < 0 ? "(none)" : std::to_string(number);
}

std::string OrNone(const std::string& text) {
    return text.empty() ? "(none)" : text;
}

// A race the crew rows now and rowed before (the same round).
void CompareRace(const PublishedRace& before, const PublishedRace& now,
                 std::vector<std::string>& lines) {
    const std::string name = RaceName(now) + ": ";
    if (before.Number != now.Number)
        lines.push_back(name + "race number " + NumberText(before.Number) + " -> " +
                        NumberText(now.Number));
    if (before.Time != now.Time)
        lines.push_back(name + "time " + SiteTimeText(before.Time) + " -> " +
                        SiteTimeText(now.Time));
    if (before.OpponentKey != now.OpponentKey)
        lines.push_back(name + "opponent " + OrNone(before.Opponent) + " -> " +
                        OrNone(now.Opponent));
    const std::string was = ResultText(before);
    const std::string is = ResultText(now);
    if (was == is)
        return;
    if (was.empty())
        lines.push_back(name + "result " + is);
    else if (is.empty())
        lines.push_back(name + "result cleared (was " + was + ")");
    else
        lines.push_back(name + "result corrected " + was + " -> " + is);
}

std::string RaceLine(const PublishedRace& race) {
    std::string line =
        RaceName(race) + " at " + SiteTimeText(race.Time) + " against " + OrNone(race.Opponent);
    if (!race.Result.empty())
        line += ", " + ResultText(race);
    return line;
}

const PublishedRace* RaceOfRound(const std::vector<PublishedRace>& races, int depth) {
    const auto found = std::find_if(races.begin(), races.end(), [depth](const PublishedRace& race) {
        return race.Depth == depth;
    });
    return found == races.end() ? nullptr : &*found;
}

// The crew's races now against those of the same round before, first round
// first. A race gone because the crew is now out of the event needs no line.
void CompareRaces(const std::vector<PublishedRace>& before, const std::vector<PublishedRace>& now,
                  std::vector<std::string>& lines) {
    std::set<int, std::greater<>> depths;
    for (const auto* races : {&before, &now})
        for (const PublishedRace& race : *races)
            depths.insert(race.Depth);
    const bool out = !now.empty() && now.back().Result == "lost";
    for (int depth : depths) {
        const PublishedRace* was = RaceOfRound(before, depth);
        const PublishedRace* is = RaceOfRound(now, depth);
        if (was && is)
            CompareRace(*was, *is, lines);
        else if (is)
            lines.push_back(RaceLine(*is));
        else if (!out || depth > now.back().Depth)
            lines.push_back(RaceName(*was) + " at " + SiteTimeText(was->Time) +
                            ": no longer rowed");
    }
}

void ComparePosition(int before, int now, std::vector<std::string>& lines) {
    if (before == now)
        return;
    if (before == 0)
        lines.push_back("in the draw at position " + std::to_string(now));
    else if (now == 0)
        lines.push_back("no longer in the draw");
    else
        lines.push_back("draw position " + std::to_string(before) + " -> " + std::to_string(now));
}

// Everything that changed for one crew; before or now is missing for a crew
// added or withdrawn.
std::vector<std::string> CrewLines(const PublishedCrew* before, const PublishedCrew& now) {
    std::vector<std::string> lines;
    if (!before)
        lines.emplace_back("added");
    else if (before->EventKey != now.EventKey)
        lines.push_back("moved from " + before->Event + " to " + now.Event);
    if (before && before->ClubKey != now.ClubKey)
        lines.push_back("club " + before->Club + " -> " + now.Club);
    const bool sameEvent = before && before->EventKey == now.EventKey;
    ComparePosition(sameEvent ? before->Position : 0, now.Position, lines);
    CompareRaces(sameEvent ? before->Races : std::vector<PublishedRace>{}, now.Races, lines);
    return lines;
}

// Where a crew's changes stand in the list: club, event in the meet's order,
// label, id.
using ChangeOrder = std::tuple<std::string, int, std::string, int>;

class ChangeCollector {
public:
    explicit ChangeCollector(const Boatmeet& meet) : meet_(meet) {}

    void Add(const PublishedCrew& crew, const std::vector<std::string>& lines,
             const std::string& otherClub) {
        if (lines.empty())
            return;
        AddUnder(crew.Club, crew, lines);
        if (otherClub != crew.Club)
            AddUnder(otherClub, crew, lines);
    }

    std::vector<CrewChange> Changes() const {
        std::vector<CrewChange> changes;
        for (const auto& [order, group] : groups_)
            changes.insert(changes.end(), group.begin(), group.end());
        return changes;
    }

private:
    void AddUnder(const std::string& club, const PublishedCrew& crew,
                  const std::vector<std::string>& lines) {
        const int eventOrder =
            meet_.Events.HasKey(crew.EventKey) ? meet_.Events.IndexOfKey(crew.EventKey) : INT_MAX;
        std::vector<CrewChange>& group = groups_[{club, eventOrder, crew.Label, crew.Id}];
        for (const std::string& line : lines)
            group.push_back({club, crew.Event + " " + crew.Label, line});
    }

    const Boatmeet& meet_;
    std::map<ChangeOrder, std::vector<CrewChange>> groups_;
};

} // namespace

std::vector<CrewChange> CompareCrews(const Boatmeet& meet, const std::vector<PublishedCrew>& before,
                                     const std::vector<PublishedCrew>& now) {
    std::map<int, const PublishedCrew*> earlier;
    for (const PublishedCrew& crew : before)
        earlier[crew.Id] = &crew;
    ChangeCollector collector(meet);
    for (const PublishedCrew& crew : now) {
        const auto found = earlier.find(crew.Id);
        const PublishedCrew* old = found == earlier.end() ? nullptr : found->second;
        collector.Add(crew, CrewLines(old, crew), old ? old->Club : crew.Club);
        if (old)
            earlier.erase(found);
    }
    for (const auto& [id, crew] : earlier)
        collector.Add(*crew, {"withdrawn"}, crew->Club);
    return collector.Changes();
}

std::vector<std::string> ChangeListLines(const ChangeList& list) {
    std::vector<std::string> lines{list.Intro};
    const CrewChange* last = nullptr;
    for (const CrewChange& change : list.Changes) {
        if (!last || last->Club != change.Club) {
            lines.emplace_back();
            lines.push_back(change.Club);
        }
        if (!last || last->Club != change.Club || last->Crew != change.Crew)
            lines.push_back("  " + change.Crew);
        lines.push_back("    " + change.Text);
        last = &change;
    }
    return lines;
}

} // namespace bm
