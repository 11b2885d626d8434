#include "cli/listediting.h"

#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/editing.h"
#include "engine/model/boatmeet.h"
#include "engine/model/clockmoney.h"

#include <functional>

namespace bm::cli {

namespace {

// How the command names its list and the two side values.
struct ListWords {
    std::string command; // "events"
    std::string entry;   // "event"
    std::string noSuch;  // "No such event : "
    std::string side1;   // action of side value 1
    std::string side1Text;
    std::string side2;
    std::string side2Text;
};

ListWords WordsOf(EditedList list) {
    if (list == EditedList::Events)
        return {"events", "event", "No such event : ", "sponsor", "sponsor", "fee", "entry fee"};
    return {"clubs", "club", "No such club : ", "colours", "colours", "contact", "contact"};
}

// The action a button of the list editor does on the selected line.
using Button =
    std::function<EditResult(ListEditor& editor, const ParsedArgs& args, const Confirm& confirm)>;

// The word of a side value: empty when VALUE was left out (an empty edit).
std::string SideValue(const ParsedArgs& args) {
    return args.words.size() > 1 ? args.words[1] : std::string();
}

Button ButtonOf(const std::string& action, const ListWords& words) {
    if (action == "add")
        return [](ListEditor& editor, const ParsedArgs& args, const Confirm&) {
            return editor.Add(args.words[0]);
        };
    if (action == "rename")
        return [](ListEditor& editor, const ParsedArgs& args, const Confirm& confirm) {
            return editor.Rename(args.words[1], confirm);
        };
    if (action == "delete")
        return [](ListEditor& editor, const ParsedArgs&, const Confirm& confirm) {
            return editor.Delete(confirm);
        };
    if (action == "up")
        return
            [](ListEditor& editor, const ParsedArgs&, const Confirm&) { return editor.MoveUp(); };
    if (action == "down")
        return
            [](ListEditor& editor, const ParsedArgs&, const Confirm&) { return editor.MoveDown(); };
    if (action == "sort")
        return [](ListEditor& editor, const ParsedArgs& args, const Confirm&) {
            return ChoiceIndex(args.words[0], {"az"}) == 0 ? editor.SortAlphabetic()
                                                           : editor.SortEvents();
        };
    if (action == words.side1)
        return [](ListEditor& editor, const ParsedArgs& args, const Confirm&) {
            return editor.SetSide1(SideValue(args));
        };
    return [](ListEditor& editor, const ParsedArgs& args, const Confirm& confirm) {
        return editor.SetSide2(SideValue(args), confirm);
    };
}

int PrintList(EditedList list, const ParsedArgs& args, Streams& io) {
    return ReadMeet(args, io, [&](Boatmeet& meet) {
        const ListEditor editor(meet, list);
        for (int line = 0; line < static_cast<int>(editor.Lines().size()); ++line) {
            const ListLineValues values = editor.Values(line);
            io.out << values.Text << "\t" << values.Side1 << "\t" << values.Side2 << "\n";
        }
        return Done;
    });
}

} // namespace

std::vector<ActionRule> ListActions(EditedList list) {
    const ListWords w = WordsOf(list);
    const std::string lines =
        "Prints one line per " + w.entry + " in list order: its text, a tab, its " + w.side1Text +
        ", a tab, its " + w.side2Text +
        (list == EditedList::Events ? " (with AutoFeeOn the automatic fee when none is stored)"
                                    : "") +
        ". The action when none is named.";
    return {
        {"list", "", lines},
        {"add", "TEXT",
         "Adds the " + w.entry +
             " (Add): blanks at both ends dropped, at most 100 characters kept. A text already "
             "in the list (ignoring letter case) is refused: \"The new text is empty or already "
             "in the list!\"."},
        {"rename", "OLD NEW",
         "Renames the " + w.entry +
             " (O&K), which keeps its crews and side values; asks \"OK to change the value?\"."},
        {"delete", "TEXT",
         "Deletes the " + w.entry +
             " (Delete); its crews keep its key. Asks \"Any existing "
             "references to the data will be undefined if you deleted. "
             "Continue?\"."},
        {"up", "TEXT", "Moves the " + w.entry + " one place up (Up)."},
        {"down", "TEXT", "Moves the " + w.entry + " one place down (Down)."},
        {"sort", "az|events",
         "Sorts the list: az by text (Sort A-Z), events in the order of event names (Sort Ev)."},
        {w.side1, "TEXT [VALUE]",
         "Sets the " + w.entry + "'s " + w.side1Text + " to VALUE; without VALUE removes it."},
        {w.side2, "TEXT [VALUE]",
         "Sets the " + w.entry + "'s " + w.side2Text + " to VALUE; without VALUE removes it" +
             (list == EditedList::Events
                  ? ". VALUE is money, as 12 or 12.50. With AutoFeeOn a fee asks \"Override "
                    "Auto Fee Value?\" and no VALUE brings the automatic fee back."
                  : ".")},
    };
}

std::string ListNotes(EditedList list) {
    const ListWords w = WordsOf(list);
    return "TEXT and OLD name " + w.entry +
           "s as listed: the first equal exactly, else the "
           "first equal ignoring letter case; a name not in the list is a usage error (" +
           w.noSuch +
           "NAME). The meet is written after every action but list, even when "
           "nothing changed.";
}

int RunListEditing(EditedList list, const ParsedArgs& args, Streams& io) {
    const ListWords words = WordsOf(list);
    if (args.action == "list")
        return PrintList(list, args, io);
    if (args.action == "sort" && ChoiceIndex(args.words[0], {"az", "events"}) < 0)
        return UsageError(io, words.command, "sort takes az or events");
    if (list == EditedList::Events && args.action == words.side2 && !IsFeeText(SideValue(args))) {
        io.err << NotMoneyText << "\n";
        return Usage;
    }
    const Button button = ButtonOf(args.action, words);
    return ChangeMeet(args, io, [&](Boatmeet& meet) {
        ListEditor editor(meet, list);
        const bool picksLine = args.action != "add" && args.action != "sort";
        if (picksLine) {
            const int line = editor.FindLine(args.words[0]);
            if (line < 0) {
                io.err << words.noSuch << args.words[0] << "\n";
                return static_cast<int>(Usage);
            }
            editor.Select(line);
        }
        EditQuestions questions(args);
        const EditResult result = button(editor, args, questions.Callback());
        if (result.Changed)
            editor.Reload();
        return FinishEdit(result, questions, io);
    });
}

} // namespace bm::cli
