// Commands over the meet as a whole: creating a meet, rewriting it, writing
// its key data, and numbering its crews.
#pragma once

#include "cli/cli.h"

namespace bm::cli {

int RunNew(const ParsedArgs& args, Streams& io);
int RunSave(const ParsedArgs& args, Streams& io);
int RunSaveKey(const ParsedArgs& args, Streams& io);
int RunNumberCrews(const ParsedArgs& args, Streams& io);

} // namespace bm::cli
