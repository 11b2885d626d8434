// The commands events and clubs: the list editor's buttons from scripts, so
// that a script and the window leave the same meet.
#pragma once

#include "cli/command.h"
#include "engine/editors/listeditor.h"

#include <vector>

namespace bm::cli {

// The actions of the command on the list, list first (the default action).
std::vector<ActionRule> ListActions(EditedList list);
// What the help says after the actions and options.
std::string ListNotes(EditedList list);
// Runs the command on the list: prints it, or does one button's work and
// writes the meet.
int RunListEditing(EditedList list, const ParsedArgs& args, Streams& io);

} // namespace bm::cli
