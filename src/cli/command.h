// What a command is made of: the arguments and options it takes, as the parser
// reads them and its help describes them, and the function that runs it.
#pragma once

#include "cli/cli.h"

#include <map>
#include <string>
#include <vector>

namespace bm::cli {

// How the usage line shows an option. The parser takes every option as
// optional; a command checks its needed options itself, with its own message.
enum class Shown {
    Optional,    // [--title T]
    Needed,      // --by event|club
    Alternative, // --race N | --crew N: exactly one of neighbouring options
};

// One option a command accepts.
struct OptionRule {
    std::string name{};   // "--title", "-o"
    std::string values{}; // one word per value that follows ("T", "START END VALUE i|ph")
    std::string help{};   // what it does, for --help
    bool repeatable = false;
    Shown shown = Shown::Optional;

    // How many values follow the name: the words of `values`.
    int Arity() const;
};

// One positional argument; a command takes each of its arguments exactly once.
struct ArgumentRule {
    std::string name{}; // "FILE"
    std::string help{};
};

// One action of a command that names what to do after its arguments
// ("crew FILE edit ID"): the action word, the words that follow it, and what it does.
struct ActionRule {
    std::string name{};  // "edit"
    std::string words{}; // "ID", "TEXT [VALUE]": a word in brackets may be left out
    std::string help{};

    // How many words follow the action word: at least, and at most.
    int LeastWords() const;
    int MostWords() const;
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::vector<std::string>>> options;
    // The action named after the arguments, and the words that followed it.
    std::string action;
    std::vector<std::string> words;

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    // The first value of an option, or the fallback when it was not given.
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
    // Every occurrence of an option with its values.
    const std::vector<std::vector<std::string>>& All(const std::string& name) const;
};

struct Command {
    std::string name{};
    std::string summary{}; // one sentence
    std::vector<ArgumentRule> arguments{};
    std::vector<OptionRule> options{}; // its own options, in the order the usage shows them
    // The actions of a command that takes one after its arguments; empty for
    // a command that takes none.
    std::vector<ActionRule> actions{};
    // The action when none is named; empty when one must be named.
    std::string defaultAction{};
    // Changes the meet of FILE and writes it back, or to -o OUT.
    bool writesBack = false;
    // Lines closing the help: how values are written, what the command prints.
    std::string notes{};
    int (*run)(const ParsedArgs& args, Streams& io) = nullptr;
};

// The command's own options, then -o when it writes its meet back.
std::vector<OptionRule> CommandOptions(const Command& command);
// Every option the command accepts: its options, then the settings options.
std::vector<OptionRule> AcceptedOptions(const Command& command);

} // namespace bm::cli
