// The draw displays: the whole display of every drawn event, the list layout,
// the event heading and the race-line pieces that other reports reuse. The
// bracket chart itself is in drawtree.cpp.
#include "draw/drawtext.h"

#include "draw/drawtextparts.h"
#include "model/boatmeet.h"
#include "model/misccode.h"
#include "model/settings.h"

#include <algorithm>

namespace bm {

namespace {

// The crew column of the list: the widest numbered label of the meet, at least 12.
int ListWidth(const Boatmeet& meet) {
    return std::max(12, meet.MaxLabelWidth(2, 0, false));
}

// The race lines of the list layout, round by round from the first round; races
// with an empty slot (byes, a final of one crew) are not rowed and left out.
void WriteListLines(Boatmeet& meet, const Draw& draw, std::ostream& out, int showType, int width) {
    for (int round = draw.Size / 2; round >= 1; round /= 2) {
        for (int i = round; i < 2 * round; ++i) {
            const Race& race = draw.RaceAt(i);
            if (!race.IsContested())
                continue;
            out << race.Name() << ' ' << PadTextLeft(race.TimeText(), 4) << ' '
                << draw.RaceCrewsText(meet, race, width, showType);
            if (race.Index > 1)
                out << "  (" << draw.NextRaceTimeText(race) << ")";
            out << "\n";
        }
    }
}

void WriteListLayout(Boatmeet& meet, const Draw& draw, std::ostream& out, int showType, int width) {
    WriteEventHeading(meet, draw.EventKey, out);
    if (!draw.HasRaces())
        out << "No Races!\n";
    WriteListLines(meet, draw, out, showType, width);
}

// One event in the chosen layout; an event without a draw shows as undrawn.
void WriteEventLayout(Boatmeet& meet, int eventKey, std::ostream& out, int layout, int showType,
                      int listWidth) {
    const Draw undrawn(eventKey);
    const Draw* draw = meet.FindDraw(eventKey);
    if (draw == nullptr)
        draw = &undrawn;
    if (layout == 0)
        draw->WriteTree(meet, out, showType);
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

void WriteAllDraws(Boatmeet& meet, std::ostream& out, int layout, int showType) {
    const Settings& settings = CurrentSettings();
    const std::string title = meet.TitleText();
    out << title << "\n" << std::string(static_cast<std::size_t>(TextLength(title)), '-') << "\n\n";
    if (!settings.Lane1Info.empty())
        out << "First named crew on " << settings.Lane1Info << "\n\n";
    // The list's crew column is the same for every event: measured once.
    const int listWidth = layout == 0 ? 0 : ListWidth(meet);
    const int count = meet.Events.Count();
    for (int i = 0; i < count; ++i) {
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

void WriteEventDraw(Boatmeet& meet, int eventKey, std::ostream& out, int layout, int showType) {
    WriteEventLayout(meet, eventKey, out, layout, showType, layout == 0 ? 0 : ListWidth(meet));
}

void Draw::WriteList(Boatmeet& meet, std::ostream& out, int showType) const {
    WriteListLayout(meet, *this, out, showType, ListWidth(meet));
}

std::string Draw::SlotText(Boatmeet& meet, const Race& race, int s, int showType) const {
    const int slot = race.Slots[static_cast<std::size_t>(s)];
    if (slot > 0)
        return meet.NumberedCrewLabel(meet.FindCrew(slot));
    const Race* feeder = FeederRace(race, s);
    if (slot == 0 || feeder == nullptr)
        return {};
    if (showType == 1 && feeder->HasResult())
        return meet.NumberedCrewLabel(meet.FindCrew(feeder->Winner));
    if (showType == 2 && feeder->HasResult())
        return meet.ShortCrewLabel(meet.FindCrew(feeder->Winner));
    return "Winner " + feeder->Name();
}

std::string Draw::RaceCrewsText(Boatmeet& meet, const Race& race, int width, int showType) const {
    return PadText(SlotText(meet, race, 0, showType), width) + "  " +
           PadText(SlotText(meet, race, 1, showType), width);
}

void Draw::WriteRaceCrews(Boatmeet& meet, std::ostream& out, const Race& race, int width,
                          int showType) const {
    out << RaceCrewsText(meet, race, width, showType);
}

std::string Draw::NextRaceTimeText(const Race& race) const {
    int time = -1;
    return NextRaceTime(race, time) ? ClockTimeText(time) : std::string(4, ' ');
}

std::string Draw::NextRaceNameText(const Race& race) const {
    if (race.Index < 2 || race.Index >= Size)
        return std::string(4, ' ');
    return RaceAt(race.Index / 2).Name();
}

} // namespace bm
