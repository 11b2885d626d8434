// The meet data file: writing it, and reading it in one pass.
#include "engine/model/boatmeet.h"

#include "engine/model/safefile.h"
#include "engine/model/text.h"
#include "engine/model/textfile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <ostream>
#include <streambuf>

namespace bm {

namespace {

bool StartsWith(std::string_view line, std::string_view keyword) {
    return line.substr(0, keyword.size()) == keyword;
}

enum class Keyword { None, Header, StrSet, Crew, Imported, Draw, Periods };

// The keyword a line begins with (looked up by its first letter, as every line
// of a large file passes here).
Keyword KeywordOf(std::string_view line) {
    const auto is = [line](std::string_view keyword, Keyword kind) {
        return StartsWith(line, keyword) ? kind : Keyword::None;
    };
    switch (line.empty() ? '\0' : line.front()) {
    case 'B':
        return is("Boatmeet:", Keyword::Header);
    case 'S':
        return is("StrSet:", Keyword::StrSet);
    case 'C':
        return is("Crew:", Keyword::Crew);
    case 'D':
        return is("Draw:", Keyword::Draw);
    case 'I':
        return is("Imported:", Keyword::Imported);
    case 'R':
        return is("RaceTimeServer:", Keyword::Periods);
    default:
        return Keyword::None;
    }
}

// The next blank-separated word of the text, which then starts after it.
std::string_view NextWord(std::string_view& text) {
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const std::size_t begin = std::min(text.find_first_not_of(blanks), text.size());
    const std::size_t end = std::min(text.find_first_of(blanks, begin), text.size());
    const std::string_view word = text.substr(begin, end - begin);
    text.remove_prefix(end);
    return word;
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
        std::string_view keyLine = lines[++i];
        const int key = ReadInt(NextWord(keyLine));
        if (blocks.count(key))
            continue;
        DrawBlock& block = blocks[key];
        block.size = ReadInt(NextWord(keyLine));
        if (!Draw::IsValidSize(block.size))
            continue;
        for (std::size_t j = i + 1; j < lines.size() && static_cast<int>(j - i) < block.size; ++j) {
            if (lines[j].empty() || KeywordOf(lines[j]) != Keyword::None)
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
    std::array<std::string_view, 9> fields;
    QuotedFields(line, fields);
    meet.Title = CleanText(fields[0]);
    meet.NextCrewId = ReadInt(fields[1]);
    meet.BRTime = ReadInt(fields[2]);
    meet.BSTime = ReadInt(fields[3]);
    meet.Version = CleanText(fields[4]);
    meet.Date = CleanText(fields[5]);
    meet.DUTime = ReadInt(fields[6]);
    if (meet.DUTime == 0)
        meet.DUTime = meet.BRTime;
    meet.SType = static_cast<ScheduleMode>(StoredChoice(fields[7], 0));
    meet.FType = static_cast<FinalsPlacement>(StoredChoice(fields[8], 2));
}

// Each "Imported:" line goes to the crew of its id; a later line for one crew
// replaces an earlier one, and a line for an id no crew bears is dropped.
void AttachImportedValues(Boatmeet& meet, const std::vector<std::string_view>& lines) {
    for (std::string_view line : lines) {
        ImportedValues values;
        const int id = Crew::ParseImportedLine(line, values);
        if (meet.HasCrew(id))
            meet.FindCrew(id)->Imported = std::move(values);
    }
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
    std::vector<std::string_view> importedLines;
    for (std::string_view line : lines) {
        switch (KeywordOf(line)) {
        case Keyword::StrSet: {
            std::array<std::string_view, 1> name;
            QuotedFields(line, name);
            for (StrSet* set : sets)
                if (set->Name() == name[0])
                    ReadStrSetLine(*set, line);
            break;
        }
        case Keyword::Header:
            if (!headerSeen)
                ReadHeader(*meet, line);
            headerSeen = true;
            break;
        case Keyword::Crew:
            if (headerSeen)
                meet->Crews.push_back(std::make_unique<Crew>(Crew::ParseCrewLine(line)));
            break;
        case Keyword::Imported:
            if (headerSeen)
                importedLines.push_back(line);
            break;
        case Keyword::Periods:
            periodLine = line.substr(15);
            periodsSeen = true;
            break;
        default:
            break;
        }
    }
    // Crew ids stay unique and positive: a stored next id below 1 or not above
    // every stored crew id is raised.
    meet->NextCrewId = std::max(meet->NextCrewId, 1);
    for (const auto& crew : meet->Crews)
        meet->NextCrewId =
            std::max(meet->NextCrewId, crew->Id < INT32_MAX ? crew->Id + 1 : crew->Id);
    meet->ReindexCrews();
    AttachImportedValues(*meet, importedLines);
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

bool Boatmeet::WriteTo(std::ostream& out, bool full) const {
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
    field(static_cast<int>(SType));
    field(static_cast<int>(FType));
    out << "\n\n";
    RaceTimes.WritePeriods(out);
    for (const StrSet* set : {&Events, &Clubs, &EntryFees, &Sponsors, &ClubColours, &ClubContacts})
        set->WriteStrSet(out);
    if (full) {
        for (const auto& crew : Crews)
            crew->WriteCrewLine(out);
        for (const auto& crew : Crews)
            crew->WriteImportedLine(out);
        for (int i = 0; i < Events.Count(); ++i) {
            const int key = Events.KeyOf(Events.TextAt(i));
            if (const Draw* draw = FindDraw(key))
                draw->WriteTo(out);
            else
                Draw(key).WriteTo(out);
        }
    }
    return static_cast<bool>(out);
}

namespace {

// A stream buffer that appends to a string made room for beforehand: the
// saved form of a large meet is put together without copying it as it grows.
class AppendingBuffer : public std::streambuf {
public:
    explicit AppendingBuffer(std::string& text) : text_(text) {}

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            text_ += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        text_.append(s, static_cast<std::size_t>(n));
        return n;
    }

private:
    std::string& text_;
};

} // namespace

std::string Boatmeet::SavedText() const {
    std::string text;
    // About what a crew's line and a race's line take, so the text rarely grows.
    std::size_t races = 0;
    for (const auto& draw : Draws)
        races += static_cast<std::size_t>(std::max(draw->Size, 0));
    text.reserve(4096 + Crews.size() * 72 + races * 40);
    AppendingBuffer buffer(text);
    std::ostream out(&buffer);
    WriteTo(out, true);
    return text;
}

bool Boatmeet::SaveToFile(const std::string& fileName, bool full) {
    // Saving a full meet has always left every event with a draw (drawn or
    // not), which the draw-all question looks at; writing alone changes nothing.
    if (full)
        for (int i = 0; i < Events.Count(); ++i)
            DrawOfEvent(Events.KeyOf(Events.TextAt(i)));
    SafeFileWriter writer(fileName);
    return WriteTo(writer.Stream(), full) && writer.Commit();
}

FileKind MeetFileKind(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return FileKind::CannotOpen;
    std::string line;
    char c;
    while (line.size() < 999 && in.get(c) && c != '\n')
        line.push_back(c);
    return StartsWith(line, "Boatmeet:") ? FileKind::Meet : FileKind::NotMeet;
}

} // namespace bm
