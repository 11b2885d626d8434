// The report catalogue behind the main window's display selector.
#pragma once

#include "engine/draw/drawdisplay.h"

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace bm {

class Boatmeet;

constexpr int ReportCount = 18;
constexpr std::array<std::string_view, ReportCount> ReportCaptions = {
    "Draw (Tree)",
    "Draw (List)",
    "Race Schedule",
    "Race Times By Crew/Club",
    "Race Details",
    "Draw Status and Errors",
    "Crews with Oversized Club+Name",
    "Billing Report",
    "Entry Fees by Event",
    "Race WorkSheet (all races)",
    "Race Worksheet (remaining races)",
    "Winners Worksheet",
    "List Club Colours",
    "List Club Contacts",
    "Combined Billing/RaceTimes by Club",
    "Draws for each Club",
    "Event Totals / Number of rounds",
    "Finals Results",
};

// The selector index named by a number (0 to 17) or a caption (letter case and
// surrounding blanks ignored); -1 when none.
int FindReport(std::string_view which);
// Writes report `index` of the meet with the show type; false when there is no such report.
bool WriteReport(const Boatmeet& meet, int index, ShowType showType, std::ostream& out);

} // namespace bm
