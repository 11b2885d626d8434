// The race schedule, the race detail blocks and a crew's remaining races.
#include "engine/reports/reports.h"

#include "engine/draw/racelookup.h"
#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/text.h"

#include <algorithm>

namespace bm {

namespace {

bool HasLinks(const Boatmeet& meet, const std::vector<int>& crews, std::vector<int> Crew::*links) {
    return std::any_of(crews.begin(), crews.end(), [&](int id) {
        const Crew* crew = meet.FindCrew(id);
        return crew && !(crew->*links).empty();
    });
}

// "Doubling Up: " or "BoatSharing: " and each possible crew's partners.
void WritePartners(const Boatmeet& meet, std::ostream& out, const std::vector<int>& crews,
                   std::vector<int> Crew::*links, const char* title) {
    if (!HasLinks(meet, crews, links))
        return;
    out << "\n" << title << "\n";
    for (int id : crews) {
        const Crew* crew = meet.FindCrew(id);
        if (!crew)
            continue;
        for (int partner : crew->*links) {
            out << "Crew: " << crew->Number << "  with crew: ";
            WriteCrewRaces(meet, out, partner);
            out << "\n";
        }
    }
}

} // namespace

void WriteCrewRaces(const Boatmeet& meet, std::ostream& out, int crewId) {
    const Crew* crew = meet.FindCrew(crewId);
    if (!crew)
        return;
    out << crew->Number << ' ' << meet.Events.TextOf(crew->EventKey) << ' ' << crew->Name << ' '
        << meet.Clubs.TextOf(crew->ClubKey) << "\n    Races at:";
    const std::vector<int> times = RemainingTimes(meet, crewId);
    for (std::size_t i = 0; i < times.size(); ++i)
        out << (i ? "," : "") << ClockTimeText(times[i]);
}

void WriteRaceSchedule(const Boatmeet& meet, std::ostream& out, ShowType showType) {
    const int m = meet.Events.MaxTextLength();
    const int w = meet.MaxLabelWidth(2, 0, false);
    for (const Race* race : meet.OrderedRaces()) {
        const Draw* draw = DrawOfRace(meet, *race);
        if (!out)
            return;
        if (!draw)
            continue;
        out << PadTextLeft(race->TimeText(), 4) << ' ' << race->Name() << ' '
            << PadText(meet.Events.TextOf(race->EventKey), m) << ' ';
        out << RaceCrewsText(meet, *draw, *race, w, showType);
        if (race->Index > 1)
            out << "  (" << NextRaceTimeText(*draw, *race) << ")";
        out << "\n";
    }
}

void WriteRaceDetails(const Boatmeet& meet, std::ostream& out) {
    for (const Race* race : meet.OrderedRaces()) {
        if (!out)
            return;
        WriteRaceDetail(meet, out, *race);
        out << "\n\n";
    }
}

void WriteRaceDetail(const Boatmeet& meet, std::ostream& out, const Race& race) {
    const Draw* draw = DrawOfRace(meet, race);
    out << race.Name() << ' ' << meet.Events.TextOf(race.EventKey) << " at "
        << ClockTimeText(race.Time) << "\n";
    out << " Previous rounds: ";
    std::vector<int> times;
    if (draw && draw->AppendFeederTimes(race, times)) {
        for (int time : times)
            out << ClockTimeText(time) << ' ';
    } else {
        out << "No preceeding rounds";
    }
    out << "\n Next round     : ";
    int next = -1;
    if (draw && draw->NextRaceTime(race, next))
        out << ClockTimeText(next) << ' ';
    else
        out << "No following rounds";
    out << "\n";
    std::vector<int> crews;
    if (draw)
        draw->AppendPossibleCrews(race, crews);
    WritePartners(meet, out, crews, &Crew::DoubleUps, "Doubling Up: ");
    WritePartners(meet, out, crews, &Crew::BoatShares, "BoatSharing: ");
    out << "\n\n" << std::string(43, '-');
}

} // namespace bm
