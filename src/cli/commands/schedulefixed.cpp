// schedule-fixed FILE: the fixed-order scheduler.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/schedule/scheduler.h"

namespace bm::cli {

namespace {

int RunScheduleFixed(const ParsedArgs& args, Streams& io) {
    std::string problem;
    const int status = ChangeMeet(args, io, [&problem](Boatmeet& meet) {
        meet.CollectRaces();
        problem = ScheduleFixedOrder(meet);
        return Done;
    });
    if (!problem.empty()) {
        io.err << "Problem : " << problem << "\n";
        return Problem;
    }
    // Success is told only once the meet is safely written.
    if (status == Done)
        io.err << "Races scheduled\n";
    return status;
}

} // namespace

Command ScheduleFixedCommand() {
    return {.name = "schedule-fixed",
            .summary = "Times the races round by round in a fixed order.",
            .arguments = {ChangedFileArgument()},
            .writesBack = true,
            .notes = "Prints \"Races scheduled\" on stderr, or \"Problem : \" and the problem "
                     "(exit 1, the meet is still written).",
            .run = RunScheduleFixed};
}

} // namespace bm::cli
