// Commands about racing and checking a meet: results, the event split, the
// information texts and the draw status check.
#pragma once

#include "cli/cli.h"

namespace bm::cli {

int RunSetResult(const ParsedArgs& args, Streams& io);
int RunSplit(const ParsedArgs& args, Streams& io);
int RunInfo(const ParsedArgs& args, Streams& io);
int RunCheck(const ParsedArgs& args, Streams& io);

} // namespace bm::cli
