// Reading a command's arguments: the parser over its option table, and the
// checks of values that several commands share.
#pragma once

#include "cli/command.h"

#include <string>
#include <vector>

namespace bm::cli {

// Parses the arguments after the command name; false with a message on error.
bool ParseArgs(const Command& command, const std::vector<std::string>& args, ParsedArgs& parsed,
               std::string& error);

// Writes "boatmeet-cli COMMAND: TEXT" on stderr and gives the usage status.
int UsageError(Streams& io, const std::string& command, const std::string& text);

// A whole decimal 32-bit number written without blanks.
bool ParseCount(const std::string& text, int& value);
// The position of the value among the names (ASCII case ignored), -1 when absent.
int ChoiceIndex(const std::string& value, const std::vector<std::string>& names);

} // namespace bm::cli
