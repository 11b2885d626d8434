// number-crews FILE --by event|club: the crews' numbers.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"

namespace bm::cli {

namespace {

int RunNumberCrews(const ParsedArgs& args, Streams& io) {
    const std::string by = args.Value("--by");
    if (by != "event" && by != "club")
        return UsageError(io, "number-crews", "--by must be event or club");
    return ChangeMeet(args, io, [&by](Boatmeet& meet) {
        if (by == "event")
            meet.NumberCrewsByEvent();
        else
            meet.NumberCrewsByClub();
        return Done;
    });
}

} // namespace

Command NumberCrewsCommand() {
    return {.name = "number-crews",
            .summary = "Numbers the crews by event (draw order) or by club.",
            .arguments = {ChangedFileArgument()},
            .options = {{.name = "--by",
                         .values = "event|club",
                         .help = "event: event by event, each in the order of its draw; club: "
                                 "club by club, and event by event within a club.",
                         .shown = Shown::Needed}},
            .writesBack = true,
            .run = RunNumberCrews};
}

} // namespace bm::cli
