// save-key FILE OUT: the meet's key data.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/outputfile.h"
#include "engine/session/meetfiles.h"

namespace bm::cli {

namespace {

int RunSaveKey(const ParsedArgs& args, Streams& io) {
    const std::string& out = args.positional[1];
    return ReadMeet(args, io, [&](Boatmeet& meet) {
        // Not even --force writes the key data over its own meet file.
        if (IsSameFile(args.positional[0], out)) {
            io.err << KeyDataOverMeetText << "\n";
            return static_cast<int>(Problem);
        }
        if (!MayWriteNewFile(args, out, io))
            return static_cast<int>(Problem);
        return SaveMeetTo(meet, out, false, io);
    });
}

} // namespace

Command SaveKeyCommand() {
    return {.name = "save-key",
            .summary = "Writes the key data of the meet (no crews, no draws) to OUT.",
            .arguments = {FileArgument(),
                          {"OUT", CreatedFileHelp("The file to write: events, clubs, fees, "
                                                  "sponsors, colours, contacts, settings and race "
                                                  "periods") +
                                      " It can never be FILE itself."}},
            .options = {ForceOption()},
            .run = RunSaveKey};
}

} // namespace bm::cli
