// save FILE: the meet rewritten in the current form.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"

namespace bm::cli {

namespace {

int RunSave(const ParsedArgs& args, Streams& io) {
    return ChangeMeet(args, io, [](Boatmeet&) { return Done; });
}

} // namespace

Command SaveCommand() {
    return {.name = "save",
            .summary = "Rewrites the meet in full, in the current file form.",
            .arguments = {{"FILE", "The meet file; it is rewritten unless -o is given."}},
            .writesBack = true,
            .notes = "Loads the meet and saves it as Save As does, so an older or hand-edited "
                     "file takes the current form.",
            .run = RunSave};
}

} // namespace bm::cli
