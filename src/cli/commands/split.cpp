// split FILE EVENT DIVISIONS: an event split into divisions.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/draw/eventsplit.h"
#include "engine/model/text.h"

namespace bm::cli {

namespace {

// The event named: an exact match first, else the first ignoring letter case.
std::string EventNamed(const Boatmeet& meet, const std::string& name) {
    for (const std::string& text : meet.Events.Texts())
        if (text == name)
            return text;
    const int key = meet.Events.KeyOf(name);
    return key == -1 ? std::string() : meet.Events.TextOf(key);
}

int RunSplit(const ParsedArgs& args, Streams& io) {
    return ChangeMeet(args, io, [&](Boatmeet& meet) {
        std::string error;
        if (SplitEvent(
                meet, EventNamed(meet, args.positional[1]), ReadInt(args.positional[2]),
                [](const std::string&) { return true; }, error))
            return Done;
        io.err << error << "\n";
        return Problem;
    });
}

} // namespace

Command SplitCommand() {
    return {.name = "split",
            .summary = "Splits an event into divisions.",
            .arguments = {ChangedFileArgument(),
                          {"EVENT", "The event's text: an exact match first, else the first "
                                    "event equal ignoring letter case."},
                          {"DIVISIONS", "The number of divisions, at most 26."}},
            .writesBack = true,
            .notes = "Works as the event splitter window does; a refusal prints its message on "
                     "stderr (exit 1, nothing written).",
            .run = RunSplit};
}

} // namespace bm::cli
