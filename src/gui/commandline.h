// What the desktop program answers on the terminal: --help and --version.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// When an argument asks for the usage (-h, --help) or the version (--version),
// writes the answer and returns true: the program then ends without opening a
// window (so it needs no display). Any other arguments return false.
bool AnswerOnTerminal(const std::vector<std::string>& args, std::ostream& out);
