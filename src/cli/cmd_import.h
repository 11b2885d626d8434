// Commands of the entry import and the test data generator.
#pragma once

#include "cli/cli.h"

namespace bm::cli {

// import FILE [--config CONFIG.csv] --file KEY=PATH... [--detect-doubling-up] [-o OUT]
int RunImport(const ParsedArgs& args, Streams& io);
// generate OUT [--title T] [--crews N] [--events N] [--clubs N] [--double-ups N] [--boat-shares N]
int RunGenerate(const ParsedArgs& args, Streams& io);

} // namespace bm::cli
