// The bracket chart of one event: a column of crews, then one column per round
// in which each race spans the rows between the lines that reach it, with its
// time and name (or winner and verdict) on the two middle rows of its span.
#include "engine/draw/drawdisplay.h"

#include "engine/model/boatmeet.h"
#include "engine/model/draw.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <algorithm>
#include <unordered_map>

namespace bm {

namespace {

// The rows a race spans in the chart; -1 while unknown. A race's texts stand
// on rows mid and mid + 1.
struct Span {
    int lo = -1;
    int hi = -1;
    int mid = -1;
};

// Spans of every race, round by round from the first round, so that a race
// can start from the spans of the races feeding it.
std::vector<Span> RaceSpans(const Draw& draw, const std::vector<int>& rows) {
    std::unordered_map<int, int> firstRow;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r] > 0)
            firstRow.emplace(rows[r], static_cast<int>(r));
    std::vector<Span> spans(static_cast<std::size_t>(draw.Size));
    // The row a slot reaches the race on: its crew's row (row 0 when the crew
    // has none), one below the middle of the race feeding slot 0, or the
    // middle of the race feeding slot 1. A feeding race without a middle
    // (-1, also for a reference out of the table) gives row 0 for slot 0.
    const auto bound = [&](int j, int s) {
        const int slot = draw.RaceAt(j).Slots[static_cast<std::size_t>(s)];
        if (slot > 0) {
            const auto found = firstRow.find(slot);
            return found == firstRow.end() ? 0 : found->second;
        }
        if (slot == 0)
            return -1;
        const long feeder = 2L * j + s;
        const int mid = feeder < draw.Size ? spans[static_cast<std::size_t>(feeder)].mid : -1;
        return s == 0 ? mid + 1 : mid;
    };
    for (int round = draw.Size / 2; round >= 1; round /= 2) {
        for (int j = round; j < 2 * round; ++j) {
            Span& span = spans[static_cast<std::size_t>(j)];
            span.lo = bound(j, 0);
            span.hi = bound(j, 1);
            if (span.lo >= 0 && span.hi >= 0)
                span.mid = span.lo + (span.hi - span.lo - j % 2) / 2;
        }
    }
    return spans;
}

// One round's column of the chart: for each row, the first race of the round
// whose span holds it (0 for none), and whether the row is where a line leaves
// for a race of the next round.
struct RoundColumn {
    std::vector<int> race;
    std::vector<bool> leadsOn;
};

RoundColumn MakeColumn(const std::vector<Span>& spans, int round, int rowCount) {
    RoundColumn column{std::vector<int>(static_cast<std::size_t>(rowCount), 0),
                       std::vector<bool>(static_cast<std::size_t>(rowCount), false)};
    // Later races first, so the first race holding a row has the last word.
    for (int k = 2 * round - 1; k >= round; --k) {
        const Span& span = spans[static_cast<std::size_t>(k)];
        for (int r = std::max(span.lo, 0); r <= std::min(span.hi, rowCount - 1); ++r)
            column.race[static_cast<std::size_t>(r)] = k;
    }
    for (int k = round / 2; k < round; ++k) {
        for (int row :
             {spans[static_cast<std::size_t>(k)].lo, spans[static_cast<std::size_t>(k)].hi})
            if (row >= 0 && row < rowCount)
                column.leadsOn[static_cast<std::size_t>(row)] = true;
    }
    return column;
}

class TreeWriter {
public:
    TreeWriter(const Boatmeet& meet, const Draw& draw, ShowType showType)
        : meet_(meet), draw_(draw), showType_(showType) {}

    void Write(std::ostream& out) {
        const int w1 = meet_.MaxLabelWidth(1, draw_.EventKey, false) + 1;
        width_ = ColumnWidth(w1);
        blank_.assign(static_cast<std::size_t>(width_), ' ');
        bar_ = blank_;
        bar_[0] = '}';
        dots_.assign(static_cast<std::size_t>(width_ - 1), '.');
        dots_ += ' ';
        const Settings& settings = CurrentSettings();
        const std::vector<int> rows = draw_.LeafOrder(settings.CompressDT, settings.SpacedDT);
        const int rowCount = static_cast<int>(rows.size());
        spans_ = RaceSpans(draw_, rows);
        std::vector<RoundColumn> columns;
        for (int round = draw_.Size / 2; round >= 1; round /= 2)
            columns.push_back(MakeColumn(spans_, round, rowCount));
        WriteEventHeading(meet_, draw_.EventKey, out);
        for (int r = 0; r < rowCount && out; ++r) {
            const int crew = rows[static_cast<std::size_t>(r)];
            out << (crew > 0 ? PadText(meet_.NumberedCrewLabel(meet_.FindCrew(crew)), w1)
                             : std::string(static_cast<std::size_t>(w1), ' '));
            for (const RoundColumn& column : columns)
                WriteCell(out, column, r);
            out << "\n";
        }
    }

private:
    // Races: 7; results: the numbered label's width + 2; truncated: the short
    // label's width + 3; with results shown, wide enough for every verdict.
    int ColumnWidth(int w1) const {
        int width = 7;
        if (showType_ == ShowType::Results)
            width = w1 + 2;
        else if (showType_ == ShowType::Truncated)
            width = meet_.MaxLabelWidth(1, draw_.EventKey, true) + 3;
        width = std::max(width, 2);
        if (showType_ != ShowType::Races)
            for (int i = 1; i < draw_.Size; ++i)
                width = std::max(width, TextLength(draw_.RaceAt(i).Verdict) + 2);
        return width;
    }

    void WriteCell(std::ostream& out, const RoundColumn& column, int r) const {
        const int k = column.race[static_cast<std::size_t>(r)];
        const int mid = k == 0 ? -1 : spans_[static_cast<std::size_t>(k)].mid;
        if (mid < 0) {
            out << (column.leadsOn[static_cast<std::size_t>(r)] ? dots_ : blank_);
        } else if (r < mid || r > mid + 1) {
            out << bar_;
        } else {
            const Race& race = draw_.RaceAt(k);
            out << "} " << PadText(r == mid ? UpperText(race) : LowerText(race), width_ - 2);
        }
    }

    // The time until the race is decided; then its winner.
    std::string UpperText(const Race& race) const {
        if (showType_ == ShowType::Races || !race.HasResult())
            return race.TimeText();
        const Crew* winner = meet_.FindCrew(race.Winner);
        return showType_ == ShowType::Results ? meet_.CompactCrewLabel(winner)
                                              : meet_.ShortCrewLabel(winner);
    }

    // The race's name until it is decided (when names are shown); then its verdict.
    std::string LowerText(const Race& race) const {
        if ((showType_ == ShowType::Races || !race.HasResult()) && CurrentSettings().ShowRaceNoDT)
            return race.Name();
        return showType_ != ShowType::Races ? race.Verdict : std::string();
    }

    const Boatmeet& meet_;
    const Draw& draw_;
    ShowType showType_;
    int width_ = 7;
    // The column fillers: blanks; a bar "}" then blanks; dots then one blank.
    std::string blank_;
    std::string bar_;
    std::string dots_;
    std::vector<Span> spans_;
};

} // namespace

void WriteDrawTree(const Boatmeet& meet, const Draw& draw, std::ostream& out, ShowType showType) {
    if (!draw.HasRaces())
        return;
    TreeWriter(meet, draw, showType).Write(out);
}

} // namespace bm
