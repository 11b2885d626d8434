// realign FILE: the timed races moved onto the time slots.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/schedule/numbering.h"

namespace bm::cli {

namespace {

int RunRealign(const ParsedArgs& args, Streams& io) {
    return ChangeMeet(args, io, [](Boatmeet& meet) {
        RealignRaces(meet);
        return Done;
    });
}

} // namespace

Command RealignCommand() {
    return {.name = "realign",
            .summary = "Moves the timed races onto the time slots, in time order.",
            .arguments = {ChangedFileArgument()},
            .writesBack = true,
            .run = RunRealign};
}

} // namespace bm::cli
