// draw-edit FILE EVENT [ACTION]: the draw editor's lists and buttons on one
// event.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/draw/draweditor.h"

#include <optional>

namespace bm::cli {

namespace {

enum class Action { Show, Place, Remove, Expand, Contract, Auto };

const std::vector<std::string> ActionNames = {"show",   "place",    "remove",
                                              "expand", "contract", "auto"};
// The words each action takes after its name.
constexpr std::size_t ActionValues[] = {0, 2, 1, 0, 0, 0};

// What the words after FILE and EVENT ask for: the action, the slot (from 0)
// and the crew, once checked against the editor's lists.
struct Request {
    Action action = Action::Show;
    int slot = -1;
    int crewId = -1;
};

// The action named by the words, or nothing (with the usage message written)
// when the name is unknown or the number of its values is wrong.
std::optional<Action> ReadAction(const ParsedArgs& args, Streams& io) {
    if (args.positional.size() == 2)
        return Action::Show;
    const std::string& name = args.positional[2];
    const int index = ChoiceIndex(name, ActionNames);
    if (index < 0) {
        UsageError(io, "draw-edit", "unknown action '" + name + "'");
        return std::nullopt;
    }
    if (args.positional.size() != 3 + ActionValues[index]) {
        UsageError(io, "draw-edit", "wrong number of words for " + ActionNames[index]);
        return std::nullopt;
    }
    return static_cast<Action>(index);
}

// Checks the slot and crew the action names against the event's lists, as
// the window offers them; false with the message written.
bool ReadChoices(const Boatmeet& meet, const DrawEditor& editor, const ParsedArgs& args,
                 Request& request, Streams& io) {
    if (request.action != Action::Place && request.action != Action::Remove)
        return true;
    const std::string& slotText = args.positional[3];
    int slot = 0;
    if (!ParseCount(slotText, slot) || slot < 1 || slot > editor.SlotCount()) {
        io.err << "No such slot : " << slotText << "\n";
        return false;
    }
    request.slot = slot - 1;
    if (request.action == Action::Remove)
        return true;
    const std::string& idText = args.positional[4];
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

// Presses the button; the information that stopped it, if any, in message.
void Press(DrawEditor& editor, const Request& request, const Confirm& confirm,
           std::string& message) {
    switch (request.action) {
    case Action::Place:
        editor.AddToDraw(request.slot, request.crewId, confirm, message);
        break;
    case Action::Remove:
        editor.RemoveFromDraw(request.slot, message);
        break;
    case Action::Expand:
        editor.DoExpand();
        break;
    case Action::Contract:
        editor.DoContract(confirm);
        break;
    case Action::Auto:
        editor.DoAuto(confirm);
        break;
    case Action::Show:
        break;
    }
}

int RunDrawEdit(const ParsedArgs& args, Streams& io) {
    const std::optional<Action> action = ReadAction(args, io);
    if (!action)
        return Usage;
    const bool yes = args.Has("--yes");
    auto edit = [&](Boatmeet& meet) -> int {
        const int eventKey = meet.Events.KeyOf(args.positional[1]);
        if (eventKey == -1) {
            io.err << "No such event : " << args.positional[1] << "\n";
            return Usage;
        }
        DrawEditor editor(meet);
        editor.DoNewEvent(eventKey);
        Request request{.action = *action};
        if (*action == Action::Show) {
            for (const std::string& line : editor.ShowLines())
                io.out << line << "\n";
            return Done;
        }
        if (!ReadChoices(meet, editor, args, request, io))
            return Usage;
        // Without --yes the first question ends the command unanswered.
        std::string unanswered;
        const Confirm confirm = [&](const std::string& question) {
            if (!yes && unanswered.empty())
                unanswered = question;
            return yes;
        };
        std::string message;
        Press(editor, request, confirm, message);
        const std::string& stop = unanswered.empty() ? message : unanswered;
        if (stop.empty())
            return Done;
        io.err << stop << "\n";
        return Problem;
    };
    return *action == Action::Show ? ReadMeet(args, io, edit) : ChangeMeet(args, io, edit);
}

} // namespace

Command DrawEditCommand() {
    return {.name = "draw-edit",
            .summary = "Shows or edits the first-round slots of one event's draw, as the draw "
                       "editor does.",
            .arguments = {ChangedFileArgument(),
                          {"EVENT", "The event's text (the first event equal ignoring letter "
                                    "case)."}},
            .words = {.usage = "[show | place SLOT ID | remove SLOT | expand | contract | auto]",
                      .most = 3,
                      .forms = {{"show", "Prints the counts, the slots and the unplaced crews "
                                         "(the default); writes nothing."},
                                {"place SLOT ID", "Move To Draw: the unplaced crew ID into slot "
                                                  "SLOT (from 1)."},
                                {"remove SLOT", "Remove: slot SLOT becomes empty."},
                                {"expand", "Expand Draw: a first round of byes in front."},
                                {"contract", "Contract Draw: the first round taken away."},
                                {"auto", "AutoDraw: the event drawn at random, as draw --event "
                                         "does."}}},
            .options = {{.name = "--yes",
                         .help = "Answers Yes to the window's questions; without it a question "
                                 "ends the command (its text on stderr, exit 1, nothing "
                                 "written)."}},
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
