// The random draw of an event: byes spread evenly over the first round, the
// biggest club placed first, and the crews of one club kept apart so that they
// meet as late as their number allows. The event split groups its crews by
// club the same way.
#pragma once

#include <vector>

namespace bm {

class Boatmeet;
class Crew;
class Draw;

// The first-round entries of the draw of so many crews, true for each that the
// draw leaves as a bye: of n = NextPowerOfTwo(crews) entries, the b = n - crews
// byes stand at entries n*i/b, spread evenly, whatever the crews drawn.
std::vector<bool> ByeEntries(int crews);
// Moves the crews of the club with the most crews in the remaining list into
// the group (emptied first), in reverse list order. Between clubs with equally
// many crews, the club whose first crew stands earliest in the list wins.
void TakeLargestClubGroup(std::vector<Crew*>& remaining, std::vector<Crew*>& group);
// Draws the crews into the draw with the program-wide random generator; the
// list is emptied.
void DrawCrews(Draw& draw, std::vector<Crew*>& crews);
// Draws one event's crews, then collects the meet's race list.
void DrawEvent(Boatmeet& meet, int eventKey);
// Draws every event in set order, then collects the meet's race list.
void DrawAllEvents(Boatmeet& meet);

} // namespace bm
