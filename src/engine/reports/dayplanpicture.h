// The picture of the day: the race periods on a time line, a row per event
// with the earliest start of each of its rounds and of its final, the races
// against the free time slots, and what does not fit in red with its words
// beside it. Laid out once as shapes in pixels, so that the web page (SVG)
// and the window (painted) show the same picture.
#pragma once

#include "engine/schedule/dayplan.h"

#include <ostream>
#include <string>
#include <vector>

namespace bm {

enum class PlanMark {
    Period,    // a race period's band across the rows
    Hour,      // a line at a whole hour, with its time as text
    End,       // the end of the latest period
    Label,     // plain text (event names, words beside shapes)
    LateLabel, // text that says what does not fit
    Round,     // an event's round at its earliest start, as long as its races take
    Final,     // an event's final at its earliest start
    LateFinal, // a final that cannot start by the end
    Slots,     // the free time slots, on the races-against-slots bar
    Races,     // the races that fit them
    Overflow,  // the races beyond them
};

struct PlanShape {
    PlanMark Mark = PlanMark::Label;
    double X = 0; // left edge; for text, where it starts
    double Y = 0; // top edge; for text, its baseline
    double W = 0;
    double H = 0;
    std::string Text;
};

struct PlanPicture {
    double Width = 0;
    double Height = 0;
    double RowHeight = 0;
    std::vector<PlanShape> Shapes; // in painting order
};

// charWidth: the width of a character of the text, for the room words need;
// width: the width to fill (the time line keeps a least width of its own).
PlanPicture LayOutDayPlan(const DayPlan& plan, double charWidth = 7, double width = 1000);

// The picture as an SVG element (with its title and description for screen readers).
void WriteDayPlanSvg(std::ostream& out, const PlanPicture& picture);

} // namespace bm
