#include "cli/cli.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // A write past the file-size limit (ulimit -f) then fails with EFBIG, so
    // a save reports its failure and removes its temporary file instead of
    // the process being killed halfway.
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false);
    bm::cli::Streams io{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    const int status = bm::cli::Run(std::vector<std::string>(argv + 1, argv + argc), io);
    std::cout.flush();
    return std::cout ? status : bm::cli::Problem;
}
