// Short listings: oversized crew names, club colours and contacts, each
// club's draws, event totals and the results of the finals.
#include "engine/reports/reports.h"

#include "engine/model/boatmeet.h"
#include "engine/model/draw.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <algorithm>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace bm {

namespace {

std::unordered_set<int> ClubsWithCrews(const Boatmeet& meet) {
    std::unordered_set<int> clubs;
    for (const auto& crew : meet.Crews)
        clubs.insert(crew->ClubKey);
    return clubs;
}

int FullNameLength(const Boatmeet& meet, const Crew& crew) {
    return TextLength(meet.Clubs.TextOf(crew.ClubKey)) + 1 + TextLength(crew.Name);
}

void WriteFinal(const Boatmeet& meet, std::ostream& out, const Draw* draw, int width) {
    const Race* final = draw ? draw->FinalRace() : nullptr;
    if (!final) {
        out << " ***** No Draw ??\n";
        return;
    }
    if (!final->HasResult()) {
        out << " ***** No result\n";
        return;
    }
    int crews[2] = {0, 0};
    if (!draw->ResolveCrews(*final, crews)) {
        out << " ***** No crew list ?\n";
        return;
    }
    const int other = crews[0] == final->Winner ? crews[1] : crews[0];
    out << PadText(meet.CrewNameLabel(meet.FindCrew(final->Winner)), width) << " bt "
        << PadText(meet.CrewNameLabel(meet.FindCrew(other)), width) << "  " << final->Verdict
        << "\n";
}

} // namespace

void WriteOversizedNames(const Boatmeet& meet, std::ostream& out) {
    const int maxNameLen = CurrentSettings().MaxNameLen;
    out << "Maximum name (\"Club Name\") is " << maxNameLen << "\n\n";
    int longest = 0;
    for (const auto& crew : meet.Crews)
        longest = std::max(longest, FullNameLength(meet, *crew));
    for (const auto& crew : meet.Crews) {
        if (!out)
            return;
        if (FullNameLength(meet, *crew) <= maxNameLen)
            continue;
        out << PadText(meet.Clubs.TextOf(crew->ClubKey) + " " + crew->Name, longest)
            << "    Truncated to:   " << meet.NumberedCrewLabel(crew.get()) << "\n";
    }
}

void WriteClubColours(const Boatmeet& meet, std::ostream& out) {
    const int w = meet.Clubs.MaxTextLength() + 1;
    const std::unordered_set<int> withCrews = ClubsWithCrews(meet);
    for (int i = 0; i < meet.Clubs.Count() && out; ++i) {
        const int key = meet.Clubs.KeyAt(i);
        if (!withCrews.count(key))
            continue;
        const std::string colours =
            meet.ClubColours.HasKey(key) ? meet.ClubColours.TextOf(key) : "";
        out << PadText(meet.Clubs.TextAt(i), w)
            << (colours.empty() ? "No colours information" : colours) << "\n";
    }
}

void WriteClubContacts(const Boatmeet& meet, std::ostream& out) {
    for (int i = 0; i < meet.Clubs.Count() && out; ++i) {
        const int key = meet.Clubs.KeyAt(i);
        out << meet.Clubs.TextAt(i) << "\n";
        const std::string contact =
            meet.ClubContacts.HasKey(key) ? meet.ClubContacts.TextOf(key) : "";
        if (contact.empty()) {
            out << "  No information\n";
            continue;
        }
        out << "  ";
        for (char c : contact) {
            out << c;
            if (c == ',')
                out << "\n  ";
        }
        out << "\n\n";
    }
}

void WriteDrawsByClub(const Boatmeet& meet, std::ostream& out) {
    // Each club's events in list order, found from its crews: the work grows
    // with the crews and the text written, not with clubs times events.
    std::unordered_map<int, std::vector<int>> eventPositions; // event key -> list positions
    for (int e = 0; e < meet.Events.Count(); ++e)
        eventPositions[meet.Events.KeyAt(e)].push_back(e);
    std::unordered_map<int, std::unordered_set<int>> clubKeys; // club key -> event keys
    for (const auto& crew : meet.Crews)
        if (eventPositions.count(crew->EventKey))
            clubKeys[crew->ClubKey].insert(crew->EventKey);
    std::unordered_map<int, std::vector<int>> clubEvents; // club key -> list positions
    for (const auto& [club, keys] : clubKeys) {
        std::vector<int>& positions = clubEvents[club];
        for (int key : keys)
            positions.insert(positions.end(), eventPositions[key].begin(),
                             eventPositions[key].end());
        std::sort(positions.begin(), positions.end());
    }
    // Every club gets whole draws, so each event's tree is written once.
    std::unordered_map<int, std::string> trees;
    const auto tree = [&](int eventKey) -> const std::string& {
        auto found = trees.find(eventKey);
        if (found == trees.end()) {
            std::ostringstream text;
            if (const Draw* draw = meet.FindDraw(eventKey))
                WriteDrawTree(meet, *draw, text, ShowType::Races);
            found = trees.emplace(eventKey, std::move(text).str()).first;
        }
        return found->second;
    };
    for (int c = 0; c < meet.Clubs.Count() && out; ++c) {
        out << "\n\nDRAW for : " << meet.Clubs.TextAt(c) << "\n";
        const auto events = clubEvents.find(meet.Clubs.KeyAt(c));
        if (events == clubEvents.end())
            continue;
        for (int e : events->second) {
            if (!out)
                return;
            out << "\n\n" << tree(meet.Events.KeyAt(e));
        }
    }
}

void WriteEventTotals(const Boatmeet& meet, std::ostream& out) {
    out << "Crews  Rounds  Races  Event\n-----  ------  -----  -----\n";
    std::unordered_map<int, int> counts;
    for (const auto& crew : meet.Crews)
        ++counts[crew->EventKey];
    long long totalCrews = 0;
    long long totalRaces = 0;
    for (int i = 0; i < meet.Events.Count() && out; ++i) {
        const auto found = counts.find(meet.Events.KeyAt(i));
        const int n = found == counts.end() ? 0 : found->second;
        const int races = n > 0 ? n - 1 : 0;
        out << PadTextLeft(std::to_string(n), 5) << "  "
            << PadTextLeft(std::to_string(BitLength(races)), 6) << "  "
            << PadTextLeft(std::to_string(races), 5) << "  " << meet.Events.TextAt(i) << "\n";
        totalCrews += n;
        totalRaces += races;
    }
    out << "\nTotal Crews : " << totalCrews << "\nTotal Races : " << totalRaces << "\n";
}

void WriteFinalsResults(const Boatmeet& meet, std::ostream& out) {
    const int e = meet.Events.MaxTextLength();
    const int w = meet.MaxCrewTextLength(2) + 3;
    for (int i = 0; i < meet.Events.Count() && out; ++i) {
        out << PadText(meet.Events.TextAt(i), e);
        WriteFinal(meet, out, meet.FindDraw(meet.Events.KeyAt(i)), w);
    }
}

} // namespace bm
