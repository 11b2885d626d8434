// The texts of the crew and race information window: for a crew number, the
// races the crew may still row and when, with those of its doubling-up and
// boat-sharing partners; for a race number, the crews that may still turn up in
// each slot and a table of their races by time, so that clashes stand out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bm {

class Boatmeet;
class Crew;

using InfoLines = std::vector<std::string>;

// One row of a race's time table: a time (HHMM, -1 for none) and the crews that
// may race then.
struct InfoTimeRow {
    int Time = -1;
    std::vector<int> Crews;
};
using InfoTimeTable = std::vector<InfoTimeRow>;

// The event's name, a blank and the crew's compact label.
std::string CrewFormatStr(Boatmeet& meet, const Crew& crew);
// The crew numbered n, or one line saying that no crew has the number.
void AddCrewInfoNum(Boatmeet& meet, int n, InfoLines& lines);
// The crew, the times of its races still to be decided, and its partners'.
void AddCrewInfo(Boatmeet& meet, const Crew& crew, InfoLines& lines);
// One partner line: the label, the partner and the partner's remaining times.
void DupShare(Boatmeet& meet, const std::string& label, int partnerId, InfoLines& lines);
// The race numbered n (nothing when no race has it).
void RaceInfo(Boatmeet& meet, int n, InfoLines& lines);
// Adds the crew under each time of its remaining races, rows kept in time order.
void AddCrewRaceInfo(Boatmeet& meet, int crewId, InfoTimeTable& table);
// The event of the first crew and every crew's compact label; empty for none.
std::string CrewInfo(Boatmeet& meet, const std::vector<int>& crews);

// The window's whole text for a crew number (crew true) or a race number, as
// shown when the number is entered anew: an empty line, then the answer.
InfoLines InformationText(Boatmeet& meet, bool crew, int n);

// The label of the number edit once "Crew" (crew true) or "Race" is chosen.
std::string DataTypeLabel(bool crew);

// The information window's text as its number changes and on every refresh
// all, which reads the same number again.
class InformationView {
public:
    // The answer for the number typed (trimmed): nothing for an empty text or
    // one that is not a number; an empty line on top only when the number
    // differs from the last one shown.
    InfoLines NewNumber(Boatmeet& meet, bool crew, std::string_view number);

private:
    int last_ = -1;
};

} // namespace bm
