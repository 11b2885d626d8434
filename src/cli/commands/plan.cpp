// plan FILE: the plan of the day, before the draw or after it.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/model/settings.h"
#include "engine/reports/dayplanreport.h"
#include "engine/schedule/dayplan.h"

namespace bm::cli {

namespace {

int RunPlan(const ParsedArgs& args, Streams& io) {
    const std::string format = args.Value("--format", "text");
    if (format != "text" && format != "html")
        return UsageError(io, "plan", "--format takes text or html");
    return ReadMeet(args, io, [&](const Boatmeet& meet) {
        const DayPlan plan = PlanTheDay(meet, CurrentSettings());
        if (format == "html")
            WriteDayPlanHtml(io.out, meet.TitleText(), plan);
        else
            WriteDayPlanText(io.out, meet.TitleText(), plan);
        return plan.Fits() ? Done : Problem;
    });
}

} // namespace

Command PlanCommand() {
    return {.name = "plan",
            .summary = "Plans the day: whether every race fits the race periods, and what to "
                       "change when it does not.",
            .arguments = {FileArgument()},
            .options = {{.name = "--format",
                         .values = "text|html",
                         .help = "text (the default), or an HTML page with the plan drawn as a "
                                 "picture above it."}},
            .notes =
                "Works before the draw (an event's crews give its knock-out) and after it (its "
                "draw). Prints for each race period its time slots; for each event its crews, "
                "the races its knock-out needs, its rounds and the earliest its final can start "
                "with the least time between a crew's races; the races against the free time "
                "slots; the events tied by double-ups and boat shares. Then what does not fit, "
                "as lines \"At least N races cannot be timed within the race periods\" and "
                "\"Event E cannot reach its final before HH:MM\" (a time past midnight as "
                "\"HH:MM on day D\"), and lines \"Proposal: ...\" to split or cap an event, add "
                "a race period or race closer together, each with its reason and its effect. "
                "The counts are lower bounds: the automatic scheduler never times more races "
                "within the periods. Exits 1 when something does not fit, else 0.",
            .run = RunPlan};
}

} // namespace bm::cli
