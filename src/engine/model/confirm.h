// How an engine operation asks the user a Yes/No question: it is handed a
// callback, so the desktop program can show a box, the command line can answer
// from its options and tests can answer from a script.
#pragma once

#include <functional>
#include <string>

namespace bm {

// Puts the question; true for Yes.
using Confirm = std::function<bool(const std::string& question)>;

} // namespace bm
