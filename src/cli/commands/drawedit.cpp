// draw-edit FILE EVENT [ACTION]: the draw editor's lists and buttons on one
// event.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/editing.h"
#include "engine/editors/draweditor.h"

namespace bm::cli {

namespace {

enum class Action { Show, Place, Remove, Expand, Contract, Auto };

// The action the parser took, by the name the command table gives it.
Action ActionOf(const ParsedArgs& args) {
    static const std::vector<std::string> names = {"show",   "place",    "remove",
                                                   "expand", "contract", "auto"};
    return static_cast<Action>(ChoiceIndex(args.action, names));
}

// What the words after the action ask for: the slot (from 0) and the crew,
// once checked against the editor's lists.
struct Request {
    Action action = Action::Show;
    int slot = -1;
    int crewId = -1;
};

// Checks the slot and crew the action names against the event's lists, as
// the window offers them; false with the message written.
bool ReadChoices(const Boatmeet& meet, const DrawEditor& editor, const ParsedArgs& args,
                 Request& request, Streams& io) {
    if (request.action != Action::Place && request.action != Action::Remove)
        return true;
    const std::string& slotText = args.words[0];
    int slot = 0;
    if (!ParseCount(slotText, slot) || slot < 1 || slot > editor.SlotCount()) {
        io.err << "No such slot : " << slotText << "\n";
        return false;
    }
    request.slot = slot - 1;
    if (request.action == Action::Remove)
        return true;
    const std::string& idText = args.words[1];
    int id = 0;
    if (!ParseCount(idText, id) || !meet.HasCrew(id)) {
        io.err << "No such crew : " << idText << "\n";
        return false;
    }
    if (!editor.IsUnplaced(id)) {
        io.err << "No such unplaced crew : " << idText << "\n";
        return false;
    }
    request.crewId = id;
    return true;
}

// Presses the button.
EditResult Press(DrawEditor& editor, const Request& request, const Confirm& confirm) {
    switch (request.action) {
    case Action::Place:
        return editor.AddToDraw(request.slot, request.crewId, confirm);
    case Action::Remove:
        return editor.RemoveFromDraw(request.slot);
    case Action::Expand:
        return editor.DoExpand();
    case Action::Contract:
        return editor.DoContract(confirm);
    case Action::Auto:
        return editor.DoAuto(confirm);
    case Action::Show:
        break;
    }
    return {};
}

int RunDrawEdit(const ParsedArgs& args, Streams& io) {
    const Action action = ActionOf(args);
    auto edit = [&](Boatmeet& meet) -> int {
        const int eventKey = meet.Events.KeyOf(args.positional[1]);
        if (eventKey == -1) {
            io.err << "No such event : " << args.positional[1] << "\n";
            return Usage;
        }
        DrawEditor editor(meet);
        editor.DoNewEvent(eventKey);
        Request request{.action = action};
        if (action == Action::Show) {
            for (const std::string& line : editor.ShowLines())
                io.out << line << "\n";
            return Done;
        }
        if (!ReadChoices(meet, editor, args, request, io))
            return Usage;
        EditQuestions questions(args);
        return FinishEdit(Press(editor, request, questions.Callback()), questions, io);
    };
    return action == Action::Show ? ReadMeet(args, io, edit) : ChangeMeet(args, io, edit);
}

} // namespace

Command DrawEditCommand() {
    return {.name = "draw-edit",
            .summary = "Shows or edits the first-round slots of one event's draw, as the draw "
                       "editor does.",
            .arguments = {ChangedFileArgument(),
                          {"EVENT", "The event's text (the first event equal ignoring letter "
                                    "case)."}},
            .options = {YesOption()},
            .actions = {{"show", "",
                         "Prints the counts, the slots and the unplaced crews; writes "
                         "nothing."},
                        {"place", "SLOT ID",
                         "Move To Draw: the unplaced crew ID into slot SLOT "
                         "(from 1)."},
                        {"remove", "SLOT", "Remove: slot SLOT becomes empty."},
                        {"expand", "", "Expand Draw: a first round of byes in front."},
                        {"contract", "", "Contract Draw: the first round taken away."},
                        {"auto", "",
                         "AutoDraw: the event drawn at random, as draw --event "
                         "does."}},
            .defaultAction = "show",
            .writesBack = true,
            .notes = "show prints the line\n"
                     "  Crews: N  Placed: P  UnPlaced: U  Status: Valid   (or Invalid),\n"
                     "one line per slot (its number, a tab, the crew's numbered label or ***), "
                     "the line \"UnPlaced Crews:\", then one line per unplaced crew (its id, a "
                     "tab, its label).\n"
                     "Every other action writes the meet, even when nothing changed (contract "
                     "below four slots). An unknown event, a slot outside the draw, or a crew "
                     "that is not unplaced in the event is a usage error (exit 2), found before "
                     "anything changes.",
            .run = RunDrawEdit};
}

} // namespace bm::cli
