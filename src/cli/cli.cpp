#include "cli/cli.h"

#include "cli/common.h"
#include "engine/model/random.h"

#include <algorithm>

namespace bm::cli {

namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: boatmeet-cli COMMAND [ARGS] [OPTIONS]\n"
           "       boatmeet-cli --help | --version\n"
           "       boatmeet-cli COMMAND --help\n\n"
           "Commands:\n";
    std::size_t width = 0;
    for (const Command& command : Commands())
        width = std::max(width, command.name.size());
    for (const Command& command : Commands())
        out << "  " << command.name << std::string(width - command.name.size() + 2, ' ')
            << command.summary << "\n";
}

void PrintCommandUsage(const Command& command, std::ostream& out) {
    out << "Usage: boatmeet-cli " << command.name;
    if (!command.synopsis.empty())
        out << ' ' << command.synopsis;
    out << "\n\n" << command.summary << "\n";
}

const Command* FindCommand(const std::string& name) {
    for (const Command& command : Commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace

std::string ParsedArgs::Value(const std::string& name, const std::string& fallback) const {
    const auto found = options.find(name);
    if (found == options.end() || found->second.empty() || found->second.front().empty())
        return fallback;
    return found->second.front().front();
}

const std::vector<std::vector<std::string>>& ParsedArgs::All(const std::string& name) const {
    static const std::vector<std::vector<std::string>> none;
    const auto found = options.find(name);
    return found == options.end() ? none : found->second;
}

bool ParseArgs(const Command& command, const std::vector<std::string>& args, ParsedArgs& parsed,
               std::string& error) {
    parsed = ParsedArgs{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A negative number ("-1" as a race number or a time) is a value, not
        // an option: no option name begins with a digit.
        const bool isOption = arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9');
        if (!isOption) {
            parsed.positional.push_back(arg);
            continue;
        }
        const auto option =
            std::find_if(command.options.begin(), command.options.end(),
                         [&](const OptionRule& candidate) { return candidate.name == arg; });
        if (option == command.options.end()) {
            error = "unknown option " + arg;
            return false;
        }
        if (parsed.Has(arg) && !option->repeatable) {
            error = "option " + arg + " given more than once";
            return false;
        }
        if (i + static_cast<std::size_t>(option->arity) >= args.size() && option->arity > 0) {
            error = "option " + arg + " needs " + std::to_string(option->arity) + " value(s)";
            return false;
        }
        std::vector<std::string> values(args.begin() + static_cast<long>(i) + 1,
                                        args.begin() + static_cast<long>(i) + 1 + option->arity);
        parsed.options[arg].push_back(std::move(values));
        i += static_cast<std::size_t>(option->arity);
    }
    const int count = static_cast<int>(parsed.positional.size());
    if (count < command.minPositional || count > command.maxPositional) {
        error = "wrong number of arguments";
        return false;
    }
    return true;
}

int Run(const std::vector<std::string>& args, Streams& io) {
    if (args.empty()) {
        PrintUsage(io.err);
        return Usage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintUsage(io.out);
        return Done;
    }
    if (args[0] == "--version") {
        io.out << "boatmeet-cli " << BM_CLI_VERSION << "\n";
        return Done;
    }
    const Command* command = FindCommand(args[0]);
    if (!command) {
        io.err << "boatmeet-cli: unknown command '" << args[0] << "'\n";
        PrintUsage(io.err);
        return Usage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
        PrintCommandUsage(*command, io.out);
        return Done;
    }
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(*command, rest, parsed, error)) {
        io.err << "boatmeet-cli " << command->name << ": " << error << "\n";
        PrintCommandUsage(*command, io.err);
        return Usage;
    }
    // Like the desktop program after start-up, every run draws from the
    // generator's start state, so the same command gives the same draw.
    ResetRandom();
    CliMessages messages(io.err);
    return command->run(parsed, io);
}

} // namespace bm::cli
