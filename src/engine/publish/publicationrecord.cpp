#include "engine/publish/publicationrecord.h"

#include "engine/model/text.h"
#include "engine/model/textfile.h"
#include "engine/publish/sitetext.h"

#include <charconv>
#include <climits>
#include <cstdio>

namespace bm {

namespace {

constexpr std::string_view VersionLine = "Boatmeet publication record\t2";
constexpr std::string_view CheckStart = "Check\t";

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else
            escaped += c;
    }
    return escaped;
}

std::string Unescaped(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return plain;
}

std::string HexText(std::uint64_t value) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(value));
    return hex;
}

// One line: its fields, escaped and joined by tabs.
class RecordLine {
public:
    explicit RecordLine(std::string& out, std::string_view kind) : out_(out) { out_ += kind; }
    ~RecordLine() { out_ += '\n'; }
    RecordLine(const RecordLine&) = delete;
    RecordLine& operator=(const RecordLine&) = delete;

    RecordLine& operator<<(std::string_view text) {
        out_ += '\t';
        out_ += Escaped(text);
        return *this;
    }
    RecordLine& operator<<(int number) { return *this << std::string_view(std::to_string(number)); }
    RecordLine& operator<<(const PublishedFile& file) {
        return *this << file.Name << std::string_view(std::to_string(file.Size))
                     << std::string_view(HexText(file.Hash));
    }

private:
    std::string& out_;
};

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(Unescaped(line.substr(start, tab - start)));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

void WriteCrew(std::string& out, const PublishedCrew& crew) {
    RecordLine(out, "Crew") << crew.Id << crew.EventKey << crew.ClubKey << crew.Event << crew.Club
                            << crew.Label << crew.Position;
    for (const PublishedRace& race : crew.Races)
        RecordLine(out, "Race") << race.Depth << race.Round << race.Number << race.Time
                                << race.OpponentKey << race.Opponent << race.Result << race.Verdict;
}

// Fields a line of its kind must have, after the kind itself.
std::size_t FieldCount(const std::string& kind) {
    if (kind == "Publication" || kind == "Time" || kind == "Intro")
        return 1;
    if (kind == "Change" || kind == "File" || kind == "Earlier")
        return 3;
    if (kind == "Crew")
        return 7;
    if (kind == "Race")
        return 8;
    return 0;
}

// The fields of one line, numbers read strictly: a field that is not a whole
// number within range fails the line.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& fields) : fields_(fields) {}

    bool Ok() const { return ok_; }
    const std::string& Text(std::size_t at) const { return fields_[at]; }
    int Number(std::size_t at, int least = INT_MIN, int most = INT_MAX) {
        int value = 0;
        ok_ = ok_ && ParseWholeInt(fields_[at], value) && fields_[at] == std::to_string(value) &&
              value >= least && value <= most;
        return value;
    }
    PublishedFile File(std::size_t at) {
        PublishedFile file{fields_[at], Unsigned(fields_[at + 1], 10),
                           Unsigned(fields_[at + 2], 16)};
        ok_ = ok_ && IsSafeSiteFileName(file.Name);
        return file;
    }

private:
    std::uint64_t Unsigned(const std::string& text, int base) {
        std::uint64_t value = 0;
        const auto [end, failure] =
            std::from_chars(text.data(), text.data() + text.size(), value, base);
        ok_ = ok_ && failure == std::errc() && end == text.data() + text.size() && !text.empty();
        return value;
    }

    const std::vector<std::string>& fields_;
    bool ok_ = true;
};

bool ReadCrew(LineReader& f, Publication& p) {
    PublishedCrew crew{f.Number(1), f.Number(2), f.Number(3),    f.Text(4),
                       f.Text(5),   f.Text(6),   f.Number(7, 0), {}};
    p.Crews.push_back(std::move(crew));
    return f.Ok();
}

bool ReadRace(LineReader& f, Publication& p) {
    if (p.Crews.empty())
        return false;
    PublishedRace race{f.Number(1, 0), f.Text(2), f.Number(3), f.Number(4),
                       f.Text(5),      f.Text(6), f.Text(7),   f.Text(8)};
    p.Crews.back().Races.push_back(std::move(race));
    return f.Ok();
}

// Reads one line into the publication; false when a field is out of range.
bool ReadLine(const std::vector<std::string>& fields, Publication& p) {
    LineReader f(fields);
    const std::string& kind = fields[0];
    if (kind == "Publication")
        p.Number = f.Number(1, 1, INT_MAX - 1);
    else if (kind == "Time")
        p.Time = f.Text(1);
    else if (kind == "Intro")
        p.Changes.Intro = f.Text(1);
    else if (kind == "Change")
        p.Changes.Changes.push_back({f.Text(1), f.Text(2), f.Text(3)});
    else if (kind == "File")
        p.Files.push_back(f.File(1));
    else if (kind == "Earlier")
        p.Earlier.push_back(f.File(1));
    else if (kind == "Crew")
        return ReadCrew(f, p);
    else if (kind == "Race")
        return ReadRace(f, p);
    return f.Ok();
}

// The text before the check line when the check holds; false otherwise.
bool CheckedPart(std::string_view text, std::string_view& checked) {
    if (!text.ends_with('\n'))
        return false;
    const std::size_t start = text.rfind('\n', text.size() - 2) + 1;
    checked = text.substr(0, start);
    return text.substr(start) == std::string(CheckStart) + HexText(HashBytes(checked)) + "\n";
}

} // namespace

PublishedFile FileOf(const std::string& name, std::string_view content) {
    return {name, content.size(), HashBytes(content)};
}

std::string PublicationRecordText(const Publication& p) {
    std::string out(VersionLine);
    out += '\n';
    RecordLine(out, "Publication") << p.Number;
    RecordLine(out, "Time") << p.Time;
    RecordLine(out, "Intro") << p.Changes.Intro;
    for (const CrewChange& change : p.Changes.Changes)
        RecordLine(out, "Change") << change.Club << change.Crew << change.Text;
    for (const PublishedFile& file : p.Files)
        RecordLine(out, "File") << file;
    for (const PublishedFile& file : p.Earlier)
        RecordLine(out, "Earlier") << file;
    for (const PublishedCrew& crew : p.Crews)
        WriteCrew(out, crew);
    out += std::string(CheckStart) + HexText(HashBytes(out)) + "\n";
    return out;
}

bool ReadPublicationRecord(std::string_view text, Publication& publication, std::string& error) {
    std::string_view checked;
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || lines.front() != VersionLine) {
        error = "it is not a publication record of this version of the program";
        return false;
    }
    if (!CheckedPart(text, checked)) {
        error = "it was changed after it was written";
        return false;
    }
    Publication read;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::vector<std::string> fields = Fields(lines[i]);
        const std::size_t count = FieldCount(fields[0]);
        if (count == 0 || fields.size() != count + 1 || !ReadLine(fields, read)) {
            error = "line " + std::to_string(i + 1) + " is damaged";
            return false;
        }
    }
    if (read.Number == 0) {
        error = "it gives no publication number";
        return false;
    }
    publication = std::move(read);
    return true;
}

} // namespace bm
