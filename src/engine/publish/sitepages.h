// The pages of the published web site: HTML5 in UTF-8 with one stylesheet of
// their own and no scripts, readable on a phone and printable.
#pragma once

#include "engine/publish/publicationrecord.h"
#include "engine/publish/publishedcrews.h"

#include <map>
#include <string>
#include <vector>

namespace bm {

class Boatmeet;

// The site's files by name, each with its content.
using SitePages = std::map<std::string, std::string>;

// The files that follow from the meet alone: the stylesheet, one page per
// event (the draw as a bracket) and per club with crews (its races in time
// order), the race schedule and the finals results.
SitePages MeetPages(const Boatmeet& meet, const std::vector<PublishedCrew>& crews);
// The pages of the publication itself: index.html (the regatta, the
// publication's number and time, links to every page) and changes.html.
void AddPublicationPages(const Boatmeet& meet, const std::vector<PublishedCrew>& crews,
                         const Publication& publication, SitePages& pages);

// The single pages, each a whole HTML document.
std::string EventPage(const Boatmeet& meet, int eventKey,
                      const std::vector<const PublishedCrew*>& crews);
std::string ClubPage(const Boatmeet& meet, int clubKey,
                     const std::vector<const PublishedCrew*>& crews);
std::string SchedulePage(const Boatmeet& meet);
std::string FinalsPage(const Boatmeet& meet);

// The file names of an event's and a club's page.
std::string EventPageName(const Boatmeet& meet, int eventKey);
std::string ClubPageName(const Boatmeet& meet, int clubKey);

} // namespace bm
