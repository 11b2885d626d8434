// The commands over draws and reports: drawing events, and writing one report
// of the display selector.
#pragma once

#include "cli/cli.h"

namespace bm::cli {

// draw FILE [--event NAME]... [-o OUT]
int RunDraw(const ParsedArgs& args, Streams& io);
// report FILE WHICH [--show-type races|results|truncated] [--format text|html|rtf]
int RunReport(const ParsedArgs& args, Streams& io);

} // namespace bm::cli
