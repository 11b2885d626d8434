// Running boatmeet-cli commands in the test process, with the output caught.
#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace bm::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    cli::Streams io{out, err, false};
    CliResult result;
    result.status = cli::Run(args, io);
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace bm::test
