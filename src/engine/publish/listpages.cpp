// The pages of races in time order: the race schedule, each club's races and
// the finals results, as tables that turn into one block per race on a phone.
#include "engine/publish/sitepages.h"

#include "engine/draw/racelookup.h"
#include "engine/model/boatmeet.h"
#include "engine/publish/pageframe.h"
#include "engine/publish/siteraces.h"
#include "engine/publish/sitetext.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace bm {

namespace {

// A cell that a phone shows after its label ("Result: won").
std::string Cell(std::string_view label, const std::string& html) {
    return "<td data-label=\"" + std::string(label) + "\">" + html + "</td>";
}

// A cell that says what it is by itself (a time, a race, an event, crews): a
// phone shows it without a label, the leading ones on the row's first line.
std::string PlainCell(const std::string& html, bool lead = false) {
    return std::string(lead ? "<td class=\"lead\">" : "<td>") + html + "</td>";
}

std::string TableStart(std::initializer_list<const char*> headings) {
    std::string table = "<table class=\"races\">\n<thead><tr>";
    for (const char* heading : headings)
        table += std::string("<th>") + heading + "</th>";
    return table + "</tr></thead>\n<tbody>\n";
}

constexpr const char* TableEnd = "</tbody>\n</table>\n";

// The event's name, a link to its page when the meet still has the event.
std::string EventCell(const Boatmeet& meet, int eventKey) {
    if (!meet.Events.HasKey(eventKey))
        return PlainCell(HtmlEscaped(meet.Events.TextOf(eventKey)), true);
    return PlainCell(PageLink(EventPageName(meet, eventKey), meet.Events.TextOf(eventKey)), true);
}

std::string RaceCell(const std::string& title, const std::string& round) {
    std::string html = HtmlEscaped(title);
    if (title != round)
        html += " <span class=\"note\">" + HtmlEscaped(round) + "</span>";
    return PlainCell(html, true);
}

// The result cell: the winner and the verdict when the result stands.
std::string ResultCell(const Boatmeet& meet, const Race& race, bool stands) {
    std::string result;
    if (stands) {
        result = HtmlEscaped(PublishedLabel(meet, meet.FindCrew(race.Winner)));
        if (!race.Verdict.empty())
            result += ", " + HtmlEscaped(race.Verdict);
    } else if (race.HasResult()) {
        result = ToBeConfirmedText;
    }
    return Cell("Result", result);
}

std::string ScheduleRow(const Boatmeet& meet, const Draw& draw, const Race& race) {
    int crews[2] = {0, 0};
    const bool stands = ResultStands(draw, race) && SiteCrews(draw, race, crews);
    std::string both;
    for (int s = 0; s < 2; ++s) {
        const bool won = stands && crews[s] == race.Winner;
        both += std::string("<span class=\"crew") + (won ? " won" : "") + "\">" +
                HtmlEscaped(SlotLabel(meet, draw, race, s)) + "</span>";
    }
    return "<tr>" + PlainCell(SiteTimeText(race.Time), true) +
           RaceCell(SiteRaceTitle(draw, race), SiteRoundName(draw, race)) +
           EventCell(meet, race.EventKey) + PlainCell(both) + ResultCell(meet, race, stands) +
           "</tr>\n";
}

// A crew's race on its club's page.
struct ClubRace {
    const PublishedCrew* Crew;
    const PublishedRace* Race;
};

int TimeOrder(int value) {
    return value < 0 ? INT_MAX : value;
}

std::vector<ClubRace> ClubRaces(const Boatmeet& meet,
                                const std::vector<const PublishedCrew*>& crews) {
    std::vector<ClubRace> races;
    for (const PublishedCrew* crew : crews)
        for (const PublishedRace& race : crew->Races)
            races.push_back({crew, &race});
    const auto order = [&meet](const ClubRace& r) {
        return std::make_tuple(TimeOrder(r.Race->Time), TimeOrder(r.Race->Number),
                               meet.Events.IndexOfKey(r.Crew->EventKey), -r.Race->Depth);
    };
    std::stable_sort(races.begin(), races.end(),
                     [&](const ClubRace& a, const ClubRace& b) { return order(a) < order(b); });
    return races;
}

std::string ClubRaceRow(const Boatmeet& meet, const ClubRace& r) {
    const std::string title =
        r.Race->Number >= 0 ? "Race " + std::to_string(r.Race->Number) : r.Race->Round;
    return "<tr>" + PlainCell(SiteTimeText(r.Race->Time), true) + RaceCell(title, r.Race->Round) +
           EventCell(meet, r.Crew->EventKey) + PlainCell(HtmlEscaped(r.Crew->Label)) +
           Cell("Opponent", HtmlEscaped(r.Race->Opponent)) +
           Cell("Result", HtmlEscaped(ResultText(*r.Race))) + "</tr>\n";
}

std::string ClubCrewList(const Boatmeet& meet, const std::vector<const PublishedCrew*>& crews) {
    std::string list = "<h2>Crews</h2>\n<ul>\n";
    for (const PublishedCrew* crew : crews) {
        list += "<li>" + PageLink(EventPageName(meet, crew->EventKey), crew->Event) + " " +
                HtmlEscaped(crew->Label);
        if (crew->Position == 0)
            list += " <span class=\"note\">(not in the draw)</span>";
        list += "</li>\n";
    }
    return list + "</ul>\n";
}

std::string FinalRow(const Boatmeet& meet, int eventKey) {
    const Draw* draw = meet.FindDraw(eventKey);
    const Race* final = draw && draw->HeldRaceCount() > 0 ? draw->FinalRace() : nullptr;
    int crews[2] = {0, 0};
    if (!final || !ResultStands(*draw, *final) || !SiteCrews(*draw, *final, crews)) {
        const char* note = !final               ? "Not drawn yet"
                           : final->HasResult() ? "Result to be confirmed"
                                                : "No result yet";
        return "<tr>" + EventCell(meet, eventKey) +
               PlainCell(std::string("<span class=\"note\">") + note + "</span>") +
               "<td></td><td></td></tr>\n";
    }
    const int other = crews[0] == final->Winner ? crews[1] : crews[0];
    return "<tr>" + EventCell(meet, eventKey) +
           Cell("Winner", HtmlEscaped(PublishedLabel(meet, meet.FindCrew(final->Winner)))) +
           Cell("Beaten", HtmlEscaped(PublishedLabel(meet, meet.FindCrew(other)))) +
           Cell("Verdict", HtmlEscaped(final->Verdict)) + "</tr>\n";
}

} // namespace

std::string ClubPageName(const Boatmeet& meet, int clubKey) {
    return PageFileName("club", meet.Clubs.TextOf(clubKey), clubKey);
}

std::string SchedulePage(const Boatmeet& meet) {
    std::string page = PageStart(meet, "Race schedule");
    std::string rows;
    for (const Race* race : meet.OrderedRaces())
        if (const Draw* draw = DrawOfRace(meet, *race))
            rows += ScheduleRow(meet, *draw, *race);
    if (rows.empty())
        page += "<p>No races yet.</p>\n";
    else
        page += TableStart({"Time", "Race", "Event", "Crews", "Result"}) + rows + TableEnd;
    return page + PageEnd();
}

std::string ClubPage(const Boatmeet& meet, int clubKey,
                     const std::vector<const PublishedCrew*>& crews) {
    std::string page = PageStart(meet, meet.Clubs.TextOf(clubKey));
    if (meet.ClubColours.HasKey(clubKey) && !meet.ClubColours.TextOf(clubKey).empty())
        page += "<p class=\"note\">Colours: " + HtmlEscaped(meet.ClubColours.TextOf(clubKey)) +
                "</p>\n";
    page += "<h2>Races</h2>\n";
    std::string rows;
    for (const ClubRace& race : ClubRaces(meet, crews))
        rows += ClubRaceRow(meet, race);
    if (rows.empty())
        page += "<p>No races yet.</p>\n";
    else
        page +=
            TableStart({"Time", "Race", "Event", "Crew", "Opponent", "Result"}) + rows + TableEnd;
    return page + ClubCrewList(meet, crews) + PageEnd();
}

std::string FinalsPage(const Boatmeet& meet) {
    std::string page = PageStart(meet, "Finals results");
    std::string rows;
    for (int key : meet.Events.Keys())
        rows += FinalRow(meet, key);
    if (rows.empty())
        page += "<p>No events.</p>\n";
    else
        page += TableStart({"Event", "Winner", "Beaten", "Verdict"}) + rows + TableEnd;
    return page + PageEnd();
}

} // namespace bm
