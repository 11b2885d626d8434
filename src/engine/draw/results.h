// Recording results: the winner and verdict of a race found by its number.
// Progression needs nothing more, since later races refer to the winner of the
// race that feeds them. The results window and the command line share these.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace bm {

class Boatmeet;
class Draw;
struct Race;

inline constexpr const char* InvalidRaceNumberText = "Invalid Race Number";
inline constexpr const char* NoDrawText = "No Draw for the event!";
inline constexpr const char* NoCrewListText = "No List of crews available?";

// The race whose number the text (trimmed) gives. None for an empty text or a
// number no race bears; none with message "Invalid Race Number" for a text that
// is not a number.
Race* FindResultRace(Boatmeet& meet, std::string_view numberText, std::string& message);
// The race's two crews in slot order, feeding races resolved to their winners:
// false with "No Draw for the event!" or "No List of crews available?".
bool ResultCrews(Boatmeet& meet, const Race& race, std::array<int, 2>& crews, std::string& message);
// Makes the crew the winner, with the verdict as it may be stored.
void RecordResult(Race& race, int winner, std::string_view verdict);
// Back to undecided: no winner and no verdict.
void ClearResult(Race& race);

// True when the race has a result and its winner is one of the crews that row
// in it (feeding races resolved to their winners as stored). A result changed
// after the race it feeds was decided can leave that race naming a crew that
// no longer reaches it.
bool ResultNamesItsCrew(const Draw& draw, const Race& race);

// After the winner of the race changed from the old winner (-1 for none):
// "Race N already has a result: check it" when the race its winner goes on to
// already has a result; empty otherwise.
std::string FedRaceWarning(const Boatmeet& meet, const Race& race, int oldWinner);

// Records the crew in place 1 or 2 of the race as winner, or clears the result
// for place 0, as the results window does. Without a verdict the race keeps
// the verdict the window shows: its own when it has a result, else none. The
// message when nothing was recorded; empty on success. The warning, when
// given, receives FedRaceWarning's text.
std::string SetRaceResult(Boatmeet& meet, std::string_view raceNumber, int place,
                          const std::optional<std::string>& verdict,
                          std::string* warning = nullptr);

} // namespace bm
