// Races as the site shows them: one name for each round on every page, times
// as the scheduler speaks of them, and the results that stand. A result
// stands when it names one of the crews that row in the race as the site
// knows them; a result left naming a crew that no longer reaches its race
// (after the result of a race feeding it was changed) is shown "to be
// confirmed", and its winner goes on to no race. The stored results and the
// reports are not touched.
#pragma once

#include <string>

namespace bm {

class Draw;
struct Race;

inline constexpr const char* ToBeConfirmedText = "to be confirmed";

// "Final", "Semi-final", or "Round N" counted from the draw's first round.
std::string SiteRoundName(const Draw& draw, const Race& race);
// True when the site names the race by its number: it is numbered and
// contested, so the race schedule shows it under that number. A race left
// with one crew (its other crew deleted) keeps a number that renumbering may
// since have given another race, and is rowed by no one.
bool NamedByNumber(const Race& race);
// "Race 12" for a race named by its number, its round's name for another.
std::string SiteRaceTitle(const Draw& draw, const Race& race);
// "(NT)" for an untimed race, the clock value on the first day ("0930"), a
// time past midnight as the time of day and its day ("06:51 (day 3)").
std::string SiteTimeText(int time);

// The race's two crews in slot order, each feeding race resolved to its
// winner when its result stands; false when a feeding race has none that does.
bool SiteCrews(const Draw& draw, const Race& race, int crews[2]);
// True when the race has a result and its winner is one of its SiteCrews.
bool ResultStands(const Draw& draw, const Race& race);

} // namespace bm
