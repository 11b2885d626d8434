// The table of commands. Each command lives in the file of its subject.
#include "cli.h"
#include "cmd_draw.h"
#include "common.h"

namespace bm::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"report", "FILE WHICH [--show-type races|results|truncated] [--format text|html|rtf]",
         "Writes one report of the display selector (index 0 to 17 or caption) to stdout.",
         WithSettings({{"--show-type", 1, false}, {"--format", 1, false}}), 2, 2, RunReport},
        {"draw", "FILE [--event NAME]... [-o OUT]",
         "Draws all events, or only the events named, in the order given.",
         WithWriting({{"--event", 1, true}}), 1, 1, RunDraw},
    };
    return commands;
}

} // namespace bm::cli
