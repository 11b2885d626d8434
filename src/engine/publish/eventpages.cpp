// The page of each event: its draw as a bracket of race cards, one column per
// round on a wide screen, and the crews entered but not in the draw.
#include "engine/publish/sitepages.h"

#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"
#include "engine/publish/pageframe.h"
#include "engine/publish/sitetext.h"

namespace bm {

namespace {

std::string RoundHeading(int depth, int firstDepth) {
    if (depth == 0)
        return "Final";
    if (depth == 1)
        return "Semi-finals";
    return "Round " + std::to_string(firstDepth - depth + 1);
}

std::string CrewLine(const std::string& label, bool won) {
    if (label.empty())
        return "<p class=\"crew note\">Bye</p>\n";
    if (won)
        return "<p class=\"crew won\">" + HtmlEscaped(label) +
               "<span class=\"badge\">won</span></p>\n";
    return "<p class=\"crew\">" + HtmlEscaped(label) + "</p>\n";
}

std::string RaceCard(const Boatmeet& meet, const Draw& draw, const Race& race) {
    std::string card = "<div class=\"race\">\n<p class=\"race-head\"><span>" +
                       HtmlEscaped(RaceTitle(race)) + "</span><span>" + ClockTimeText(race.Time) +
                       "</span></p>\n";
    int crews[2] = {0, 0};
    const bool resolved = draw.ResolveCrews(race, crews);
    for (int s = 0; s < 2; ++s)
        card += CrewLine(SlotLabel(meet, draw, race, s),
                         race.HasResult() && resolved && crews[s] == race.Winner);
    if (race.HasResult() && !race.Verdict.empty())
        card += "<p class=\"verdict\">" + HtmlEscaped(race.Verdict) + "</p>\n";
    return card + "</div>\n";
}

// The rounds from the first to the final; a race that holds no crew (a bye
// whose crew went straight on) is an empty card that only keeps the bracket's
// shape.
std::string Bracket(const Boatmeet& meet, const Draw& draw) {
    std::string bracket = "<div class=\"bracket\">\n";
    const int firstDepth = BitLength(draw.Size) - 2;
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
            bracket += "<section class=\"round\">\n<h2>" +
                       RoundHeading(BitLength(first) - 1, firstDepth) +
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
