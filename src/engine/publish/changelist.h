// What changed for each crew between the crews a publication showed and the
// crews of the meet now, as plain lines fit to mail to a club.
#pragma once

#include "engine/publish/publishedcrews.h"

#include <string>
#include <vector>

namespace bm {

class Boatmeet;

// One change: the club it is listed under, the crew ("MS 4- (1) Riverside
// Alpha") and what changed ("race 2 (Heat): time 0900 -> 0915").
struct CrewChange {
    std::string Club;
    std::string Crew;
    std::string Text;

    bool operator==(const CrewChange&) const = default;
};

// The changes of a publication: a sentence saying what they are measured
// against, then the changes, club by club and crew by crew.
struct ChangeList {
    std::string Intro;
    std::vector<CrewChange> Changes;

    bool operator==(const ChangeList&) const = default;
};

// The changes from the crews before to the crews now (both by id), ordered by
// club name, then by event (in the meet's order) and crew. A crew that
// changed club is listed under both clubs.
std::vector<CrewChange> CompareCrews(const Boatmeet& meet, const std::vector<PublishedCrew>& before,
                                     const std::vector<PublishedCrew>& now);

// The change list as text: the intro; then, after an empty line, each club's
// name, its crews indented by two blanks and their changes by four, with an
// empty line between clubs.
std::vector<std::string> ChangeListLines(const ChangeList& list);

} // namespace bm
