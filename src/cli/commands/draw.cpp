// draw FILE: the random draw of every event or of the events named.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/draw/randomdraw.h"

namespace bm::cli {

namespace {

int RunDraw(const ParsedArgs& args, Streams& io) {
    return ChangeMeet(args, io, [&](Boatmeet& meet) -> int {
        if (!args.Has("--event")) {
            DrawAllEvents(meet);
            return Done;
        }
        // Every name is checked before anything is drawn.
        std::vector<int> keys;
        for (const auto& values : args.All("--event")) {
            const int key = meet.Events.KeyOf(values.front());
            if (key == -1) {
                io.err << "No such event : " << values.front() << "\n";
                return Usage;
            }
            keys.push_back(key);
        }
        for (int key : keys)
            DrawEvent(meet, key);
        return Done;
    });
}

} // namespace

Command DrawCommand() {
    return {.name = "draw",
            .summary = "Draws all events, or the events named.",
            .arguments = {ChangedFileArgument()},
            .options = {{.name = "--event",
                         .values = "NAME",
                         .help = "Draws this event only (its text, letter case ignored); may be "
                                 "given more than once.",
                         .repeatable = true}},
            .writesBack = true,
            .notes = "Without --event every event is drawn, as \"Draw all Events\" does; with "
                     "--event the events named are drawn in the order given. Every "
                     "run starts the random generator at the same state, so the same file always "
                     "gives the same draw. An unknown event name draws and writes nothing "
                     "(exit 2).",
            .run = RunDraw};
}

} // namespace bm::cli
