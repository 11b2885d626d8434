// The help texts, made from the command table: the usage line and help of
// each command and the program's help.
#pragma once

#include "cli/command.h"

#include <ostream>
#include <string>

namespace bm::cli {

// "Usage: boatmeet-cli NAME ARGUMENTS OPTIONS", broken into lines of at most
// 79 characters between options, with its end of line.
std::string UsageLine(const Command& command);
// What `boatmeet-cli COMMAND --help` prints.
void WriteCommandHelp(const Command& command, std::ostream& out);
// The usage line and summary, shown after a usage error.
void WriteCommandUsage(const Command& command, std::ostream& out);
// What `boatmeet-cli --help` prints.
void WriteProgramHelp(std::ostream& out);

} // namespace bm::cli
