// schedule-fixed FILE: the fixed-order scheduler.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/editors/raceeditor.h"
#include "engine/schedule/schedulefit.h"
#include "engine/schedule/scheduler.h"

namespace bm::cli {

namespace {

int RunScheduleFixed(const ParsedArgs& args, Streams& io) {
    std::string problem;
    std::string late;
    const int status = ChangeMeet(args, io, [&](Boatmeet& meet) {
        meet.CollectRaces();
        problem = ScheduleFixedOrder(meet);
        late = LateRacesText(LateRacesOf(meet));
        return Done;
    });
    // Success is told only once the meet is safely written; a problem always.
    if (!problem.empty() || status == Done)
        io.err << FixedOrderText(problem) << "\n";
    // Then the races timed past the end of the periods, if any.
    if (status == Done && !late.empty())
        io.err << late << "\n";
    return problem.empty() ? status : Problem;
}

} // namespace

Command ScheduleFixedCommand() {
    return {.name = "schedule-fixed",
            .summary = "Times the races round by round in a fixed order.",
            .arguments = {ChangedFileArgument()},
            .writesBack = true,
            .notes = "Prints \"Races scheduled\" on stderr, or \"Problem : \" and the problem "
                     "(exit 1, the meet is still written). When races had to be timed after the "
                     "end of the last race period, a further line tells how many and the latest "
                     "time.",
            .run = RunScheduleFixed};
}

} // namespace bm::cli
