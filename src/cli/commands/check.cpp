// check FILE: the draw status report, as a check for scripts.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/reports/reports.h"

namespace bm::cli {

namespace {

int RunCheck(const ParsedArgs& args, Streams& io) {
    return ReadMeet(args, io, [&io](Boatmeet& meet) {
        return WriteDrawStatus(meet, io.out, ShowType::Races) > 0 ? Problem : Done;
    });
}

} // namespace

Command CheckCommand() {
    return {.name = "check",
            .summary = "Checks the draws and race times; exits 1 when it finds a problem.",
            .arguments = {FileArgument()},
            .notes = "Prints the \"Draw Status and Errors\" report. A problem is an event whose "
                     "draw is not OK, a gap in the race times, a race out of order or a crew "
                     "with races too close together; without any the status is 0.",
            .run = RunCheck};
}

} // namespace bm::cli
