// The whole site: the pages that follow from the meet, and the index and
// change pages of one publication.
#include "engine/publish/sitepages.h"

#include "engine/model/boatmeet.h"
#include "engine/publish/pageframe.h"
#include "engine/publish/sitetext.h"

#include <algorithm>
#include <unordered_map>

namespace bm {

namespace {

using CrewsByKey = std::unordered_map<int, std::vector<const PublishedCrew*>>;

CrewsByKey CrewsBy(const std::vector<PublishedCrew>& crews, int PublishedCrew::*key) {
    CrewsByKey by;
    for (const PublishedCrew& crew : crews)
        by[crew.*key].push_back(&crew);
    return by;
}

// A club's crews by event, in the meet's order, then by label.
std::vector<const PublishedCrew*> InEventOrder(const Boatmeet& meet,
                                               std::vector<const PublishedCrew*> crews) {
    std::stable_sort(crews.begin(), crews.end(), [&meet](const auto* a, const auto* b) {
        const int x = meet.Events.IndexOfKey(a->EventKey);
        const int y = meet.Events.IndexOfKey(b->EventKey);
        return x != y ? x < y : a->Label < b->Label;
    });
    return crews;
}

// The clubs of the meet that have crews on the site, in the meet's order.
std::vector<int> ClubsWithCrews(const Boatmeet& meet, const CrewsByKey& byClub) {
    std::vector<int> clubs;
    for (int key : meet.Clubs.Keys())
        if (byClub.count(key))
            clubs.push_back(key);
    return clubs;
}

std::string PublicationLine(const Publication& publication) {
    return "<p class=\"note\">Publication " + std::to_string(publication.Number) + ", published " +
           HtmlEscaped(publication.Time) + ".</p>\n";
}

std::string IndexPage(const Boatmeet& meet, const std::vector<int>& clubs,
                      const Publication& publication) {
    std::string page = PageStart(meet, meet.Title.empty() ? "Regatta" : meet.Title);
    page += PublicationLine(publication);
    page += "<ul>\n<li>" + PageLink("schedule.html", "Race schedule") + "</li>\n<li>" +
            PageLink("finals.html", "Finals results") + "</li>\n<li>" +
            PageLink("changes.html", "Changes since the previous publication") +
            "</li>\n</ul>\n<h2>Events</h2>\n<ul class=\"columns\">\n";
    for (int key : meet.Events.Keys())
        page += "<li>" + PageLink(EventPageName(meet, key), meet.Events.TextOf(key)) + "</li>\n";
    page += "</ul>\n<h2>Clubs</h2>\n<ul class=\"columns\">\n";
    for (int key : clubs)
        page += "<li>" + PageLink(ClubPageName(meet, key), meet.Clubs.TextOf(key)) + "</li>\n";
    return page + "</ul>\n" + PageEnd();
}

// The club's name, a link to its page when the site has one.
std::string ClubHeading(const Boatmeet& meet, const CrewsByKey& byClub, const std::string& club) {
    const int key = meet.Clubs.KeyOf(club);
    if (key >= 0 && meet.Clubs.TextOf(key) == club && byClub.count(key))
        return "<h2>" + PageLink(ClubPageName(meet, key), club) + "</h2>\n";
    return "<h2>" + HtmlEscaped(club) + "</h2>\n";
}

std::string ChangesPage(const Boatmeet& meet, const CrewsByKey& byClub,
                        const Publication& publication) {
    std::string page = PageStart(meet, "Changes");
    page += PublicationLine(publication);
    page += "<p>" + HtmlEscaped(publication.Changes.Intro) + "</p>\n";
    const CrewChange* last = nullptr;
    for (const CrewChange& change : publication.Changes.Changes) {
        const bool newClub = !last || last->Club != change.Club;
        if (last && (newClub || last->Crew != change.Crew))
            page += "</ul>\n";
        if (newClub)
            page += ClubHeading(meet, byClub, change.Club);
        if (newClub || last->Crew != change.Crew)
            page += "<h3>" + HtmlEscaped(change.Crew) + "</h3>\n<ul>\n";
        page += "<li>" + HtmlEscaped(change.Text) + "</li>\n";
        last = &change;
    }
    if (last)
        page += "</ul>\n";
    return page + PageEnd();
}

} // namespace

SitePages MeetPages(const Boatmeet& meet, const std::vector<PublishedCrew>& crews) {
    SitePages pages;
    pages[StylesheetName] = SiteStylesheet();
    const CrewsByKey byEvent = CrewsBy(crews, &PublishedCrew::EventKey);
    const CrewsByKey byClub = CrewsBy(crews, &PublishedCrew::ClubKey);
    for (int key : meet.Events.Keys()) {
        const auto found = byEvent.find(key);
        pages[EventPageName(meet, key)] =
            EventPage(meet, key,
                      found == byEvent.end() ? std::vector<const PublishedCrew*>{} : found->second);
    }
    for (int key : ClubsWithCrews(meet, byClub))
        pages[ClubPageName(meet, key)] = ClubPage(meet, key, InEventOrder(meet, byClub.at(key)));
    pages["schedule.html"] = SchedulePage(meet);
    pages["finals.html"] = FinalsPage(meet);
    return pages;
}

void AddPublicationPages(const Boatmeet& meet, const std::vector<PublishedCrew>& crews,
                         const Publication& publication, SitePages& pages) {
    const CrewsByKey byClub = CrewsBy(crews, &PublishedCrew::ClubKey);
    pages["index.html"] = IndexPage(meet, ClubsWithCrews(meet, byClub), publication);
    pages["changes.html"] = ChangesPage(meet, byClub, publication);
}

} // namespace bm
