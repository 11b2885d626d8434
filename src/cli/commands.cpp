// The table of commands. Each command lives in the file of its subject.
#include "cli.h"
#include "cmd_draw.h"
#include "cmd_results.h"
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
        {"set-result", "FILE RACE WINNER [--verdict TEXT] [-o OUT]",
         "Records the winner (1 or 2) and verdict of a race, or clears it",
         WithWriting({{"--verdict", 1, false}}), 3, 3, RunSetResult},
        {"split", "FILE EVENT DIVISIONS [-o OUT]", "Splits an event into divisions",
         WritingOptions(), 3, 3, RunSplit},
        {"info", "FILE --race N | --crew N",
         "Prints the information window's text for a race or crew number",
         WithSettings({{"--race", 1, false}, {"--crew", 1, false}}), 1, 1, RunInfo},
        {"check", "FILE", "Prints the draw status report; exit 1 when it found a problem",
         SettingsOptions(), 1, 1, RunCheck},
    };
    return commands;
}

} // namespace bm::cli
