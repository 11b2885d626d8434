#include "engine/draw/crewraceinfo.h"

#include "engine/draw/racelookup.h"
#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/model/text.h"

#include <algorithm>

namespace bm {

namespace {

const std::string Rule(44, '-');

std::string TimesText(const std::vector<int>& times) {
    std::string text;
    for (int time : times)
        text += "  " + ClockTimeText(time);
    return text;
}

void AddCandidates(Boatmeet& meet, const std::vector<int>& crews, std::size_t from,
                   InfoLines& lines) {
    for (std::size_t i = from; i < crews.size(); ++i)
        lines.push_back("   " + meet.CompactCrewLabel(meet.FindCrew(crews[i])));
}

void AddLinked(Boatmeet& meet, const std::vector<int>& ids, InfoTimeTable& table) {
    for (int id : ids)
        AddCrewRaceInfo(meet, id, table);
}

} // namespace

std::string CrewFormatStr(Boatmeet& meet, const Crew& crew) {
    return meet.Events.TextOf(crew.EventKey) + " " + meet.CompactCrewLabel(&crew);
}

void AddCrewInfoNum(Boatmeet& meet, int n, InfoLines& lines) {
    // The crew itself, not a lookup of its id: an id read from a file may
    // name no crew (below 1) or another crew (borne twice).
    const Crew* crew = meet.CrewOfNumber(n);
    if (!crew) {
        lines.push_back(PadTextLeft(std::to_string(n), 4) + " : Not a valid Crew Number");
        return;
    }
    AddCrewInfo(meet, *crew, lines);
}

void AddCrewInfo(Boatmeet& meet, const Crew& crew, InfoLines& lines) {
    lines.push_back(meet.EventCrewLabel(&crew));
    lines.push_back("  Races at :" + TimesText(RemainingTimes(meet, crew.Id)));
    for (int id : crew.DoubleUps)
        DupShare(meet, "DoubleUp ", id, lines);
    for (int id : crew.BoatShares)
        DupShare(meet, "BoatShare", id, lines);
}

void DupShare(Boatmeet& meet, const std::string& label, int partnerId, InfoLines& lines) {
    const Crew* partner = meet.FindCrew(partnerId);
    const std::string partnerText = partner ? CrewFormatStr(meet, *partner) : std::string();
    lines.push_back("   " + label + " : " + partnerText + "   : " +
                    TimesText(RemainingTimes(meet, partnerId)));
}

void RaceInfo(Boatmeet& meet, int n, InfoLines& lines) {
    const Race* race = n < 0 ? nullptr : meet.FindRaceByNumber(n);
    const Draw* draw = race ? DrawOfRace(meet, *race) : nullptr;
    if (!draw)
        return;
    lines.push_back("Event   : " + meet.Events.TextOf(race->EventKey));
    lines.push_back("Race at : " + race->TimeText());
    lines.emplace_back();
    std::vector<int> candidates;
    draw->AppendSlotCandidates(*race, 0, candidates);
    lines.emplace_back("Crews that could be in first slot of race:");
    AddCandidates(meet, candidates, 0, lines);
    lines.emplace_back();
    const std::size_t firstSlot = candidates.size();
    draw->AppendSlotCandidates(*race, 1, candidates);
    if (candidates.size() == firstSlot) {
        lines.emplace_back(" Race was won by above crew");
        return;
    }
    lines.emplace_back("Crews that could be in second slot of race:");
    AddCandidates(meet, candidates, firstSlot, lines);
    lines.emplace_back();
    lines.insert(lines.end(), {Rule, " ** Details for crews", Rule, ""});
    for (int id : candidates) {
        if (const Crew* crew = meet.FindCrew(id))
            AddCrewInfo(meet, *crew, lines);
        lines.emplace_back();
    }
    InfoTimeTable table;
    for (int id : candidates) {
        AddCrewRaceInfo(meet, id, table);
        if (const Crew* crew = meet.FindCrew(id)) {
            AddLinked(meet, crew->BoatShares, table);
            AddLinked(meet, crew->DoubleUps, table);
        }
    }
    lines.insert(lines.end(), {"", Rule, " ** Races that may be a problem", Rule, ""});
    for (const InfoTimeRow& row : table)
        lines.push_back(ClockTimeText(row.Time) + "  " + CrewInfo(meet, row.Crews));
}

void AddCrewRaceInfo(Boatmeet& meet, int crewId, InfoTimeTable& table) {
    for (int time : RemainingTimes(meet, crewId)) {
        auto row = std::find_if(table.begin(), table.end(),
                                [time](const InfoTimeRow& r) { return r.Time >= time; });
        if (row == table.end() || row->Time > time)
            row = table.insert(row, InfoTimeRow{time, {}});
        row->Crews.push_back(crewId);
    }
}

std::string CrewInfo(Boatmeet& meet, const std::vector<int>& crews) {
    if (crews.empty())
        return {};
    const Crew* first = meet.FindCrew(crews.front());
    std::string text = meet.Events.TextOf(first ? first->EventKey : -1) + "  : ";
    for (std::size_t i = 0; i < crews.size(); ++i)
        text += (i ? " , " : "") + meet.CompactCrewLabel(meet.FindCrew(crews[i]));
    return text;
}

InfoLines InformationText(Boatmeet& meet, bool crew, int n) {
    InfoLines lines{""};
    if (crew)
        AddCrewInfoNum(meet, n, lines);
    else
        RaceInfo(meet, n, lines);
    return lines;
}

std::string DataTypeLabel(bool crew) {
    return crew ? "Crew Number:" : "Race Number:";
}

InfoLines InformationView::NewNumber(Boatmeet& meet, bool crew, std::string_view number) {
    int n = 0;
    if (!ParseWholeInt(number, n))
        return {};
    InfoLines lines = InformationText(meet, crew, n);
    if (n == last_)
        lines.erase(lines.begin());
    last_ = n;
    return lines;
}

} // namespace bm
