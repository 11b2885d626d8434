// Running boatmeet-cli commands in the test process, with the output caught,
// and running the real program.
#pragma once

#include "cli/cli.h"
#include "testsupport.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
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

// The text in single quotes for the shell.
inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the real program from the folder, its output caught in files there;
// the environment settings ("LC_ALL=C", "-u DISPLAY") are passed to env.
inline CliResult RunProgram(const TempDir& dir, const std::vector<std::string>& args,
                            const std::string& environment = {}) {
    std::string command = "cd " + ShellQuoted(dir.Path().string()) + " && " +
                          (environment.empty() ? "" : "env " + environment + " ") +
                          ShellQuoted(BM_CLI_PATH);
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    command += " >" + ShellQuoted(dir.File("stdout")) + " 2>" + ShellQuoted(dir.File("stderr"));
    const int status = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(dir.File("stdout"));
    result.err = ReadFile(dir.File("stderr"));
    return result;
}

} // namespace bm::test
