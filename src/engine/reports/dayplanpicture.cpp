#include "engine/reports/dayplanpicture.h"

#include "engine/model/clockmoney.h"
#include "engine/model/text.h"
#include "engine/schedule/schedulefit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bm {

namespace {

constexpr double Margin = 8;
constexpr double Row = 20;
constexpr double BarHeight = 12;
constexpr double MinTimeWidth = 360;  // pixels for the time line at least
constexpr double MinHourSpacing = 64; // pixels between hour labels at least
constexpr int MaxNameChars = 28;
constexpr int NoPeriodsStart = 9 * 60;
constexpr int NoPeriodsEnd = 17 * 60;

// Where the time line starts and ends and how wide a minute is.
class TimeLine {
public:
    TimeLine(const DayPlan& plan, double left, double right) : left_(left) {
        int first = NoPeriodsStart;
        int last = NoPeriodsEnd;
        if (!plan.Periods.empty()) {
            first = ClockToMinutes(plan.Periods.front().Period.Start);
            for (const PlanPeriod& period : plan.Periods)
                first = std::min(first, ClockToMinutes(period.Period.Start));
            last = std::max(plan.End, first + 60);
        }
        // Late finals stretch the line by up to half the day again, so the
        // periods keep most of the width; later ones stand at its right edge.
        const int reach = last + std::max(120, (last - first) / 2);
        for (const PlanEvent& event : plan.Events)
            last = std::max(last, std::min(event.EarliestFinal, reach));
        start_ = first / 60 * 60;
        end_ = (last + 59) / 60 * 60;
        scale_ = std::max(right - left, MinTimeWidth) / std::max(60, end_ - start_);
    }
    double Left() const { return left_; }
    double Right() const { return X(end_); }
    double X(int minutes) const {
        return left_ + (std::clamp(minutes, start_, end_) - start_) * scale_;
    }
    double PerMinute() const { return scale_; }
    int Start() const { return start_; }
    int End() const { return end_; }

private:
    double left_;
    int start_ = 0;
    int end_ = 0;
    double scale_ = 1;
};

class Painter {
public:
    Painter(PlanPicture& picture, double charWidth, double right)
        : picture_(picture), charWidth_(charWidth), right_(right) {}
    void Add(PlanMark mark, double x, double y, double w, double h, std::string text = {}) {
        picture_.Shapes.push_back({mark, x, y, w, h, std::move(text)});
    }
    void Text(PlanMark mark, double x, double baseline, std::string text) {
        Add(mark, x, baseline, 0, 0, std::move(text));
    }
    // Words beside a mark at x: after it, or before it when they would pass
    // the right edge.
    void TextBeside(PlanMark mark, double x, double baseline, std::string text) {
        // Words that say what does not fit are bold, and wider.
        const double width = Width(text) * (mark == PlanMark::LateLabel ? 1.15 : 1.0);
        Text(mark, x + 10 + width > right_ ? x - 8 - width : x + 10, baseline, std::move(text));
    }
    double Width(const std::string& text) const { return TextLength(text) * charWidth_; }
    double Right() const { return right_; }

private:
    PlanPicture& picture_;
    double charWidth_;
    double right_;
};

// The average minutes between race starts, for the length of a round.
double MinutesPerSlot(const DayPlan& plan) {
    double minutes = 0;
    for (const PlanPeriod& period : plan.Periods)
        minutes +=
            std::max(0, ClockToMinutes(period.Period.End) - ClockToMinutes(period.Period.Start));
    return plan.Slots > 0 ? std::max(1.0, minutes / plan.Slots) : 5.0;
}

std::string Cut(const std::string& name) {
    return TextLength(name) > MaxNameChars ? FirstChars(name, MaxNameChars - 1) + "\u2026" : name;
}

void LayOutTimeLine(Painter& paint, const DayPlan& plan, const TimeLine& line, double top,
                    double bottom) {
    for (const PlanPeriod& period : plan.Periods) {
        const double x = line.X(ClockToMinutes(period.Period.Start));
        paint.Add(
            PlanMark::Period, x, top, line.X(ClockToMinutes(period.Period.End)) - x, bottom - top,
            DayTimeText(ClockToMinutes(period.Period.Start)) + " to " +
                DayTimeText(ClockToMinutes(period.Period.End)) + ", " + SpacingText(period.Period));
    }
    int step = 60;
    while (step * line.PerMinute() < MinHourSpacing)
        step *= 2;
    for (int t = line.Start(); t <= line.End(); t += step) {
        paint.Add(PlanMark::Hour, line.X(t), top, 0, bottom - top);
        // A time that would pass the right edge is left to its line.
        if (const std::string time = DayTimeText(t);
            line.X(t) + 2 + paint.Width(time) <= paint.Right())
            paint.Text(PlanMark::Label, line.X(t) + 2, top - 4, time);
    }
    if (plan.End >= 0) {
        const std::string words = "end of the race periods " + DayTimeText(plan.End);
        paint.Add(PlanMark::End, line.X(plan.End), top - 2 * Row, 0, bottom - top + 2 * Row, words);
        paint.TextBeside(PlanMark::Label, line.X(plan.End) - 6, top - Row - 4, words);
    }
}

// Two bars on one scale: the free time slots, and the races to time with
// those beyond the slots in red.
double LayOutSlotBars(Painter& paint, const DayPlan& plan, const TimeLine& line, double y) {
    const double unit = (line.Right() - line.Left()) / std::max({plan.FreeSlots, plan.ToTime, 1});
    const double x = line.Left();
    paint.Text(PlanMark::Label, Margin, y + BarHeight, "Free time slots");
    paint.Add(PlanMark::Slots, x, y + 2, plan.FreeSlots * unit, BarHeight,
              Counted(plan.FreeSlots, "free time slot", "free time slots"));
    paint.TextBeside(PlanMark::Label, x + plan.FreeSlots * unit - 6, y + BarHeight,
                     std::to_string(plan.FreeSlots));
    y += Row;
    const int fitting = std::min(plan.ToTime, plan.FreeSlots);
    const int beyond = plan.ToTime - fitting;
    paint.Text(PlanMark::Label, Margin, y + BarHeight, "Races to time");
    paint.Add(PlanMark::Races, x, y + 2, fitting * unit, BarHeight,
              Counted(plan.ToTime, "race to time", "races to time"));
    if (beyond > 0)
        paint.Add(PlanMark::Overflow, x + fitting * unit, y + 2, beyond * unit, BarHeight,
                  Counted(beyond, "race", "races") + " more than the free time slots");
    paint.TextBeside(PlanMark::Label, x + plan.ToTime * unit - 6, y + BarHeight,
                     std::to_string(plan.ToTime));
    if (beyond > 0) {
        y += Row;
        paint.Text(PlanMark::LateLabel, x + 4, y + BarHeight,
                   Counted(beyond, "race does", "races do") + " not fit the free time slots");
    }
    return y + Row;
}

void LayOutEvent(Painter& paint, const PlanEvent& event, const TimeLine& line, double y,
                 double perSlot) {
    paint.Text(PlanMark::Label, Margin, y + BarHeight, Cut(event.Name));
    if (event.Races == 0 || event.EarliestFinal < 0) {
        paint.Text(PlanMark::Label, line.Left() + 4, y + BarHeight,
                   event.Races == 0 ? std::string("no race")
                                    : std::to_string(event.Timed) + " of " +
                                          Counted(event.Races, "race", "races") + " timed");
        return;
    }
    for (std::size_t r = 0; r + 1 < event.Rounds.size(); ++r) {
        const PlanRound& round = event.Rounds[r];
        if (round.Earliest < 0)
            continue;
        paint.Add(PlanMark::Round, line.X(round.Earliest), y + 3,
                  std::max(3.0, round.Races * perSlot * line.PerMinute()), BarHeight - 2,
                  "round " + std::to_string(r + 1) + ": " + Counted(round.Races, "race", "races") +
                      " from " + DayTimeText(round.Earliest));
    }
    const double x = line.X(event.EarliestFinal);
    const std::string when = DayTimeText(event.EarliestFinal);
    if (!event.FinalLate) {
        paint.Add(PlanMark::Final, x, y + 1, 6, BarHeight + 2, "final from " + when);
        return;
    }
    paint.Add(PlanMark::LateFinal, x, y + 1, 6, BarHeight + 2, "late final: not before " + when);
    paint.TextBeside(PlanMark::LateLabel, x, y + BarHeight, "late: final not before " + when);
}

// The legend, in as many rows as the width needs.
double LayOutLegend(Painter& paint, double y) {
    double x = Margin;
    const std::pair<PlanMark, const char*> entries[] = {
        {PlanMark::Period, "race period"},
        {PlanMark::Round, "round: earliest start, as long as its races"},
        {PlanMark::Final, "final: earliest start"},
        {PlanMark::LateFinal, "late: cannot start by the end"}};
    for (const auto& [mark, words] : entries) {
        const double width = 16 + paint.Width(words);
        if (x > Margin && x + width > paint.Right()) {
            x = Margin;
            y += Row;
        }
        paint.Add(mark, x, y + 3, 12, BarHeight - 2, words);
        paint.Text(PlanMark::Label, x + 16, y + BarHeight, words);
        x += width + 24;
    }
    return y + Row;
}

} // namespace

PlanPicture LayOutDayPlan(const DayPlan& plan, double charWidth, double width) {
    PlanPicture picture;
    picture.RowHeight = Row;
    int longest = 16; // "Free time slots"
    for (const PlanEvent& event : plan.Events)
        longest = std::min(std::max(longest, TextLength(event.Name)), MaxNameChars);
    const double left = Margin + longest * charWidth + 12;
    const TimeLine line(plan, left, width - 2 * Margin);
    picture.Width = std::max(width, line.Right() + 2 * Margin);
    Painter paint(picture, charWidth, picture.Width - Margin);
    const double top = Margin + 3 * Row;
    const double rows = 2 + (plan.ToTime > plan.FreeSlots ? 1 : 0) +
                        static_cast<double>(std::max<std::size_t>(plan.Events.size(), 1));
    const double bottom = top + rows * Row + Row / 2;
    LayOutTimeLine(paint, plan, line, top, bottom);
    if (plan.Periods.empty())
        paint.Text(PlanMark::LateLabel, line.Left(), top - Row - 4,
                   "No race periods: no race can be timed");
    double y = LayOutSlotBars(paint, plan, line, top);
    const double perSlot = MinutesPerSlot(plan);
    for (const PlanEvent& event : plan.Events) {
        LayOutEvent(paint, event, line, y, perSlot);
        y += Row;
    }
    picture.Height = LayOutLegend(paint, bottom + Row / 2) + Margin;
    return picture;
}

namespace {

const char* FillOf(PlanMark mark) {
    switch (mark) {
    case PlanMark::Period:
        return "#dcefdc";
    case PlanMark::Round:
        return "#4a78c0";
    case PlanMark::Final:
        return "#1f3f7a";
    case PlanMark::LateFinal:
    case PlanMark::Overflow:
        return "#c00000";
    case PlanMark::Slots:
        return "#9bcf9b";
    case PlanMark::Races:
        return "#4a78c0";
    default:
        return "none";
    }
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void WriteShape(std::ostream& out, const PlanShape& shape) {
    const std::string text = HtmlEscaped(shape.Text);
    switch (shape.Mark) {
    case PlanMark::Label:
    case PlanMark::LateLabel:
        out << "<text x=\"" << Number(shape.X) << "\" y=\"" << Number(shape.Y) << "\""
            << (shape.Mark == PlanMark::LateLabel ? " class=\"late\"" : "") << ">" << text
            << "</text>\n";
        return;
    case PlanMark::Hour:
    case PlanMark::End:
        out << "<line x1=\"" << Number(shape.X) << "\" y1=\"" << Number(shape.Y) << "\" x2=\""
            << Number(shape.X) << "\" y2=\"" << Number(shape.Y + shape.H) << "\" class=\""
            << (shape.Mark == PlanMark::End ? "end" : "hour") << "\">"
            << (text.empty() ? "" : "<title>" + text + "</title>") << "</line>\n";
        return;
    default:
        out << "<rect x=\"" << Number(shape.X) << "\" y=\"" << Number(shape.Y) << "\" width=\""
            << Number(shape.W) << "\" height=\"" << Number(shape.H) << "\" fill=\""
            << FillOf(shape.Mark) << "\"><title>" << text << "</title></rect>\n";
    }
}

} // namespace

void WriteDayPlanSvg(std::ostream& out, const PlanPicture& picture) {
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Number(picture.Width)
        << "\" height=\"" << Number(picture.Height) << "\" viewBox=\"0 0 " << Number(picture.Width)
        << " " << Number(picture.Height) << "\" role=\"img\" aria-labelledby=\"plan-title\">\n"
        << "<title id=\"plan-title\">The day on a time line: the race periods, each event's "
           "rounds and final at their earliest, and what does not fit in red, told in words "
           "as well</title>\n"
        << "<style>text { font: 12px sans-serif; fill: #000; } text.late { fill: #b00000; "
           "font-weight: bold; } line.hour { stroke: #bbb; } line.end { stroke: #c00000; "
           "stroke-width: 2; stroke-dasharray: 4 3; }</style>\n";
    for (const PlanShape& shape : picture.Shapes)
        WriteShape(out, shape);
    out << "</svg>\n";
}

} // namespace bm
