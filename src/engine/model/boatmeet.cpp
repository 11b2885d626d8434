#include "engine/model/boatmeet.h"

#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <unordered_set>

namespace bm {

const std::string& ProgramVersionText() {
    static const std::string version = " 1.7.1   23/03/2008  ";
    return version;
}

Boatmeet::Boatmeet() : Version(ProgramVersionText()) {}

std::unique_ptr<Boatmeet> Boatmeet::Clone() const {
    auto copy = std::make_unique<Boatmeet>();
    copy->Version = Version;
    copy->Title = Title;
    copy->Date = Date;
    copy->Events = Events;
    copy->Clubs = Clubs;
    copy->Crews.reserve(Crews.size());
    for (const auto& crew : Crews)
        copy->Crews.push_back(std::make_unique<Crew>(*crew));
    copy->NextCrewId = NextCrewId;
    // Each race of the meet's draws, by address, and its twin in the copy.
    std::unordered_map<const Race*, Race*> twins;
    copy->Draws.reserve(Draws.size());
    for (const auto& draw : Draws) {
        copy->Draws.push_back(std::make_unique<Draw>(*draw));
        for (int i = 1; i < draw->Size; ++i)
            twins.emplace(&draw->RaceAt(i), &copy->Draws.back()->RaceAt(i));
    }
    copy->RaceTimes = RaceTimes;
    copy->BRTime = BRTime;
    copy->DUTime = DUTime;
    copy->BSTime = BSTime;
    copy->SType = SType;
    copy->FType = FType;
    copy->RaceList.reserve(RaceList.size());
    for (const Race* race : RaceList)
        if (const auto twin = twins.find(race); twin != twins.end())
            copy->RaceList.push_back(twin->second);
    copy->Sponsors = Sponsors;
    copy->EntryFees = EntryFees;
    copy->ClubColours = ClubColours;
    copy->ClubContacts = ClubContacts;
    return copy;
}

// --- Crews -----------------------------------------------------------------------

Crew* Boatmeet::AddCrew(std::unique_ptr<Crew> crew) {
    crew->Id = NextCrewId;
    if (NextCrewId < INT_MAX)
        ++NextCrewId;
    if (crew->Id < 1 || HasCrew(crew->Id)) {
        // Ids must stay unique even when the next id is spent or was set too low.
        crew->Id = 1;
        while (HasCrew(crew->Id))
            ++crew->Id;
    }
    Crew* added = crew.get();
    Crews.push_back(std::move(crew));
    if (indexedCount_ + 1 == Crews.size()) {
        IndexCrew(added);
        indexedCount_ = Crews.size();
    }
    return added;
}

void Boatmeet::DeleteCrew(Crew* crew) {
    const int position = CrewPosition(crew);
    if (position < 0)
        return;
    DrawOfEvent(crew->EventKey).RemoveCrew(crew->Id);
    Crews.erase(Crews.begin() + position);
    ReindexCrews();
}

Crew* Boatmeet::FindCrew(int id) {
    return const_cast<Crew*>(static_cast<const Boatmeet*>(this)->FindCrew(id));
}

const Crew* Boatmeet::FindCrew(int id) const {
    if (Crew* crew = IndexedCrew(id))
        return crew;
    if (id < 1)
        return nullptr;
    // The placeholder is reset at every lookup, so nothing written to it shows
    // later; it stays at one address, so earlier lookups stay valid.
    std::unique_ptr<Crew>& ghost = ghosts_[id];
    if (!ghost)
        ghost = std::make_unique<Crew>();
    *ghost = Crew(id);
    ghost->Name = "Ghost Crew";
    return ghost.get();
}

bool Boatmeet::HasCrew(int id) const {
    return IndexedCrew(id) != nullptr;
}

Crew* Boatmeet::IndexedCrew(int id) const {
    if (id < 0)
        return nullptr;
    if (indexedCount_ != Crews.size())
        RebuildIndex();
    Crew* crew = IndexEntry(id);
    if (crew && crew->Id != id) {
        RebuildIndex();
        crew = IndexEntry(id);
    }
    return crew;
}

Crew* Boatmeet::IndexEntry(int id) const {
    if (id >= 0 && static_cast<std::size_t>(id) < denseIndex_.size() && denseIndex_[id])
        return denseIndex_[id];
    if (sparseIndex_.empty())
        return nullptr;
    const auto found = sparseIndex_.find(id);
    return found == sparseIndex_.end() ? nullptr : found->second;
}

void Boatmeet::IndexCrew(Crew* crew) const {
    const int id = crew->Id;
    const std::size_t limit = 4 * Crews.size() + 1024;
    if (id < 0 || static_cast<std::size_t>(id) >= limit) {
        sparseIndex_[id] = crew;
        return;
    }
    const auto slot = static_cast<std::size_t>(id);
    if (slot >= denseIndex_.size())
        denseIndex_.resize(std::min(std::max(slot + 1, 2 * denseIndex_.size()), limit));
    denseIndex_[slot] = crew;
    if (!sparseIndex_.empty())
        sparseIndex_.erase(id);
}

void Boatmeet::ReindexCrews() {
    RebuildIndex();
}

void Boatmeet::RebuildIndex() const {
    denseIndex_.clear();
    sparseIndex_.clear();
    for (const auto& crew : Crews)
        IndexCrew(crew.get());
    indexedCount_ = Crews.size();
}

int Boatmeet::SortCrews() {
    // Crew p belongs before crew q when p's event stands earlier in Events, or
    // both have one event and p's club stands earlier in Clubs; keys a set lacks
    // come after every key it holds.
    constexpr int absent = INT_MAX;
    struct Rank {
        int event;
        int eventKey;
        int club;
    };
    const auto rank = [&](const Crew& crew) {
        const int event = Events.IndexOfKey(crew.EventKey);
        const int club = Clubs.IndexOfKey(crew.ClubKey);
        return Rank{event < 0 ? absent : event, crew.EventKey, club < 0 ? absent : club};
    };
    const auto before = [](const Rank& p, const Rank& q) {
        return (p.event < q.event && p.event != absent) ||
               (p.eventKey == q.eventKey && p.club < q.club && p.club != absent);
    };
    std::vector<std::pair<Rank, std::unique_ptr<Crew>>> items;
    for (auto& crew : Crews)
        items.emplace_back(rank(*crew), std::move(crew));
    const auto itemBefore = [&](const auto& p, const auto& q) { return before(p.first, q.first); };
    // A crew of a listed event belongs before every crew of an unlisted one,
    // and never the other way round, so the insertion sort keeps the two
    // groups apart: the listed ones first, each group sorted on its own.
    const auto unlisted = std::stable_partition(
        items.begin(), items.end(), [](const auto& item) { return item.first.event != absent; });
    // Among crews of listed events the order is a strict weak order, and a
    // stable sort gives exactly what the insertion sort gives.
    std::stable_sort(items.begin(), unlisted, itemBefore);
    // The rest (usually a few new crews): each moves to the first earlier
    // position whose crew it belongs before.
    for (auto i = unlisted; i != items.end(); ++i) {
        auto j = unlisted;
        while (j < i && !itemBefore(*i, *j))
            ++j;
        std::rotate(j, i, i + 1);
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        Crews[i] = std::move(items[i].second);
    return static_cast<int>(Crews.size());
}

const Crew* Boatmeet::CrewOfNumber(int number) const {
    for (const auto& crew : Crews)
        if (crew->Number == number)
            return crew.get();
    return nullptr;
}

int Boatmeet::CrewIdOfNumber(int number) const {
    const Crew* crew = CrewOfNumber(number);
    return crew ? crew->Id : -1;
}

int Boatmeet::CrewPosition(const Crew* crew) const {
    for (std::size_t i = 0; i < Crews.size(); ++i)
        if (Crews[i].get() == crew)
            return static_cast<int>(i);
    return -1;
}

void Boatmeet::LinkCrews(int a, int b, const std::function<void(Crew&, int)>& operation) {
    if (!HasCrew(a) || !HasCrew(b))
        return;
    Crew* crewA = FindCrew(a);
    Crew* crewB = FindCrew(b);
    if (crewA->EventKey == crewB->EventKey)
        return;
    operation(*crewA, b);
    operation(*crewB, a);
}

void Boatmeet::LinkDoubleUp(int a, int b) {
    LinkCrews(a, b, [](Crew& crew, int id) { crew.AddDoubleUp(id); });
}

void Boatmeet::UnlinkCrews(int a, int b, const std::function<void(Crew&, int)>& operation) {
    // Removing asks nothing of the other crew: a link to an id no crew bears,
    // or between crews that came to share an event, must still go, or neither
    // crew could ever be deleted.
    if (!HasCrew(a))
        return;
    operation(*FindCrew(a), b);
    if (HasCrew(b))
        operation(*FindCrew(b), a);
}

void Boatmeet::UnlinkDoubleUp(int a, int b) {
    UnlinkCrews(a, b, [](Crew& crew, int id) { crew.RemoveDoubleUp(id); });
}

void Boatmeet::LinkBoatShare(int a, int b) {
    LinkCrews(a, b, [](Crew& crew, int id) { crew.AddBoatShare(id); });
}

void Boatmeet::UnlinkBoatShare(int a, int b) {
    UnlinkCrews(a, b, [](Crew& crew, int id) { crew.RemoveBoatShare(id); });
}

void Boatmeet::NumberCrewsByEvent() {
    int counter = 1;
    for (int i = 0; i < Events.Count(); ++i)
        DrawOfEvent(Events.KeyOf(Events.TextAt(i))).NumberCrews(counter, [this](int id) {
            return IndexedCrew(id);
        });
}

void Boatmeet::NumberCrewsByClub() {
    // Club by club in set order, event by event in set order, crews in list order.
    std::vector<std::pair<std::pair<int, int>, Crew*>> numbered;
    for (const auto& crew : Crews) {
        const int club = Clubs.IndexOfKey(crew->ClubKey);
        const int event = Events.IndexOfKey(crew->EventKey);
        if (club >= 0 && event >= 0)
            numbered.push_back({{club, event}, crew.get()});
    }
    std::stable_sort(numbered.begin(), numbered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    int counter = 1;
    for (const auto& entry : numbered)
        entry.second->Number = counter++;
}

std::vector<Crew*> Boatmeet::ListEventCrews(int value, bool byEvent) const {
    std::vector<Crew*> list;
    for (const auto& crew : Crews)
        if ((byEvent ? crew->EventKey : crew->ClubKey) == value)
            list.push_back(crew.get());
    return list;
}

// --- Draws ----------------------------------------------------------------------------

Draw& Boatmeet::DrawOfEvent(int eventKey) {
    if (Draw* draw = FindDraw(eventKey))
        return *draw;
    Draws.push_back(std::make_unique<Draw>(eventKey));
    return *Draws.back();
}

Draw* Boatmeet::FindDraw(int eventKey) const {
    for (const auto& draw : Draws)
        if (draw->EventKey == eventKey)
            return draw.get();
    return nullptr;
}

Draw& Boatmeet::DrawOfCrew(int crewId) {
    const Crew* crew = FindCrew(crewId);
    return DrawOfEvent(crew ? crew->EventKey : -1);
}

void Boatmeet::RemoveCrewFromDraw(const Crew* crew) {
    if (crew)
        DrawOfCrew(crew->Id).RemoveCrew(crew->Id);
}

void Boatmeet::DeleteDrawOfEvent(std::string_view eventName) {
    const int key = Events.KeyOf(eventName);
    if (key == -1)
        return;
    const auto found = std::find_if(Draws.begin(), Draws.end(),
                                    [key](const auto& draw) { return draw->EventKey == key; });
    if (found == Draws.end())
        return;
    // The race list must not keep races of the removed draw; the others keep their order.
    std::unordered_set<const Race*> removed;
    for (int i = 1; i < (*found)->Size; ++i)
        removed.insert(&(*found)->RaceAt(i));
    std::erase_if(RaceList, [&removed](const Race* race) { return removed.count(race) != 0; });
    Draws.erase(found);
}

// --- Labels and texts ------------------------------------------------------------------

std::string Boatmeet::TitleText() const {
    return Date.empty() ? Title : Title + "  on  " + Date;
}

std::string Boatmeet::CrewNameLabel(const Crew* crew) const {
    return CrewNameLabel(crew, CurrentSettings().MaxNameLen);
}

std::string Boatmeet::CrewNameLabel(const Crew* crew, int nameCut) const {
    if (!crew)
        return {};
    const std::string label = Clubs.TextOf(crew->ClubKey) + " " + crew->Name;
    return TextLength(label) > nameCut ? FirstChars(label, nameCut) : label;
}

std::string Boatmeet::NumberedCrewLabel(const Crew* crew) const {
    return NumberedCrewLabel(crew, CurrentSettings().MaxNameLen);
}

std::string Boatmeet::NumberedCrewLabel(const Crew* crew, int nameCut) const {
    if (!crew)
        return {};
    const std::string number = "(" + crew->NumberText() + ")";
    const std::string lead = number.size() == 3 ? "  " : number.size() == 4 ? " " : "";
    return lead + number + " " + CrewNameLabel(crew, nameCut);
}

std::string Boatmeet::ShortCrewLabel(const Crew* crew) const {
    if (!crew)
        return {};
    std::string label =
        PadText("(" + crew->NumberText() + ")", 6) + FirstChars(Clubs.TextOf(crew->ClubKey), 4);
    if (!crew->Name.empty())
        label += " (" + FirstChars(crew->Name, 3) + ")";
    return label;
}

std::string Boatmeet::CompactCrewLabel(const Crew* crew) const {
    if (!crew)
        return {};
    return "(" + crew->NumberText() + ") " + CrewNameLabel(crew);
}

std::string Boatmeet::EventCrewLabel(const Crew* crew) const {
    return EventCrewLabel(crew, CurrentSettings().MaxNameLen);
}

std::string Boatmeet::EventCrewLabel(const Crew* crew, int nameCut) const {
    if (!crew)
        return {};
    return Events.TextOf(crew->EventKey) + " " + NumberedCrewLabel(crew, nameCut);
}

std::string Boatmeet::OpponentsText(const Crew* crew) const {
    if (!crew)
        return {};
    std::vector<int> opponents;
    if (const Draw* draw = FindDraw(crew->EventKey))
        draw->AppendOpponents(crew->Id, opponents);
    if (opponents.empty())
        return "No Opposition";
    std::string text;
    for (std::size_t i = 0; i < opponents.size(); ++i)
        text += (i ? " or " : "") + NumberedCrewLabel(FindCrew(opponents[i]));
    return text;
}

std::string Boatmeet::CrewRacesLine(int crewId) const {
    const Crew* crew = FindCrew(crewId);
    if (!crew)
        return {};
    std::vector<int> times;
    if (const Draw* draw = FindDraw(crew->EventKey))
        draw->AppendRemainingTimes(crewId, times);
    std::string text = EventCrewLabel(crew) + " (";
    for (std::size_t i = 0; i < times.size(); ++i)
        text += (i ? "," : "") + ClockTimeText(times[i]);
    return text + ")\n";
}

std::string Boatmeet::CrewLinksLine(const Crew* crew) const {
    if (!crew)
        return {};
    std::string text = CrewRacesLine(crew->Id);
    if (!crew->DoubleUps.empty()) {
        text += " D/Up: ";
        for (int id : crew->DoubleUps)
            text += CrewRacesLine(id);
    }
    if (!crew->BoatShares.empty()) {
        text += " B/Share: ";
        for (int id : crew->BoatShares)
            text += CrewRacesLine(id);
    }
    return text;
}

int Boatmeet::MaxLabelWidth(int mode, int key, bool shortLabel) const {
    int widest = 0;
    for (const auto& crew : Crews) {
        if ((mode == 0 && crew->ClubKey != key) || (mode == 1 && crew->EventKey != key))
            continue;
        const std::string label =
            shortLabel ? ShortCrewLabel(crew.get()) : NumberedCrewLabel(crew.get());
        widest = std::max(widest, TextLength(label));
    }
    return widest;
}

int Boatmeet::MaxCrewTextLength(int selector) const {
    if (selector != 2 && selector != 3)
        return 0;
    int longest = 0;
    for (const auto& crew : Crews)
        longest = std::max(longest, TextLength(selector == 2 ? crew->Name : crew->Notes));
    return longest;
}

} // namespace bm
