// Grouping an event's crews by club for the random draw; the event split
// groups its crews the same way.
#pragma once

#include <vector>

namespace bm {

class Crew;

// Moves the crews of the club with the most crews in the remaining list into
// the group (emptied first), in reverse list order. Between clubs with equally
// many crews, the club whose first crew stands earliest in the list wins.
void TakeLargestClubGroup(std::vector<Crew*>& remaining, std::vector<Crew*>& group);

} // namespace bm
