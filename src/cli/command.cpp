#include "cli/command.h"

#include "cli/commandmeet.h"
#include "cli/settingsoptions.h"

#include <sstream>

namespace bm::cli {

int OptionRule::Arity() const {
    std::istringstream words(values);
    int count = 0;
    for (std::string word; words >> word;)
        ++count;
    return count;
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
