#include "cli/cli.h"

#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/help.h"
#include "engine/model/random.h"

#include <algorithm>

namespace bm::cli {

namespace {

const Command* FindCommand(const std::string& name) {
    for (const Command& command : Commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace

int Run(const std::vector<std::string>& args, Streams& io) {
    if (args.empty()) {
        WriteProgramHelp(io.err);
        return Usage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        WriteProgramHelp(io.out);
        return Done;
    }
    if (args[0] == "--version") {
        io.out << "boatmeet-cli " << BM_CLI_VERSION << "\n";
        return Done;
    }
    const Command* command = FindCommand(args[0]);
    if (!command) {
        io.err << "boatmeet-cli: unknown command '" << args[0] << "'\n";
        WriteProgramHelp(io.err);
        return Usage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
        WriteCommandHelp(*command, io.out);
        return Done;
    }
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(*command, rest, parsed, error)) {
        io.err << "boatmeet-cli " << command->name << ": " << error << "\n";
        WriteCommandUsage(*command, io.err);
        io.err << "See boatmeet-cli " << command->name << " --help.\n";
        return Usage;
    }
    // Like the desktop program after start-up, every run draws from the
    // generator's start state, so the same command gives the same draw.
    ResetRandom();
    return command->run(parsed, io);
}

} // namespace bm::cli
