// The table of commands. Each command lives in the file of its subject.
#include "cli/cli.h"
#include "cli/cmd_draw.h"
#include "cli/cmd_import.h"
#include "cli/cmd_meet.h"
#include "cli/cmd_results.h"
#include "cli/cmd_schedule.h"
#include "cli/common.h"

namespace bm::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"new", "OUT [--title T] [--date D]",
         "Creates a meet with the title, the date and the club \"Winner Prev\".",
         WithSettings({{"--title", 1, false}, {"--date", 1, false}}), 1, 1, RunNew},
        {"report", "FILE WHICH [--show-type races|results|truncated] [--format text|html|rtf]",
         "Writes one report of the display selector (index 0 to 17 or caption) to stdout.",
         WithSettings({{"--show-type", 1, false}, {"--format", 1, false}}), 2, 2, RunReport},
        {"save", "FILE [-o OUT]", "Loads the meet and saves it in full, in the current form.",
         WithWriting({}), 1, 1, RunSave},
        {"draw", "FILE [--event NAME]... [-o OUT]",
         "Draws all events, or only the events named, in the order given.",
         WithWriting({{"--event", 1, true}}), 1, 1, RunDraw},
        {"number-crews", "FILE --by event|club [-o OUT]",
         "Numbers the crews by event (draw order) or by club.", WithWriting({{"--by", 1, false}}),
         1, 1, RunNumberCrews},
        {"set-result", "FILE RACE WINNER [--verdict TEXT] [-o OUT]",
         "Records the winner (1 or 2) and verdict of a race, or clears it",
         WithWriting({{"--verdict", 1, false}}), 3, 3, RunSetResult},
        {"split", "FILE EVENT DIVISIONS [-o OUT]", "Splits an event into divisions",
         WritingOptions(), 3, 3, RunSplit},
        {"info", "FILE --race N | --crew N",
         "Prints the information window's text for a race or crew number",
         WithSettings({{"--race", 1, false}, {"--crew", 1, false}}), 1, 1, RunInfo},
        {"import", "FILE [--config CONFIG.csv] --file KEY=PATH... [--detect-doubling-up] [-o OUT]",
         "Imports the association's entry export into the meet and prints the import report",
         WithWriting(
             {{"--config", 1, false}, {"--file", 1, true}, {"--detect-doubling-up", 0, false}}),
         1, 1, RunImport},
        {"generate",
         "OUT [--title T] [--crews N] [--events N] [--clubs N] [--double-ups N] "
         "[--boat-shares N]",
         "Writes a synthetic meet of numbered clubs, events and crews",
         WithSettings({{"--title", 1, false},
                       {"--crews", 1, false},
                       {"--events", 1, false},
                       {"--clubs", 1, false},
                       {"--double-ups", 1, false},
                       {"--boat-shares", 1, false}}),
         1, 1, RunGenerate},
        {"save-key", "FILE OUT", "Writes the key data of the meet (no crews, no draws) to OUT.",
         WithSettings({}), 2, 2, RunSaveKey},
        {"check", "FILE", "Prints the draw status report; exit 1 when it found a problem",
         SettingsOptions(), 1, 1, RunCheck},
        {"schedule",
         "FILE [--mode rigid|moderate|flexible] [--finals anytime|preferably|at-end] "
         "[--accept-conflicts] [-o OUT]",
         "Schedules the races into the race periods and numbers them",
         WithWriting(
             {{"--mode", 1, false}, {"--finals", 1, false}, {"--accept-conflicts", 0, false}}),
         1, 1, RunSchedule},
        {"schedule-fixed", "FILE [-o OUT]", "Times the races round by round in a fixed order",
         WritingOptions(), 1, 1, RunScheduleFixed},
        {"realign", "FILE [-o OUT]", "Moves the timed races onto the time slots, in time order",
         WritingOptions(), 1, 1, RunRealign},
        {"clear-times", "FILE [-o OUT]", "Every race loses its time", WritingOptions(), 1, 1,
         RunClearTimes},
        {"number-races", "FILE [-o OUT]", "Numbers the races", WritingOptions(), 1, 1,
         RunNumberRaces},
        {"set-time", "FILE RACE TIME [-o OUT]", "Sets one race's start time (HHMM) by hand",
         WritingOptions(), 3, 3, RunSetTime},
        {"periods",
         "FILE [--add START END VALUE i|ph]... [--clear] [--list] "
         "[--least-times CREW,DOUBLEUP,BOATSHARE] [-o OUT]",
         "Edits the race periods and the least times between races",
         WithWriting({{"--add", 4, true},
                      {"--clear", 0, false},
                      {"--list", 0, false},
                      {"--least-times", 1, false}}),
         1, 1, RunPeriods},
    };
    return commands;
}

} // namespace bm::cli
