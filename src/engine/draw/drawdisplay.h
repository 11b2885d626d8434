// The draw displays: every drawn event as a bracket chart or as one line per
// race, and the race-line pieces (slot texts, next race) that other reports
// reuse. The show type chooses how a decided feeding race is named.
#pragma once

#include <ostream>
#include <string>

namespace bm {

class Boatmeet;
class Draw;
struct Race;

// How a slot fed by a decided race reads: "Races" names the race ("Winner
// R12"), "Results" the winner's numbered label, "Truncated " its short label.
// The values are the indexes of the show type box.
enum class ShowType { Races = 0, Results = 1, Truncated = 2 };
// The two draw displays: a bracket chart, or one line per race.
enum class DrawLayout { Tree = 0, List = 1 };

void WriteAllDraws(const Boatmeet& meet, std::ostream& out, DrawLayout layout, ShowType showType);
// One event in the layout; an event without a draw shows as undrawn.
void WriteEventDraw(const Boatmeet& meet, int eventKey, std::ostream& out, DrawLayout layout,
                    ShowType showType);
// The bracket chart of one draw (bracketchart.cpp); nothing for an undrawn one.
void WriteDrawTree(const Boatmeet& meet, const Draw& draw, std::ostream& out, ShowType showType);
// The list layout of one draw, its crew column as wide as the widest label of the meet.
void WriteDrawList(const Boatmeet& meet, const Draw& draw, std::ostream& out, ShowType showType);

// The event's name (with its sponsor when "ShowSponsor" is on and the event has
// one), then a line of "=" as long as the name alone.
void WriteEventHeading(const Boatmeet& meet, int eventKey, std::ostream& out);

// --- Race-line pieces ----------------------------------------------------------------
// The text of slot s of a race: a crew's numbered label, "Winner R..." for a
// feeding race (or its winner, by show type), empty for an empty slot.
std::string SlotText(const Boatmeet& meet, const Draw& draw, const Race& race, int s,
                     ShowType showType);
// Both slot texts, each padded to the width, two blanks apart.
std::string RaceCrewsText(const Boatmeet& meet, const Draw& draw, const Race& race, int width,
                          ShowType showType);
// The time of the race the winner goes on to; four blanks for the final.
std::string NextRaceTimeText(const Draw& draw, const Race& race);
// The name of the race the winner goes on to; four blanks for the final.
std::string NextRaceNameText(const Draw& draw, const Race& race);

} // namespace bm
