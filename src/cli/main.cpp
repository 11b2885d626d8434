#include "cli/cli.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    bm::cli::Streams io{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    const int status = bm::cli::Run(std::vector<std::string>(argv + 1, argv + argc), io);
    std::cout.flush();
    return std::cout ? status : bm::cli::Problem;
}
