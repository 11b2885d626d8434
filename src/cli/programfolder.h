// Where the running program is installed.
#pragma once

#include <string>

namespace bm::cli {

// The folder of the running program, found at run time ("." when the system
// does not tell). The default import configuration is looked for there.
std::string ProgramFolder();

} // namespace bm::cli
