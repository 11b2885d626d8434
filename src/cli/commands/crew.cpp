// crew FILE ACTION: the crew editor from scripts: its list of crews, New,
// Delete, the fields of a crew and the links between crews.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "cli/editing.h"
#include "engine/editors/creweditor.h"
#include "engine/model/boatmeet.h"

#include <algorithm>
#include <map>
#include <optional>

namespace bm::cli {

namespace {

// The field options in the order their controls are changed.
const std::vector<std::string> FieldOptions = {"--fee-paid", "--early-pay", "--name",
                                               "--notes",    "--number",    "--day-licences",
                                               "--event",    "--club",      "--record-move"};
const std::vector<std::string> LinkOptions = {"--double-up", "--boat-share"};

bool HasAny(const ParsedArgs& args, const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& name) { return args.Has(name); });
}

// The options checked before the meet is read: those the action takes, and their values.
bool CheckOptions(const ParsedArgs& args, std::string& error) {
    const bool fields = args.action == "new" || args.action == "edit";
    const bool links = args.action == "link" || args.action == "unlink";
    if (!fields && HasAny(args, FieldOptions)) {
        error = "the crew's fields are given only with new and edit";
        return false;
    }
    if (links != (args.Has("--double-up") != args.Has("--boat-share"))) {
        error = links ? "link and unlink take one of --double-up and --boat-share"
                      : "--double-up and --boat-share are given only with link and unlink";
        return false;
    }
    for (const char* flag : {"--fee-paid", "--early-pay"}) {
        if (args.Has(flag) && ChoiceIndex(args.Value(flag), {"0", "1"}) < 0) {
            error = std::string(flag) + " takes 0 or 1";
            return false;
        }
    }
    if (args.Has("--record-move") && ChoiceIndex(args.Value("--record-move"), {"yes", "no"}) < 0) {
        error = "--record-move takes yes or no";
        return false;
    }
    return true;
}

// The crew named by a word, or none (printing the usage message) when no crew has that id.
std::optional<int> CrewOfWord(const Boatmeet& meet, const std::string& word, Streams& io) {
    int id = 0;
    if (ParseCount(word, id) && meet.HasCrew(id))
        return id;
    io.err << "No such crew : " << word << "\n";
    return std::nullopt;
}

// The event and club named by the fields, checked before anything changes.
bool FieldNamesKnown(const Boatmeet& meet, const ParsedArgs& args, Streams& io) {
    if (args.Has("--event") && meet.Events.KeyOf(args.Value("--event")) == -1) {
        io.err << "No such event : " << args.Value("--event") << "\n";
        return false;
    }
    if (args.Has("--club") && meet.Clubs.KeyOf(args.Value("--club")) == -1) {
        io.err << "No such club : " << args.Value("--club") << "\n";
        return false;
    }
    return true;
}

// Each given field is one change of its control, in the crew editor's order;
// the warnings go to stderr as they arise.
void ApplyFields(CrewEditor& editor, const ParsedArgs& args, Streams& io) {
    const auto shown = [&](const CrewEditResult& result) {
        for (const std::string& warning : result.Messages)
            io.err << warning << "\n";
        if (result.ReloadAll)
            editor.Reload();
    };
    if (args.Has("--fee-paid"))
        shown(editor.SetFeePaid(args.Value("--fee-paid") == "1"));
    if (args.Has("--early-pay"))
        shown(editor.SetEarlyPay(args.Value("--early-pay") == "1"));
    if (args.Has("--name"))
        shown(editor.EditName(args.Value("--name")));
    if (args.Has("--notes"))
        shown(editor.EditNotes(args.Value("--notes")));
    if (args.Has("--number"))
        shown(editor.EditNumber(args.Value("--number")));
    if (args.Has("--day-licences"))
        shown(editor.EditDayLicences(args.Value("--day-licences")));
    if (args.Has("--event")) {
        const bool record = ChoiceIndex(args.Value("--record-move", "yes"), {"yes"}) == 0;
        shown(editor.ChooseEvent(args.Value("--event"),
                                 [record](const std::string&) { return record; }));
    }
    if (args.Has("--club"))
        shown(editor.ChooseClub(args.Value("--club")));
}

// The length label after a successful change, as the window shows it.
void WarnLength(const CrewEditor& editor, Streams& io) {
    const std::string label = editor.LengthLabel();
    if (!label.empty())
        io.err << label << "\n";
}

int ListCrews(const ParsedArgs& args, Streams& io) {
    return ReadMeet(args, io, [&](Boatmeet& meet) {
        const CrewEditor editor(meet);
        for (const CrewLine& line : editor.Lines())
            io.out << line.Id << "\t" << line.Text << "\n";
        return Done;
    });
}

int NewCrew(Boatmeet& meet, const ParsedArgs& args, Streams& io, int& id) {
    if (!FieldNamesKnown(meet, args, io))
        return Usage;
    CrewEditor editor(meet);
    editor.New();
    editor.Reload();
    id = editor.Current()->Id;
    ApplyFields(editor, args, io);
    WarnLength(editor, io);
    return Done;
}

int EditCrew(Boatmeet& meet, const ParsedArgs& args, Streams& io) {
    const std::optional<int> id = CrewOfWord(meet, args.words[0], io);
    if (!id || !FieldNamesKnown(meet, args, io))
        return Usage;
    CrewEditor editor(meet);
    editor.SelectLine(editor.LineOfCrew(*id));
    ApplyFields(editor, args, io);
    WarnLength(editor, io);
    return Done;
}

int DeleteCrew(Boatmeet& meet, const ParsedArgs& args, Streams& io) {
    const std::optional<int> id = CrewOfWord(meet, args.words[0], io);
    if (!id)
        return Usage;
    CrewEditor editor(meet);
    editor.SelectLine(editor.LineOfCrew(*id));
    EditQuestions questions(args);
    const CrewEditResult result = editor.Delete(questions.Callback());
    if (result.ReloadAll)
        editor.Reload();
    return FinishEdit(result, questions, io);
}

int LinkCrews(Boatmeet& meet, const ParsedArgs& args, Streams& io) {
    const std::optional<int> id = CrewOfWord(meet, args.words[0], io);
    const std::optional<int> other = id ? CrewOfWord(meet, args.words[1], io) : std::nullopt;
    if (!other)
        return Usage;
    CrewEditor editor(meet);
    editor.SelectLine(editor.LineOfCrew(*id));
    const int line = editor.LineOfCrew(*other);
    const CrewEditResult result =
        args.Has("--double-up") ? editor.AddDoubleUp(line) : editor.AddBoatShare(line);
    if (!result.LinksChanged) {
        io.err << "No link made\n";
        return Problem;
    }
    editor.Reload();
    WarnLength(editor, io);
    return Done;
}

int UnlinkCrews(Boatmeet& meet, const ParsedArgs& args, Streams& io) {
    const std::optional<int> id = CrewOfWord(meet, args.words[0], io);
    if (!id)
        return Usage;
    CrewEditor editor(meet);
    editor.SelectLine(editor.LineOfCrew(*id));
    const bool doubleUp = args.Has("--double-up");
    const CrewFields fields = editor.Fields();
    const std::vector<CrewLine>& links = doubleUp ? fields.DoubleUps : fields.BoatShares;
    int other = 0;
    const auto link = ParseCount(args.words[1], other)
                          ? std::find_if(links.begin(), links.end(),
                                         [other](const CrewLine& line) { return line.Id == other; })
                          : links.end();
    if (link == links.end()) {
        io.err << "No such link\n";
        return Problem;
    }
    const int linkLine = static_cast<int>(link - links.begin());
    doubleUp ? editor.RemoveDoubleUp(linkLine) : editor.RemoveBoatShare(linkLine);
    editor.Reload();
    WarnLength(editor, io);
    return Done;
}

int RunCrew(const ParsedArgs& args, Streams& io) {
    std::string error;
    if (!CheckOptions(args, error))
        return UsageError(io, "crew", error);
    if (args.action == "list")
        return ListCrews(args, io);
    int newId = -1;
    const std::map<std::string, MeetWork> actions = {
        {"new", [&](Boatmeet& meet) { return NewCrew(meet, args, io, newId); }},
        {"edit", [&](Boatmeet& meet) { return EditCrew(meet, args, io); }},
        {"delete", [&](Boatmeet& meet) { return DeleteCrew(meet, args, io); }},
        {"link", [&](Boatmeet& meet) { return LinkCrews(meet, args, io); }},
        {"unlink", [&](Boatmeet& meet) { return UnlinkCrews(meet, args, io); }},
    };
    const int status = ChangeMeet(args, io, actions.at(args.action));
    // The new crew's id once the meet holding it is written.
    if (status == Done && newId > 0)
        io.out << newId << "\n";
    return status;
}

OptionRule FieldOption(const char* name, const char* values, const std::string& help) {
    return {.name = name, .values = values, .help = "With new and edit: " + help};
}

} // namespace

Command CrewCommand() {
    return {
        .name = "crew",
        .summary = "Lists the crews, or makes, edits, deletes or links a crew, as the crew "
                   "editor does.",
        .arguments = {ChangedFileArgument()},
        .options =
            {FieldOption("--fee-paid", "0|1", "ticks (1) or clears (0) \"Entry Fee Paid\"."),
             FieldOption("--early-pay", "0|1", "ticks (1) or clears (0) \"Early Pay Discount\"."),
             FieldOption("--name", "TEXT", "the crew's name; at most 40 characters are kept."),
             FieldOption("--notes", "TEXT", "the crew's notes; at most 100 characters are kept."),
             FieldOption("--number", "TEXT",
                         "the crew's number, read as the crew editor reads it: 12a is 12; 0, a "
                         "negative number or no digits leave the crew without a number."),
             FieldOption("--day-licences", "TEXT",
                         "the day licences bought, read the same way (0 without digits)."),
             FieldOption("--event", "NAME",
                         "the crew's event (the first equal ignoring letter case); the crew "
                         "leaves its old event's draw."),
             FieldOption("--club", "NAME",
                         "the crew's club (the first equal ignoring letter "
                         "case)."),
             FieldOption("--record-move", "yes|no",
                         "the answer to \"Record Event change in Crew Notes?\" when --event "
                         "moves the crew (default yes)."),
             {.name = "--double-up",
              .help = "With link and unlink: the link between crews that share a rower."},
             {.name = "--boat-share",
              .help = "With link and unlink: the link between crews that share a boat."},
             YesOption()},
        .actions =
            {{"list", "",
              "Prints one line per crew in the crew editor's order: the crew's id, a tab, the "
              "line the editor lists (names cut at 100 characters)."},
             {"new", "",
              "New: a crew named by the SetCrewName setting, then the fields given; prints the "
              "new crew's id."},
             {"edit", "ID", "Makes crew ID the current crew and changes the fields given."},
             {"delete", "ID",
              "Delete: refused while the crew has links; asks \"OK to Delete crew?\", or \"If "
              "you delete the crew, its event Draw will be invalid. Continue?\" when its event "
              "is drawn."},
             {"link", "ID OTHER",
              "Add Double Up / Add Boat Share between crews ID and OTHER (crews of different "
              "events); \"No link made\" (exit 1) when none was made."},
             {"unlink", "ID OTHER",
              "Remove Double Up / Remove Boat Share: OTHER is an id in ID's list of that kind "
              "(it may name no crew); else \"No such link\" (exit 1)."}},
        .writesBack = true,
        .notes = "The fields are changed in the order of the options above, whatever their "
                 "order on the command line. Warnings go to stderr and the change stands: "
                 "\"There is already another crew from this club in this event!\" after an "
                 "event or club change, and \"Club+Name exceeds length threshold\" at the end. "
                 "Every action but list sorts the crews by event and club, as opening the crew "
                 "editor does, and writes the meet.",
        .run = RunCrew};
}

} // namespace bm::cli
