// boatmeet-cli: the command-line face of the meet engine. Every command is a
// function over an argument list that writes to the given streams, so tests can
// run commands in-process and compare the exact text.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace bm::cli {

enum ExitCode { Done = 0, Problem = 1, Usage = 2 };

struct Streams {
    std::ostream& out; // reports and texts
    std::ostream& err; // messages and progress
    bool errIsTerminal = false;
};

// One option a command accepts: its name ("--title", "-o"), how many values
// follow it, and whether it may be given more than once.
struct OptionRule {
    std::string name;
    int arity = 0;
    bool repeatable = false;
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::vector<std::string>>> options;

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    // The first value of an option, or the fallback when it was not given.
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
    // Every occurrence of an option with its values.
    const std::vector<std::vector<std::string>>& All(const std::string& name) const;
};

struct Command {
    std::string name;
    std::string synopsis; // arguments, shown after the command name
    std::string summary;  // one line
    std::vector<OptionRule> options;
    int minPositional = 0;
    int maxPositional = 0;
    int (*run)(const ParsedArgs& args, Streams& io) = nullptr;
};

// Every command, in the order the help lists them.
const std::vector<Command>& Commands();

// Parses the arguments after the command name; false with a message on error.
bool ParseArgs(const Command& command, const std::vector<std::string>& args, ParsedArgs& parsed,
               std::string& error);

// Runs the program on its arguments (without the program name).
int Run(const std::vector<std::string>& args, Streams& io);

} // namespace bm::cli
