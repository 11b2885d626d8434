// set-time FILE RACE TIME: one race's time set by hand.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/model/text.h"

namespace bm::cli {

namespace {

int RunSetTime(const ParsedArgs& args, Streams& io) {
    int time = 0;
    if (!ParseWholeInt(args.positional[2], time))
        return UsageError(io, "set-time", "TIME must be a whole number (HHMM)");
    return ChangeMeet(args, io, [&](Boatmeet& meet) {
        int number = 0;
        Race* race =
            ParseWholeInt(args.positional[1], number) ? meet.FindRaceByNumber(number) : nullptr;
        if (!race) {
            io.err << "Not a valid Race Number..\n";
            return Problem;
        }
        race->Time = time;
        return Done;
    });
}

} // namespace

Command SetTimeCommand() {
    return {.name = "set-time",
            .summary = "Sets one race's start time (HHMM) by hand.",
            .arguments = {ChangedFileArgument(),
                          {"RACE", "The race's number."},
                          {"TIME", "The start time, HHMM on the 24-hour clock (0930); a "
                                   "negative time leaves the race untimed."}},
            .writesBack = true,
            .notes = "A RACE that no race has prints \"Not a valid Race Number..\" (exit 1, "
                     "nothing written).",
            .run = RunSetTime};
}

} // namespace bm::cli
