#include "engine/publish/publishedcrews.h"

#include "engine/model/boatmeet.h"
#include "engine/model/text.h"
#include "engine/publish/siteraces.h"

#include <algorithm>
#include <unordered_map>

namespace bm {

namespace {

// The rounds still to come after the race at the index: 0 for the final.
int DepthOf(int index) {
    return BitLength(index) - 1;
}

// The opponent in slot s: its key and its label.
void SetOpponent(const Boatmeet& meet, const Draw& draw, const Race& race, int s,
                 PublishedRace& published) {
    const int value = race.Slots[static_cast<std::size_t>(s)];
    const Race* feeder = value < 0 ? draw.FeederRace(race, s) : nullptr;
    if (value > 0)
        published.OpponentKey = "c" + std::to_string(value);
    else if (feeder && ResultStands(draw, *feeder))
        published.OpponentKey = "c" + std::to_string(feeder->Winner);
    else
        published.OpponentKey = "w" + std::to_string(-value);
    published.Opponent = SlotLabel(meet, draw, race, s);
}

PublishedRace RaceOfCrew(const Boatmeet& meet, const Draw& draw, const Race& race, int ownSlot,
                         int crewId) {
    PublishedRace published;
    published.Depth = DepthOf(race.Index);
    published.Round = SiteRoundName(draw, race);
    published.Number = race.Number;
    published.Time = race.Time;
    SetOpponent(meet, draw, race, 1 - ownSlot, published);
    if (ResultStands(draw, race)) {
        published.Result = race.Winner == crewId ? "won" : "lost";
        published.Verdict = race.Verdict;
    } else if (race.HasResult()) {
        published.Result = ToBeConfirmedText;
    }
    return published;
}

// The crew's races from its entry race up to the final, ending with the first
// race another crew won.
std::vector<PublishedRace> RacesOfCrew(const Boatmeet& meet, const Draw& draw, int crewId) {
    std::vector<PublishedRace> races;
    int index = draw.EntryRace(crewId);
    if (index < 1)
        return races;
    int slot = draw.RaceAt(index).Slots[0] == crewId ? 0 : 1;
    for (; index >= 1; slot = index % 2, index /= 2) {
        const Race& race = draw.RaceAt(index);
        if (!race.IsContested())
            continue;
        races.push_back(RaceOfCrew(meet, draw, race, slot, crewId));
        if (races.back().Result == "lost")
            break;
    }
    return races;
}

int FirstRoundPlace(const std::vector<int>& order, int crewId) {
    const auto found = std::find(order.begin(), order.end(), crewId);
    return found == order.end() ? 0 : static_cast<int>(found - order.begin()) + 1;
}

} // namespace

std::string PublishedLabel(const Boatmeet& meet, const Crew* crew) {
    if (!crew)
        return {};
    return Trimmed(crew->Number >= 0 ? meet.CompactCrewLabel(crew) : meet.CrewNameLabel(crew));
}

std::string SlotLabel(const Boatmeet& meet, const Draw& draw, const Race& race, int s) {
    const int value = race.Slots[static_cast<std::size_t>(s)];
    if (value > 0)
        return PublishedLabel(meet, meet.FindCrew(value));
    if (value == 0)
        return {};
    const Race* feeder = draw.FeederRace(race, s);
    if (feeder && ResultStands(draw, *feeder))
        return PublishedLabel(meet, meet.FindCrew(feeder->Winner));
    if (feeder && NamedByNumber(*feeder))
        return "Winner of race " + std::to_string(feeder->Number);
    return "Winner of an earlier race";
}

std::string ResultText(const PublishedRace& race) {
    if (race.Result.empty() || race.Verdict.empty())
        return race.Result;
    return race.Result + ", " + race.Verdict;
}

std::vector<PublishedCrew> PublishedCrews(const Boatmeet& meet) {
    std::vector<PublishedCrew> crews;
    crews.reserve(meet.Crews.size());
    std::unordered_map<const Draw*, std::vector<int>> firstRounds;
    for (const auto& crew : meet.Crews) {
        if (!meet.Events.HasKey(crew->EventKey))
            continue;
        PublishedCrew published;
        published.Id = crew->Id;
        published.EventKey = crew->EventKey;
        published.ClubKey = crew->ClubKey;
        published.Event = meet.Events.TextOf(crew->EventKey);
        published.Club = meet.Clubs.TextOf(crew->ClubKey);
        published.Label = PublishedLabel(meet, crew.get());
        if (const Draw* draw = meet.FindDraw(crew->EventKey); draw && draw->HasRaces()) {
            auto [order, added] = firstRounds.try_emplace(draw);
            if (added)
                order->second = draw->LeafOrder(false, false);
            published.Position = FirstRoundPlace(order->second, crew->Id);
            if (published.Position > 0)
                published.Races = RacesOfCrew(meet, *draw, crew->Id);
        }
        crews.push_back(std::move(published));
    }
    std::stable_sort(crews.begin(), crews.end(),
                     [](const PublishedCrew& a, const PublishedCrew& b) { return a.Id < b.Id; });
    return crews;
}

} // namespace bm
