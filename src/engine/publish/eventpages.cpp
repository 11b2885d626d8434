// The page of each event: its draw as a bracket of race cards, one column per
// round on a wide screen, and the crews entered but not in the draw.
#include "engine/publish/sitepages.h"

#include "engine/model/boatmeet.h"
#include "engine/publish/pageframe.h"
#include "engine/publish/siteraces.h"
#include "engine/publish/sitetext.h"

namespace bm {

namespace {

std::string CrewLine(const std::string& label, bool won) {
    if (label.empty())
        return "<p class=\"crew note\">Bye</p>\n";
    if (won)
        return "<p class=\"crew won\">" + HtmlEscaped(label) +
               "<span class=\"badge\">won</span></p>\n";
    return "<p class=\"crew\">" + HtmlEscaped(label) + "</p>\n";
}

// A result that does not stand shows no winner and no verdict.
std::string RaceCard(const Boatmeet& meet, const Draw& draw, const Race& race) {
    std::string card = "<div class=\"race\">\n<p class=\"race-head\"><span>" +
                       HtmlEscaped(SiteRaceTitle(draw, race)) + "</span><span>" +
                       SiteTimeText(race.Time) + "</span></p>\n";
    int crews[2] = {0, 0};
    const bool stands = ResultStands(draw, race) && SiteCrews(draw, race, crews);
    for (int s = 0; s < 2; ++s)
        card += CrewLine(SlotLabel(meet, draw, race, s), stands && crews[s] == race.Winner);
    if (stands && !race.Verdict.empty())
        card += "<p class=\"verdict\">" + HtmlEscaped(race.Verdict) + "</p>\n";
    else if (race.HasResult() && !stands)
        card += std::string("<p class=\"verdict\">Result ") + ToBeConfirmedText + "</p>\n";
    return card + "</div>\n";
}

// The rounds from the first to the final; a race that holds no crew (a bye
// whose crew went straight on) is an empty card that only keeps the bracket's
// shape.
std::string Bracket(const Boatmeet& meet, const Draw& draw) {
    std::string bracket = "<div class=\"bracket\">\n";
    for (int first = draw.Size / 2; first >= 1; first /= 2) {
        std::string races;
        bool held = false;
        for (int index = first; index < 2 * first; ++index) {
            const Race& race = draw.RaceAt(index);
            const bool bye = race.Slots[0] == 0 && race.Slots[1] == 0;
            races += bye ? "<div class=\"race bye\"></div>\n" : RaceCard(meet, draw, race);
            held = held || !bye;
        }
        if (held)
            bracket += "<section class=\"round\">\n<h2>" + SiteRoundName(draw, draw.RaceAt(first)) +
                       "</h2>\n<div class=\"round-races\">\n" + races + "</div>\n</section>\n";
    }
    return bracket + "</div>\n";
}

std::string OutsideTheDraw(const std::vector<const PublishedCrew*>& crews, bool drawn) {
    std::string list;
    for (const PublishedCrew* crew : crews)
        if (crew->Position == 0)
            list += "<li>" + HtmlEscaped(crew->Label) + "</li>\n";
    if (list.empty())
        return {};
    return std::string("<h2>") + (drawn ? "Entered, not in the draw" : "Entries") +
           "</h2>\n<ul>\n" + list + "</ul>\n";
}

} // namespace

std::string EventPageName(const Boatmeet& meet, int eventKey) {
    return PageFileName("event", meet.Events.TextOf(eventKey), eventKey);
}

std::string EventPage(const Boatmeet& meet, int eventKey,
                      const std::vector<const PublishedCrew*>& crews) {
    std::string page = PageStart(meet, meet.Events.TextOf(eventKey));
    if (meet.Sponsors.HasKey(eventKey) && !meet.Sponsors.TextOf(eventKey).empty())
        page += "<p class=\"note\">Sponsored by " + HtmlEscaped(meet.Sponsors.TextOf(eventKey)) +
                "</p>\n";
    const Draw* draw = meet.FindDraw(eventKey);
    const bool drawn = draw && draw->HeldRaceCount() > 0;
    if (drawn)
        page += Bracket(meet, *draw);
    else
        page += "<p>Not drawn yet.</p>\n";
    page += OutsideTheDraw(crews, drawn);
    if (crews.empty())
        page += "<p class=\"note\">No entries.</p>\n";
    return page + PageEnd();
}

} // namespace bm
