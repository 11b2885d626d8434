#include "cli/command.h"

#include "cli/commandmeet.h"
#include "cli/settingsoptions.h"

#include <sstream>

namespace bm::cli {

namespace {

// The words of a text; with optionalOnly, only those in brackets ("[VALUE]").
int WordCount(const std::string& text, bool optionalOnly) {
    std::istringstream words(text);
    int count = 0;
    for (std::string word; words >> word;)
        if (!optionalOnly || word.front() == '[')
            ++count;
    return count;
}

} // namespace

int OptionRule::Arity() const {
    return WordCount(values, false);
}

int ActionRule::LeastWords() const {
    return WordCount(words, false) - WordCount(words, true);
}

int ActionRule::MostWords() const {
    return WordCount(words, false);
}

std::vector<OptionRule> CommandOptions(const Command& command) {
    std::vector<OptionRule> options = command.options;
    if (command.writesBack)
        options.push_back(OutputOption());
    return options;
}

std::vector<OptionRule> AcceptedOptions(const Command& command) {
    std::vector<OptionRule> options = CommandOptions(command);
    for (OptionRule& option : SettingsOptions())
        options.push_back(std::move(option));
    return options;
}

} // namespace bm::cli
