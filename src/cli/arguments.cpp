#include "cli/arguments.h"

#include "engine/model/text.h"

#include <algorithm>

namespace bm::cli {

namespace {

// A negative number ("-1" as a race number or a time) is a value, not an
// option: no option name begins with a digit.
bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9');
}

// Moves the action word and its words from the positional arguments into
// their own fields; false with a message when they do not fit an action.
bool TakeAction(const Command& command, ParsedArgs& parsed, std::string& error) {
    const std::size_t arguments = command.arguments.size();
    if (parsed.positional.size() == arguments && !command.defaultAction.empty()) {
        parsed.action = command.defaultAction;
        return true;
    }
    if (parsed.positional.size() <= arguments) {
        error = "wrong number of arguments";
        return false;
    }
    parsed.action = parsed.positional[arguments];
    const auto action =
        std::find_if(command.actions.begin(), command.actions.end(),
                     [&](const ActionRule& candidate) { return candidate.name == parsed.action; });
    if (action == command.actions.end()) {
        error = "unknown action " + parsed.action;
        return false;
    }
    parsed.words.assign(parsed.positional.begin() + static_cast<long>(arguments) + 1,
                        parsed.positional.end());
    parsed.positional.resize(arguments);
    const auto count = static_cast<int>(parsed.words.size());
    if (count < action->LeastWords() || count > action->MostWords()) {
        error = "wrong number of words after " + parsed.action;
        return false;
    }
    return true;
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
    const std::vector<OptionRule> accepted = AcceptedOptions(command);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!IsOption(arg)) {
            parsed.positional.push_back(arg);
            continue;
        }
        const auto option =
            std::find_if(accepted.begin(), accepted.end(),
                         [&](const OptionRule& candidate) { return candidate.name == arg; });
        if (option == accepted.end()) {
            error = "unknown option " + arg;
            return false;
        }
        if (parsed.Has(arg) && !option->repeatable) {
            error = "option " + arg + " given more than once";
            return false;
        }
        const auto arity = static_cast<std::size_t>(option->Arity());
        if (arity > 0 && i + arity >= args.size()) {
            error = "option " + arg + " needs " + std::to_string(arity) + " value(s)";
            return false;
        }
        const auto first = args.begin() + static_cast<long>(i) + 1;
        parsed.options[arg].emplace_back(first, first + static_cast<long>(arity));
        i += arity;
    }
    if (!command.actions.empty())
        return TakeAction(command, parsed, error);
    if (parsed.positional.size() != command.arguments.size()) {
        error = "wrong number of arguments";
        return false;
    }
    return true;
}

int UsageError(Streams& io, const std::string& command, const std::string& text) {
    io.err << "boatmeet-cli " << command << ": " << text << "\n";
    return Usage;
}

bool ParseCount(const std::string& text, int& value) {
    return Trimmed(text) == text && ParseWholeInt(text, value);
}

int ChoiceIndex(const std::string& value, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameTextIgnoringCase(value, names[i]))
            return static_cast<int>(i);
    return -1;
}

} // namespace bm::cli
