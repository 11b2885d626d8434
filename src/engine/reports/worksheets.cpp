// The race worksheet for timekeepers and umpires, and the winners worksheet.
#include "engine/reports/reports.h"

#include "engine/draw/racelookup.h"
#include "engine/model/boatmeet.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <algorithm>

namespace bm {

namespace {

struct WorksheetColumns {
    int event = 6;
    int lane1 = 17;
    int lane2 = 17;
};

WorksheetColumns ColumnsOf(const Boatmeet& meet) {
    const Settings& settings = CurrentSettings();
    const int w = meet.MaxLabelWidth(2, 0, false);
    const int c = w >= 16 ? w + 1 : 17;
    WorksheetColumns columns;
    columns.event = std::max(meet.Events.MaxTextLength() + 1, 6);
    columns.lane1 = std::max(TextLength(settings.Lane1Info) + 1, c);
    columns.lane2 = std::max(TextLength(settings.Lane2Info), c);
    return columns;
}

void WriteHeader(std::ostream& out, const WorksheetColumns& col) {
    const Settings& settings = CurrentSettings();
    out << PadText("Race", 5) << PadText("Prog", 5) << PadText("New", 5)
        << std::string(static_cast<std::size_t>(col.event + 6 + col.lane1 + col.lane2 + 20), ' ')
        << "Next\n";
    out << PadText("No", 5) << PadText("Time", 5) << PadText("Time", 5)
        << PadText("Event", col.event) << PadText("Heat", 6)
        << PadText(settings.Lane1Info, col.lane1) << PadText(settings.Lane2Info, col.lane2)
        << PadText("Winner", 10) << PadText("Dist", 10) << PadText("Race", 4) << "\n";
    out << PadText("----", 5) << PadText("----", 5) << PadText("----", 5)
        << PadText("-----", col.event) << PadText("----", 6)
        << PadText(std::string(static_cast<std::size_t>(col.lane1 - 1), '-'), col.lane1)
        << PadText(std::string(static_cast<std::size_t>(col.lane2 - 1), '-'), col.lane2)
        << PadText("------", 10) << PadText("---------", 10) << PadText("----", 4) << "\n\n";
}

// A lane's crew, or the feeding race with room to note its winner.
std::string LaneText(const Boatmeet& meet, const Draw& draw, const Race& race, int s,
                     ShowType showType) {
    std::string text = SlotText(meet, draw, race, s, showType);
    if (text.rfind("Winner R", 0) == 0)
        text += " ....";
    return text;
}

} // namespace

void WriteRaceWorksheet(const Boatmeet& meet, std::ostream& out, bool remainingOnly,
                        ShowType showType) {
    const WorksheetColumns col = ColumnsOf(meet);
    const bool showWinners = showType != ShowType::Races;
    WriteHeader(out, col);
    for (const Race* race : meet.OrderedRaces()) {
        if (!out)
            return;
        const Draw* draw = DrawOfRace(meet, *race);
        if (!draw || (remainingOnly && race->HasResult()))
            continue;
        out << PadText(race->Name(), 5) << PadText(race->TimeText(), 5) << PadText("....", 5)
            << PadText(meet.Events.TextOf(race->EventKey), col.event)
            << PadText(Draw::RoundName(*race), 6)
            << PadText(LaneText(meet, *draw, *race, 0, showType), col.lane1)
            << PadText(LaneText(meet, *draw, *race, 1, showType), col.lane2);
        if (race->HasResult() && showWinners) {
            const std::string winner = meet.CompactCrewLabel(meet.FindCrew(race->Winner));
            out << PadText(FirstChars(winner, 9), 10) << PadText(FirstChars(race->Verdict, 9), 10);
        } else {
            out << PadText(".........", 10) << PadText("........", 10);
        }
        out << NextRaceNameText(*draw, *race) << "\n\n";
    }
}

void WriteWinnersWorksheet(const Boatmeet& meet, std::ostream& out) {
    const int e = meet.Events.MaxTextLength() + 1;
    const int s = meet.Sponsors.MaxTextLength() + 1;
    for (int i = 0; i < meet.Events.Count() && out; ++i) {
        const int key = meet.Events.KeyAt(i);
        const Draw* draw = meet.FindDraw(key);
        if (!draw || draw->Size == 0)
            continue;
        const std::string sponsor = meet.Sponsors.HasKey(key) ? meet.Sponsors.TextOf(key) : "";
        out << PadText(meet.Events.TextAt(i), e) << PadText(sponsor, s) << std::string(25, '.')
            << "\n";
    }
}

} // namespace bm
