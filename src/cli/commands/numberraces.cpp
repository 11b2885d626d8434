// number-races FILE: the races' numbers.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/schedule/numbering.h"

namespace bm::cli {

namespace {

int RunNumberRaces(const ParsedArgs& args, Streams& io) {
    return ChangeMeet(args, io, [](Boatmeet& meet) {
        NumberRaces(meet);
        return Done;
    });
}

} // namespace

Command NumberRacesCommand() {
    return {.name = "number-races",
            .summary = "Numbers the races.",
            .arguments = {ChangedFileArgument()},
            .writesBack = true,
            .run = RunNumberRaces};
}

} // namespace bm::cli
