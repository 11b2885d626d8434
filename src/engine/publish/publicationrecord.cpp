#include "engine/publish/publicationrecord.h"

#include "engine/model/text.h"
#include "engine/model/textfile.h"
#include "engine/publish/sitetext.h"

namespace bm {

namespace {

constexpr std::string_view VersionLine = "Boatmeet publication record\t1";

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
    if (kind == "Publication" || kind == "Time" || kind == "Intro" || kind == "File")
        return 1;
    if (kind == "Change")
        return 3;
    if (kind == "Crew")
        return 7;
    if (kind == "Race")
        return 8;
    return 0;
}

bool ReadLine(const std::vector<std::string>& f, Publication& p, std::string& error) {
    const std::string& kind = f[0];
    if (kind == "Publication") {
        p.Number = ReadInt(f[1]);
    } else if (kind == "Time") {
        p.Time = f[1];
    } else if (kind == "Intro") {
        p.Changes.Intro = f[1];
    } else if (kind == "Change") {
        p.Changes.Changes.push_back({f[1], f[2], f[3]});
    } else if (kind == "File") {
        if (!IsSafeSiteFileName(f[1])) {
            error = "it names a file outside the site: " + f[1];
            return false;
        }
        p.Files.push_back(f[1]);
    } else if (kind == "Crew") {
        p.Crews.push_back(
            {ReadInt(f[1]), ReadInt(f[2]), ReadInt(f[3]), f[4], f[5], f[6], ReadInt(f[7]), {}});
    } else if (kind == "Race") {
        if (p.Crews.empty()) {
            error = "a race stands before any crew";
            return false;
        }
        p.Crews.back().Races.push_back(
            {ReadInt(f[1]), f[2], ReadInt(f[3]), ReadInt(f[4]), f[5], f[6], f[7], f[8]});
    }
    return true;
}

} // namespace

std::string PublicationRecordText(const Publication& p) {
    std::string out(VersionLine);
    out += '\n';
    RecordLine(out, "Publication") << p.Number;
    RecordLine(out, "Time") << p.Time;
    RecordLine(out, "Intro") << p.Changes.Intro;
    for (const CrewChange& change : p.Changes.Changes)
        RecordLine(out, "Change") << change.Club << change.Crew << change.Text;
    for (const std::string& file : p.Files)
        RecordLine(out, "File") << file;
    for (const PublishedCrew& crew : p.Crews)
        WriteCrew(out, crew);
    return out;
}

bool ReadPublicationRecord(std::string_view text, Publication& publication, std::string& error) {
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || lines.front() != VersionLine) {
        error = "it is not a publication record of this version of the program";
        return false;
    }
    Publication read;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = Fields(lines[i]);
        const std::size_t count = FieldCount(fields[0]);
        if (count == 0 || fields.size() != count + 1) {
            error = "line " + std::to_string(i + 1) + " is damaged";
            return false;
        }
        if (!ReadLine(fields, read, error))
            return false;
    }
    publication = std::move(read);
    return true;
}

} // namespace bm
