// The meet data file: writing it, and reading it in one pass.
#include "model/boatmeet.h"

#include "model/misccode.h"
#include "model/textfile.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>

namespace bm {

namespace {

bool StartsWith(std::string_view line, std::string_view keyword) {
    return line.substr(0, keyword.size()) == keyword;
}

bool StartsWithKeyword(std::string_view line) {
    for (std::string_view keyword : {"Boatmeet:", "StrSet:", "Crew:", "Draw:", "RaceTimeServer:"})
        if (StartsWith(line, keyword))
            return true;
    return false;
}

struct DrawBlock {
    int size = 0;
    std::vector<std::string_view> raceLines;
};

// The first draw block of every event key, found as a reader scanning from the
// top of the file finds it. A block's race lines end early at an empty line or
// a line that begins with a keyword, so a truncated block cannot swallow the next.
std::map<int, DrawBlock> FindDrawBlocks(const std::vector<std::string_view>& lines) {
    std::map<int, DrawBlock> blocks;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] != "Draw:")
            continue;
        std::istringstream keyLine{std::string(lines[++i])};
        std::string keyText;
        std::string sizeText;
        keyLine >> keyText >> sizeText;
        const int key = ReadInt(keyText);
        if (blocks.count(key))
            continue;
        DrawBlock& block = blocks[key];
        block.size = ReadInt(sizeText);
        if (!Draw::IsValidSize(block.size))
            continue;
        for (std::size_t j = i + 1; j < lines.size() && static_cast<int>(j - i) < block.size; ++j) {
            if (lines[j].empty() || StartsWithKeyword(lines[j]))
                break;
            block.raceLines.push_back(lines[j]);
        }
    }
    return blocks;
}

int StoredChoice(std::string_view field, int fallback) {
    const int value = ReadInt(field);
    return value >= 0 && value <= 2 ? value : fallback;
}

void ReadHeader(Boatmeet& meet, std::string_view line) {
    meet.Title = CleanText(QuotedField(line, 0));
    meet.NextCrewId = ReadInt(QuotedField(line, 1));
    meet.BRTime = ReadInt(QuotedField(line, 2));
    meet.BSTime = ReadInt(QuotedField(line, 3));
    meet.Version = CleanText(QuotedField(line, 4));
    meet.Date = CleanText(QuotedField(line, 5));
    meet.DUTime = ReadInt(QuotedField(line, 6));
    if (meet.DUTime == 0)
        meet.DUTime = meet.BRTime;
    meet.SType = StoredChoice(QuotedField(line, 7), 0);
    meet.FType = StoredChoice(QuotedField(line, 8), 2);
}

} // namespace

std::unique_ptr<Boatmeet> Boatmeet::LoadFromFile(const std::string& fileName) {
    std::string text;
    if (!ReadTextFile(fileName, text))
        return std::make_unique<Boatmeet>();
    return LoadFromText(text);
}

std::unique_ptr<Boatmeet> Boatmeet::LoadFromText(std::string_view text) {
    auto meet = std::make_unique<Boatmeet>();
    const std::vector<std::string_view> lines = SplitLines(text);
    StrSet* sets[] = {&meet->Events,   &meet->Clubs,       &meet->EntryFees,
                      &meet->Sponsors, &meet->ClubColours, &meet->ClubContacts};
    bool headerSeen = false;
    std::string_view periodLine;
    bool periodsSeen = false;
    for (std::string_view line : lines) {
        if (StartsWith(line, "StrSet:")) {
            const std::string name = QuotedField(line, 0);
            for (StrSet* set : sets)
                if (set->Name() == name)
                    ReadStrSetLine(*set, line);
        } else if (StartsWith(line, "Boatmeet:") && !headerSeen) {
            ReadHeader(*meet, line);
            headerSeen = true;
        } else if (StartsWith(line, "Crew:") && headerSeen) {
            meet->Crews.push_back(std::make_unique<Crew>(Crew::ParseCrewLine(line)));
        } else if (StartsWith(line, "RaceTimeServer:")) {
            periodLine = line.substr(15);
            periodsSeen = true;
        }
    }
    // Crew ids stay unique and positive: a stored next id below 1 or not above
    // every stored crew id is raised.
    meet->NextCrewId = std::max(meet->NextCrewId, 1);
    for (const auto& crew : meet->Crews)
        meet->NextCrewId =
            std::max(meet->NextCrewId, crew->Id < INT32_MAX ? crew->Id + 1 : crew->Id);
    meet->ReindexCrews();
    const std::map<int, DrawBlock> blocks = FindDrawBlocks(lines);
    for (int i = 0; i < meet->Events.Count(); ++i) {
        const int key = meet->Events.KeyOf(meet->Events.TextAt(i));
        auto draw = std::make_unique<Draw>(key);
        if (const auto found = blocks.find(key); found != blocks.end())
            draw->ReadBlock(found->second.size, found->second.raceLines);
        meet->Draws.push_back(std::move(draw));
    }
    if (periodsSeen)
        meet->RaceTimes.ParsePeriodText(periodLine);
    return meet;
}

bool Boatmeet::WriteTo(std::ostream& out, bool full) {
    if (!out)
        return false;
    const auto field = [&out](const auto& value) { out << " \"" << value << '"'; };
    out << "Boatmeet:";
    field(CleanText(Title));
    field(NextCrewId);
    field(BRTime);
    field(BSTime);
    field(ProgramVersionText());
    field(CleanText(Date));
    field(DUTime);
    field(SType);
    field(FType);
    out << "\n\n";
    RaceTimes.WritePeriods(out);
    for (const StrSet* set : {&Events, &Clubs, &EntryFees, &Sponsors, &ClubColours, &ClubContacts})
        set->WriteStrSet(out);
    if (full) {
        for (const auto& crew : Crews)
            crew->WriteCrewLine(out);
        for (int i = 0; i < Events.Count(); ++i)
            DrawOfEvent(Events.KeyOf(Events.TextAt(i))).WriteTo(out);
    }
    return static_cast<bool>(out);
}

bool Boatmeet::SaveToFile(const std::string& fileName, bool full) {
    std::ostringstream out;
    if (!WriteTo(out, full))
        return false;
    return WriteFileSafely(fileName, out.str());
}

int MeetFileKind(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return 1;
    std::string line;
    char c;
    while (line.size() < 999 && in.get(c) && c != '\n')
        line.push_back(c);
    return StartsWith(line, "Boatmeet:") ? 0 : 2;
}

} // namespace bm
