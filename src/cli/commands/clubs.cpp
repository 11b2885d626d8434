// clubs FILE [ACTION]: the club editor's list with colours and contacts.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/editing.h"
#include "cli/listediting.h"

namespace bm::cli {

namespace {

int RunClubs(const ParsedArgs& args, Streams& io) {
    return RunListEditing(EditedList::Clubs, args, io);
}

} // namespace

Command ClubsCommand() {
    return {.name = "clubs",
            .summary = "Lists or edits the clubs with their colours and contacts, as the club "
                       "editor does.",
            .arguments = {ChangedFileArgument()},
            .options = {YesOption()},
            .actions = ListActions(EditedList::Clubs),
            .defaultAction = "list",
            .writesBack = true,
            .notes = ListNotes(EditedList::Clubs),
            .run = RunClubs};
}

} // namespace bm::cli
