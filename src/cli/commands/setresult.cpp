// set-result FILE RACE WINNER: a race's result recorded or cleared.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/draw/results.h"
#include "engine/model/text.h"

#include <optional>

namespace bm::cli {

namespace {

// WINNER: 1 or 2 for the crew in that place, 0 for "clear"; -1 otherwise.
int WinnerPlace(const std::string& text) {
    if (text == "1" || text == "2")
        return text[0] - '0';
    return SameTextIgnoringCase(text, "clear") ? 0 : -1;
}

int RunSetResult(const ParsedArgs& args, Streams& io) {
    const int place = WinnerPlace(args.positional[2]);
    if (place < 0)
        return UsageError(io, "set-result", "WINNER must be 1, 2 or clear");
    std::optional<std::string> verdict;
    if (args.Has("--verdict"))
        verdict = args.Value("--verdict");
    return ChangeMeet(args, io, [&](Boatmeet& meet) {
        std::string warning;
        const std::string message =
            SetRaceResult(meet, args.positional[1], place, verdict, &warning);
        if (message.empty()) {
            if (!warning.empty())
                io.err << warning << "\n";
            return Done;
        }
        io.err << message << "\n";
        return Problem;
    });
}

} // namespace

Command SetResultCommand() {
    return {.name = "set-result",
            .summary = "Records or clears the result of a race.",
            .arguments = {ChangedFileArgument(),
                          {"RACE", "The race's number."},
                          {"WINNER", "1 or 2: the crew in the race's first or second place; "
                                     "clear: the race loses its result."}},
            .options = {{.name = "--verdict",
                         .values = "TEXT",
                         .help = "The verdict (default: the race's verdict when it already has "
                                 "a result, else empty); a \">\" in it is stored as \")\"."}},
            .writesBack = true,
            .notes = "Works as the results window does. Its messages (\"Invalid Race Number\", "
                     "\"No Draw for the "
                     "event!\", \"No List of crews available?\") go to stderr (exit 1, nothing "
                     "written). A changed or cleared result whose winner goes on to a race "
                     "that already has a result prints \"Race N already has a result: check "
                     "it\" on stderr (exit 0, the change is made).",
            .run = RunSetResult};
}

} // namespace bm::cli
