// Files that a command creates rather than changes (new, generate, save-key):
// an existing file is replaced only when the command is told so with --force.
#pragma once

#include "cli/command.h"

#include <string>

namespace bm::cli {

// --force: lets the command replace an existing OUT.
OptionRule ForceOption();
// The help of an OUT argument the command creates.
std::string CreatedFileHelp(const std::string& what);
// True when the command may write the target: it names no existing file, or
// --force was given. Otherwise writes "OUT already exists (use --force to
// replace it)" on stderr.
bool MayWriteNewFile(const ParsedArgs& args, const std::string& target, Streams& io);

} // namespace bm::cli
