// save-key FILE OUT: the meet's key data.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"

namespace bm::cli {

namespace {

int RunSaveKey(const ParsedArgs& args, Streams& io) {
    return ReadMeet(
        args, io, [&](Boatmeet& meet) { return SaveMeetTo(meet, args.positional[1], false, io); });
}

} // namespace

Command SaveKeyCommand() {
    return {.name = "save-key",
            .summary = "Writes the key data of the meet (no crews, no draws) to OUT.",
            .arguments = {FileArgument(),
                          {"OUT", "The file to write: events, clubs, fees, sponsors, colours, "
                                  "contacts, settings and race periods."}},
            .run = RunSaveKey};
}

} // namespace bm::cli
