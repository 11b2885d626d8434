// clear-times FILE: every race untimed.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/schedule/numbering.h"

namespace bm::cli {

namespace {

int RunClearTimes(const ParsedArgs& args, Streams& io) {
    return ChangeMeet(args, io, [](Boatmeet& meet) {
        ClearRaceTimes(meet);
        return Done;
    });
}

} // namespace

Command ClearTimesCommand() {
    return {.name = "clear-times",
            .summary = "Every race loses its time.",
            .arguments = {ChangedFileArgument()},
            .writesBack = true,
            .run = RunClearTimes};
}

} // namespace bm::cli
