// The draw displays: the whole display of every drawn event, the list layout,
// the event heading and the race-line pieces that other reports reuse. The
// bracket chart itself is in bracketchart.cpp.
#include "engine/draw/drawdisplay.h"

#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/draw.h"
#include "engine/model/settings.h"
#include "engine/model/text.h"

#include <algorithm>

namespace bm {

namespace {

// The crew column of the list: the widest numbered label of the meet, at least 12.
int ListWidth(const Boatmeet& meet) {
    return std::max(12, meet.MaxLabelWidth(2, 0, false));
}

// The race lines of the list layout, round by round from the first round; races
// with an empty slot (byes, a final of one crew) are not rowed and left out.
void WriteListLines(const Boatmeet& meet, const Draw& draw, std::ostream& out, ShowType showType,
                    int width) {
    for (int round = draw.Size / 2; round >= 1; round /= 2) {
        for (int i = round; i < 2 * round && out; ++i) {
            const Race& race = draw.RaceAt(i);
            if (!race.IsContested())
                continue;
            out << race.Name() << ' ' << PadTextLeft(race.TimeText(), 4) << ' '
                << RaceCrewsText(meet, draw, race, width, showType);
            if (race.Index > 1)
                out << "  (" << NextRaceTimeText(draw, race) << ")";
            out << "\n";
        }
    }
}

void WriteListLayout(const Boatmeet& meet, const Draw& draw, std::ostream& out, ShowType showType,
                     int width) {
    WriteEventHeading(meet, draw.EventKey, out);
    if (!draw.HasRaces())
        out << "No Races!\n";
    WriteListLines(meet, draw, out, showType, width);
}

// One event in the chosen layout; an event without a draw shows as undrawn.
void WriteEventLayout(const Boatmeet& meet, int eventKey, std::ostream& out, DrawLayout layout,
                      ShowType showType, int listWidth) {
    const Draw undrawn(eventKey);
    const Draw* draw = meet.FindDraw(eventKey);
    if (draw == nullptr)
        draw = &undrawn;
    if (layout == DrawLayout::Tree)
        WriteDrawTree(meet, *draw, out, showType);
    else
        WriteListLayout(meet, *draw, out, showType, listWidth);
}

} // namespace

void WriteEventHeading(const Boatmeet& meet, int eventKey, std::ostream& out) {
    const std::string name = meet.Events.TextOf(eventKey);
    out << name;
    if (CurrentSettings().ShowSponsor && meet.Sponsors.HasKey(eventKey))
        out << "  Sponsored by: " << meet.Sponsors.TextOf(eventKey);
    out << "\n" << std::string(static_cast<std::size_t>(TextLength(name)), '=') << "\n";
}

void WriteAllDraws(const Boatmeet& meet, std::ostream& out, DrawLayout layout, ShowType showType) {
    const Settings& settings = CurrentSettings();
    const std::string title = meet.TitleText();
    out << title << "\n" << std::string(static_cast<std::size_t>(TextLength(title)), '-') << "\n\n";
    if (!settings.Lane1Info.empty())
        out << "First named crew on " << settings.Lane1Info << "\n\n";
    // The list's crew column is the same for every event: measured once.
    const int listWidth = layout == DrawLayout::Tree ? 0 : ListWidth(meet);
    const int count = meet.Events.Count();
    for (int i = 0; i < count && out; ++i) {
        const int key = meet.Events.KeyOf(meet.Events.TextAt(i));
        const Draw* draw = meet.FindDraw(key);
        if (draw == nullptr || draw->HeldRaceCount() == 0)
            continue;
        WriteEventLayout(meet, key, out, layout, showType, listWidth);
        if (settings.PageEjectClub && i != count - 1)
            out << "<NP>";
        out << "\n\n";
    }
}

void WriteEventDraw(const Boatmeet& meet, int eventKey, std::ostream& out, DrawLayout layout,
                    ShowType showType) {
    WriteEventLayout(meet, eventKey, out, layout, showType,
                     layout == DrawLayout::Tree ? 0 : ListWidth(meet));
}

void WriteDrawList(const Boatmeet& meet, const Draw& draw, std::ostream& out, ShowType showType) {
    WriteListLayout(meet, draw, out, showType, ListWidth(meet));
}

std::string SlotText(const Boatmeet& meet, const Draw& draw, const Race& race, int s,
                     ShowType showType) {
    const int slot = race.Slots[static_cast<std::size_t>(s)];
    if (slot > 0)
        return meet.NumberedCrewLabel(meet.FindCrew(slot));
    const Race* feeder = draw.FeederRace(race, s);
    if (slot == 0 || feeder == nullptr)
        return {};
    if (showType == ShowType::Results && feeder->HasResult())
        return meet.NumberedCrewLabel(meet.FindCrew(feeder->Winner));
    if (showType == ShowType::Truncated && feeder->HasResult())
        return meet.ShortCrewLabel(meet.FindCrew(feeder->Winner));
    return "Winner " + feeder->Name();
}

std::string RaceCrewsText(const Boatmeet& meet, const Draw& draw, const Race& race, int width,
                          ShowType showType) {
    return PadText(SlotText(meet, draw, race, 0, showType), width) + "  " +
           PadText(SlotText(meet, draw, race, 1, showType), width);
}

std::string NextRaceTimeText(const Draw& draw, const Race& race) {
    int time = -1;
    return draw.NextRaceTime(race, time) ? ClockTimeText(time) : std::string(4, ' ');
}

std::string NextRaceNameText(const Draw& draw, const Race& race) {
    if (race.Index < 2 || race.Index >= draw.Size)
        return std::string(4, ' ');
    return draw.RaceAt(race.Index / 2).Name();
}

} // namespace bm
