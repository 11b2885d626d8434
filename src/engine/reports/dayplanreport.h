// The plan of the day as the organiser reads it: sections of plain lines (the
// command line's text, the text beside the window's picture), and an HTML page
// with the picture as inline SVG above the same sections.
#pragma once

#include "engine/schedule/dayplan.h"

#include <ostream>
#include <string>
#include <vector>

namespace bm {

struct PlanSection {
    std::string Heading;
    // Lines that are listed items: they are indented in the text.
    std::vector<std::string> Items;
    // Lines that stand on their own, as scripts look for them: "At least N
    // races cannot be timed within the race periods", "Proposal: ...".
    std::vector<std::string> Lines;
};

// Race periods, events, races and time slots, crews shared between events,
// what does not fit, and (when there are any) the proposals.
std::vector<PlanSection> DayPlanSections(const DayPlan& plan);

// The title line "Plan of the Day" with the meet's title and date, if any.
std::string DayPlanTitle(const std::string& meetTitle);

// The title, a line of "=" under it, then each section: its heading, its items
// indented by two blanks, its lines, and an empty line.
void WriteDayPlanText(std::ostream& out, const std::string& meetTitle, const DayPlan& plan);
// A page of its own: the title, the picture, then the sections; what does not
// fit is marked in words and in colour.
void WriteDayPlanHtml(std::ostream& out, const std::string& meetTitle, const DayPlan& plan);

} // namespace bm
