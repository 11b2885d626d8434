// new OUT: a new meet.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/outputfile.h"
#include "cli/settingsoptions.h"
#include "engine/session/meetfiles.h"

namespace bm::cli {

namespace {

int RunNew(const ParsedArgs& args, Streams& io) {
    if (!PrepareSettings(args, io))
        return Usage;
    if (!MayWriteNewFile(args, args.positional[0], io))
        return Problem;
    const std::unique_ptr<Boatmeet> meet = NewMeet(args.Value("--title"), args.Value("--date"));
    return SaveMeetTo(*meet, args.positional[0], true, io);
}

} // namespace

Command NewCommand() {
    return {.name = "new",
            .summary = "Creates a new meet, with the club \"Winner Prev\".",
            .arguments = {{"OUT", CreatedFileHelp("The meet file to write")}},
            .options = {{.name = "--title",
                         .values = "T",
                         .help = "The meet's title (default: empty)."},
                        {.name = "--date",
                         .values = "D",
                         .help = "The meet's date, as free text (default: empty)."},
                        ForceOption()},
            .notes = "Prints nothing on success.",
            .run = RunNew};
}

} // namespace bm::cli
