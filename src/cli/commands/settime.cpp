// set-time FILE RACE TIME: one race's time set by hand.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/editors/raceeditor.h"

namespace bm::cli {

namespace {

int RunSetTime(const ParsedArgs& args, Streams& io) {
    int time = 0;
    if (!ReadRaceTime(args.positional[2], time))
        return UsageError(io, "set-time",
                          "TIME must be HHMM on the 24-hour clock (up to four digits), or (NT)");
    // As the race editor's "Set Time" does it, with its message.
    return ChangeMeet(args, io, [&](Boatmeet& meet) {
        const EditResult result = SetRaceTime(meet, args.positional[1], args.positional[2]);
        if (!result.Stop.empty())
            io.err << result.Stop << "\n";
        return result.Changed ? Done : Problem;
    });
}

} // namespace

Command SetTimeCommand() {
    return {.name = "set-time",
            .summary = "Sets one race's start time (HHMM) by hand.",
            .arguments = {ChangedFileArgument(),
                          {"RACE", "The race's number."},
                          {"TIME", "The start time, HHMM on the 24-hour clock (0930); (NT) or a "
                                   "negative time leaves the race untimed."}},
            .writesBack = true,
            .notes = "A RACE that no race has prints \"Not a valid Race Number..\" (exit 1, "
                     "nothing written).",
            .run = RunSetTime};
}

} // namespace bm::cli
