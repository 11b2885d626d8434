// The fixed-width text reports of the display selector (besides the draw
// displays). Each writes plain text lines to a stream; show type 0 "Races",
// 1 "Results", 2 "Truncated " chooses how the race-line pieces name a decided
// feeding race.
#pragma once

#include <cstdint>
#include <ostream>

namespace bm {

class Boatmeet;
class Crew;
struct Race;

// --- Draw status and errors (drawstatus.cpp) -----------------------------------------
// Writes the four checks; returns the number of problems found (an event line
// other than "Draw is OK", a gap line, a race out of order, a crew with errors).
int WriteDrawStatus(Boatmeet& meet, std::ostream& out, int showType);

// --- Race schedule and details (raceschedule.cpp) -------------------------------------
void WriteRaceSchedule(Boatmeet& meet, std::ostream& out, int showType);
void WriteRaceDetails(Boatmeet& meet, std::ostream& out);
void WriteRaceDetail(Boatmeet& meet, std::ostream& out, const Race& race);
// One crew and the times of its remaining races, without a final line break.
void WriteCrewRaces(Boatmeet& meet, std::ostream& out, int crewId);

// --- Worksheets (worksheets.cpp) --------------------------------------------------------
void WriteRaceWorksheet(Boatmeet& meet, std::ostream& out, bool remainingOnly, int showType);
void WriteWinnersWorksheet(Boatmeet& meet, std::ostream& out);

// --- Billing and fees (billing.cpp) -----------------------------------------------------
// Mode 0 race times, 1 fees, 2 both, club by club.
void WriteClubReport(Boatmeet& meet, std::ostream& out, int mode);
void WriteEntryFeesByEvent(Boatmeet& meet, std::ostream& out);
// The entry fee the crew owes, in hundredths (never below 0).
std::int64_t CrewEntryFee(const Boatmeet& meet, const Crew& crew);

// --- Club and event listings (listings.cpp) ---------------------------------------------
void WriteOversizedNames(Boatmeet& meet, std::ostream& out);
void WriteClubColours(Boatmeet& meet, std::ostream& out);
void WriteClubContacts(Boatmeet& meet, std::ostream& out);
void WriteDrawsByClub(Boatmeet& meet, std::ostream& out);
void WriteEventTotals(Boatmeet& meet, std::ostream& out);
void WriteFinalsResults(Boatmeet& meet, std::ostream& out);

} // namespace bm
