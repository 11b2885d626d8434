#include "engine/reports/dayplanreport.h"

#include "engine/model/clockmoney.h"
#include "engine/model/text.h"
#include "engine/reports/dayplanpicture.h"
#include "engine/schedule/schedulefit.h"

namespace bm {

namespace {

std::string PeriodItem(const PlanPeriod& period) {
    const RacePeriod& p = period.Period;
    return DayTimeText(ClockToMinutes(p.Start)) + " to " + DayTimeText(ClockToMinutes(p.End)) +
           ", " + SpacingText(p) + ": " + Counted(period.Slots, "time slot", "time slots");
}

std::string RoundsText(const PlanEvent& event) {
    std::string races;
    for (const PlanRound& round : event.Rounds)
        races += (races.empty() ? "" : " + ") + std::to_string(round.Races);
    return Counted(static_cast<int>(event.Rounds.size()), "round", "rounds") + " (" + races + ")";
}

std::string EventItem(const PlanEvent& event) {
    std::string item = event.Name + ": " + Counted(event.Crews, "crew", "crews") +
                       (event.Drawn ? " in its draw" : "") + ", ";
    if (event.Races == 0)
        return item + "no race";
    item += Counted(event.Races, "race", "races") + " in " + RoundsText(event);
    if (event.Timed > 0)
        item += ", " + std::to_string(event.Timed) + " timed";
    if (event.EarliestFinal >= 0) {
        item += ", earliest final " + DayTimeText(event.EarliestFinal);
        if (event.FinalWaits)
            item += " after every other race";
        if (event.FinalLate)
            item += ", past the end of the race periods";
    }
    return item;
}

std::string TieItem(const PlanTie& tie) {
    std::string links;
    if (tie.DoubleUps > 0)
        links = Counted(tie.DoubleUps, "double-up", "double-ups");
    if (tie.BoatShares > 0)
        links += (links.empty() ? "" : ", ") + Counted(tie.BoatShares, "boat share", "boat shares");
    return tie.First + " and " + tie.Second + ": " + links;
}

PlanSection SlotsSection(const DayPlan& plan) {
    PlanSection section{"Races and time slots", {}, {}};
    section.Items.push_back(PeriodCapacityText({plan.ToTime, plan.Slots, plan.FreeSlots}));
    if (plan.FinalsFrom >= 0)
        section.Items.push_back("With finals at the end, no final can start before " +
                                DayTimeText(plan.FinalsFrom));
    if (plan.LateTimed > 0)
        section.Items.push_back(Counted(plan.LateTimed, "race is", "races are") +
                                " already timed after the end of the last race period");
    return section;
}

} // namespace

std::vector<PlanSection> DayPlanSections(const DayPlan& plan) {
    std::vector<PlanSection> sections;
    PlanSection periods{"Race periods", {}, {}};
    for (const PlanPeriod& period : plan.Periods)
        periods.Items.push_back(PeriodItem(period));
    if (plan.Periods.empty())
        periods.Items.push_back("No race periods");
    sections.push_back(std::move(periods));
    PlanSection events{"Events", {}, {}};
    for (const PlanEvent& event : plan.Events)
        events.Items.push_back(EventItem(event));
    if (plan.Events.empty())
        events.Items.push_back("No events");
    sections.push_back(std::move(events));
    sections.push_back(SlotsSection(plan));
    PlanSection ties{"Crews shared between events", {}, {}};
    for (const PlanTie& tie : plan.Ties)
        ties.Items.push_back(TieItem(tie));
    if (plan.Ties.empty())
        ties.Items.push_back("None");
    sections.push_back(std::move(ties));
    PlanSection problems{"What does not fit", {}, DayPlanProblems(plan)};
    if (plan.Fits())
        problems.Items.push_back("Nothing: every race and round can fit within the race periods");
    sections.push_back(std::move(problems));
    if (!plan.Proposals.empty()) {
        PlanSection proposals{"Proposals", {}, {}};
        for (const PlanProposal& proposal : plan.Proposals)
            proposals.Lines.push_back(proposal.Text);
        sections.push_back(std::move(proposals));
    }
    return sections;
}

std::string DayPlanTitle(const std::string& meetTitle) {
    return meetTitle.empty() ? "Plan of the Day" : "Plan of the Day: " + meetTitle;
}

void WriteDayPlanText(std::ostream& out, const std::string& meetTitle, const DayPlan& plan) {
    const std::string title = DayPlanTitle(meetTitle);
    out << title << "\n" << std::string(static_cast<std::size_t>(TextLength(title)), '=') << "\n\n";
    for (const PlanSection& section : DayPlanSections(plan)) {
        out << section.Heading << "\n";
        for (const std::string& item : section.Items)
            out << "  " << item << "\n";
        for (const std::string& line : section.Lines)
            out << line << "\n";
        out << "\n";
    }
}

void WriteDayPlanHtml(std::ostream& out, const std::string& meetTitle, const DayPlan& plan) {
    const std::string title = HtmlEscaped(DayPlanTitle(meetTitle));
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << title
        << "</title>\n"
        << "<style>\nbody { font-family: sans-serif; margin: 1em 2em; }\n"
           ".late { color: #b00000; font-weight: bold; }\n"
           ".picture { overflow-x: auto; }\n</style>\n</head>\n<body>\n<h1>"
        << title << "</h1>\n<div class=\"picture\">\n";
    WriteDayPlanSvg(out, LayOutDayPlan(plan));
    out << "</div>\n";
    for (const PlanSection& section : DayPlanSections(plan)) {
        out << "<h2>" << HtmlEscaped(section.Heading) << "</h2>\n";
        if (!section.Items.empty()) {
            out << "<ul>\n";
            for (const std::string& item : section.Items)
                out << "<li>" << HtmlEscaped(item) << "</li>\n";
            out << "</ul>\n";
        }
        const bool late = section.Heading == "What does not fit";
        for (const std::string& line : section.Lines)
            out << (late ? "<p class=\"late\">" : "<p>") << HtmlEscaped(line) << "</p>\n";
    }
    out << "</body>\n</html>\n";
}

} // namespace bm
