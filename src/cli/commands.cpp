// The table of commands. Each command lives in the file of its subject.
#include "cli.h"

namespace bm::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {};
    return commands;
}

} // namespace bm::cli
