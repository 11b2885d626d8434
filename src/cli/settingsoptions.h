// The settings of a run: the options --defaults and --set NAME=VALUE that
// every command takes, and the process-wide settings they make.
#pragma once

#include "cli/command.h"

#include <string>
#include <vector>

namespace bm::cli {

// --defaults and --set NAME=VALUE.
std::vector<OptionRule> SettingsOptions();
// What a setting's value is: 0 or 1, a whole number, money text ("5.00"), text.
enum class SettingKind { Flag, Number, Money, Text };
// The names --set takes of that kind, in the order the preferences keep them.
std::vector<std::string> SettingNames(SettingKind kind);

// Sets the process-wide settings for the run: the user's store (or the
// defaults with --defaults), then each --set NAME=VALUE. False, with the
// message written, on a bad --set. The store is only read, never written.
bool PrepareSettings(const ParsedArgs& args, Streams& io);
// Applies one NAME=VALUE; false with the reason in error.
bool ApplySetting(const std::string& assignment, std::string& error);

} // namespace bm::cli
