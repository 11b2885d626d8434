// boatmeet-cli: the command-line face of the meet engine. Every command is a
// function over an argument list that writes to the given streams, so tests can
// run commands in-process and compare the exact text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bm::cli {

enum ExitCode { Done = 0, Problem = 1, Usage = 2 };

struct Streams {
    std::ostream& out; // reports and texts
    std::ostream& err; // messages and progress
    bool errIsTerminal = false;
};

// Runs the program on its arguments (without the program name).
int Run(const std::vector<std::string>& args, Streams& io);

} // namespace bm::cli
