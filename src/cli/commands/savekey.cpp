// save-key FILE OUT: the meet's key data.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/outputfile.h"

#include <filesystem>

namespace bm::cli {

namespace {

// True when OUT is the meet file itself, under its own name or another path to it.
bool IsSameFile(const std::string& file, const std::string& out) {
    std::error_code error;
    return std::filesystem::equivalent(file, out, error);
}

int RunSaveKey(const ParsedArgs& args, Streams& io) {
    const std::string& out = args.positional[1];
    return ReadMeet(args, io, [&](Boatmeet& meet) {
        // The key data holds no crews and no draws: written over the meet file
        // it would lose them, so not even --force allows it.
        if (IsSameFile(args.positional[0], out)) {
            io.err << "The key data cannot replace the meet file itself\n";
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
