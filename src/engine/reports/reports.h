// The fixed-width text reports of the display selector (besides the draw
// displays). Each writes plain text lines to a stream; show type 0 "Races",
// 1 "Results", 2 "Truncated " chooses how the race-line pieces name a decided
// feeding race.
#pragma once

#include "engine/draw/drawdisplay.h"

#include <cstdint>
#include <ostream>

namespace bm {

class Boatmeet;
class Crew;
struct Race;

// --- Draw status and errors (drawstatus.cpp) -----------------------------------------
// Writes the four checks; returns the number of problems found (an event line
// other than "Draw is OK", a gap line, a race out of order, a crew with errors).
int WriteDrawStatus(const Boatmeet& meet, std::ostream& out, ShowType showType);

// --- Race schedule and details (raceschedule.cpp) -------------------------------------
void WriteRaceSchedule(const Boatmeet& meet, std::ostream& out, ShowType showType);
void WriteRaceDetails(const Boatmeet& meet, std::ostream& out);
void WriteRaceDetail(const Boatmeet& meet, std::ostream& out, const Race& race);
// One crew and the times of its remaining races, without a final line break.
void WriteCrewRaces(const Boatmeet& meet, std::ostream& out, int crewId);

// --- Worksheets (worksheets.cpp) --------------------------------------------------------
void WriteRaceWorksheet(const Boatmeet& meet, std::ostream& out, bool remainingOnly,
                        ShowType showType);
void WriteWinnersWorksheet(const Boatmeet& meet, std::ostream& out);

// --- Billing and fees (billing.cpp) -----------------------------------------------------
// What the club report gives for each club.
enum class ClubReportMode { RaceTimes = 0, Fees = 1, Both = 2 };
// Club by club: the race times of its crews, its fees, or both.
void WriteClubReport(const Boatmeet& meet, std::ostream& out, ClubReportMode mode);
void WriteEntryFeesByEvent(const Boatmeet& meet, std::ostream& out);
// The entry fee the crew owes, in hundredths (never below 0).
std::int64_t CrewEntryFee(const Boatmeet& meet, const Crew& crew);

// --- Club and event listings (listings.cpp) ---------------------------------------------
void WriteOversizedNames(const Boatmeet& meet, std::ostream& out);
void WriteClubColours(const Boatmeet& meet, std::ostream& out);
void WriteClubContacts(const Boatmeet& meet, std::ostream& out);
void WriteDrawsByClub(const Boatmeet& meet, std::ostream& out);
void WriteEventTotals(const Boatmeet& meet, std::ostream& out);
void WriteFinalsResults(const Boatmeet& meet, std::ostream& out);

} // namespace bm
