// generate OUT: a synthetic meet, as the test data window makes it.
#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/outputfile.h"
#include "cli/settingsoptions.h"
#include "engine/import/makedata.h"
#include "engine/model/writelock.h"
#include "engine/session/meetfiles.h"

namespace bm::cli {

namespace {

// Reads a count option; false, with the message written, when it is not a
// whole number of 0 or more.
bool ReadCount(const ParsedArgs& args, const std::string& option, int& value, Streams& io) {
    if (!args.Has(option))
        return true;
    if (!ParseCount(args.Value(option), value)) {
        UsageError(io, "generate",
                   option + " takes a whole number, not '" + args.Value(option) + "'");
        return false;
    }
    if (value < 0) {
        UsageError(io, "generate", option + " must not be negative");
        return false;
    }
    return true;
}

int RunGenerate(const ParsedArgs& args, Streams& io) {
    GenerateParams params;
    params.Title = args.Value("--title");
    if (!ReadCount(args, "--crews", params.Crews, io) ||
        !ReadCount(args, "--events", params.Events, io) ||
        !ReadCount(args, "--clubs", params.Clubs, io) ||
        !ReadCount(args, "--double-ups", params.DoubleUps, io) ||
        !ReadCount(args, "--boat-shares", params.BoatShares, io) || !PrepareSettings(args, io))
        return Usage;
    const std::string& target = args.positional.front();
    if (!MayWriteNewFile(args, target, io))
        return Problem;
    const WriteLock lock(target);
    if (!lock.Held() && lock.Result() != WriteLock::State::NoFolder) {
        io.err << LockRefusal(lock, target) << "\n";
        return Problem;
    }
    std::string message;
    if (!WriteGeneratedMeet(params, target, message)) {
        io.err << message << "\n";
        return Problem;
    }
    return Done;
}

OptionRule CountOption(const std::string& name, const std::string& what, int fallback) {
    return {.name = name,
            .values = "N",
            .help = "The number of " + what + " (default: " + std::to_string(fallback) + ")."};
}

} // namespace

Command GenerateCommand() {
    const GenerateParams defaults;
    return {.name = "generate",
            .summary = "Writes a synthetic meet, as the test data window does.",
            .arguments = {{"OUT", CreatedFileHelp("The meet file to write")}},
            .options = {{.name = "--title",
                         .values = "T",
                         .help = "The meet's title (default: empty)."},
                        CountOption("--crews", "crews", defaults.Crews),
                        CountOption("--events", "events", defaults.Events),
                        CountOption("--clubs", "clubs", defaults.Clubs),
                        CountOption("--double-ups", "double-up links", defaults.DoubleUps),
                        CountOption("--boat-shares", "boat-share links", defaults.BoatShares),
                        ForceOption()},
            .notes = "The meet has numbered clubs, events and crews, placed at random. Counts are "
                     "whole numbers of 0 or more; crews need at least one event and one club. "
                     "Prints nothing on success.",
            .run = RunGenerate};
}

} // namespace bm::cli
