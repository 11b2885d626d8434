// events FILE [ACTION]: the event editor's list with sponsors and entry fees.
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/editing.h"
#include "cli/listediting.h"

namespace bm::cli {

namespace {

int RunEvents(const ParsedArgs& args, Streams& io) {
    return RunListEditing(EditedList::Events, args, io);
}

} // namespace

Command EventsCommand() {
    return {.name = "events",
            .summary = "Lists or edits the events with their sponsors and entry fees, as the "
                       "event editor does.",
            .arguments = {ChangedFileArgument()},
            .options = {YesOption()},
            .actions = ListActions(EditedList::Events),
            .defaultAction = "list",
            .writesBack = true,
            .notes = ListNotes(EditedList::Events),
            .run = RunEvents};
}

} // namespace bm::cli
