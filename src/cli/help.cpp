#include "cli/help.h"

#include "cli/commands/commands.h"
#include "cli/programfolder.h"
#include "cli/settingsoptions.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace bm::cli {

namespace {

constexpr std::size_t LineWidth = 79;
// Where the descriptions of arguments and options start.
constexpr std::size_t DescriptionColumn = 24;
// Where the setting names start, after their kind.
constexpr std::size_t SettingNamesColumn = 19;

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Writes the pieces from column `at` on, one blank apart, starting a new line
// at column `indent` before a piece that would pass LineWidth; ends the line.
void WriteWrapped(std::ostream& out, const std::vector<std::string>& pieces, std::size_t at,
                  std::size_t indent) {
    bool lineEmpty = true;
    for (const std::string& piece : pieces) {
        if (!lineEmpty && at + 1 + piece.size() > LineWidth) {
            out << "\n" << std::string(indent, ' ');
            at = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out << ' ';
            ++at;
        }
        out << piece;
        at += piece.size();
        lineEmpty = false;
    }
    out << "\n";
}

// "  LABEL  description", the description wrapped in its column; a label too
// wide for the column has the description on the next line.
void WriteRow(std::ostream& out, const std::string& label, const std::string& text,
              std::size_t column) {
    out << "  " << label;
    std::size_t at = 2 + label.size();
    if (at + 2 > column) {
        out << "\n";
        at = 0;
    }
    out << std::string(column - at, ' ');
    WriteWrapped(out, Words(text), column, column);
}

// Lines of at most LineWidth are written as they stand; longer ones are
// wrapped, continuing under their first word (or at most half a line in).
void WriteNotes(std::ostream& out, const std::string& notes) {
    std::istringstream lines(notes);
    for (std::string line; std::getline(lines, line);) {
        if (line.size() <= LineWidth) {
            out << line << "\n";
            continue;
        }
        const std::size_t indent = std::min(line.find_first_not_of(' '), LineWidth / 2);
        out << std::string(indent, ' ');
        WriteWrapped(out, Words(line), indent, indent);
    }
}

std::string OptionLabel(const OptionRule& option) {
    return option.values.empty() ? option.name : option.name + " " + option.values;
}

// The options as the usage line shows them; neighbouring alternatives are one piece.
std::vector<std::string> OptionPieces(const std::vector<OptionRule>& options) {
    std::vector<std::string> pieces;
    bool inAlternatives = false;
    for (const OptionRule& option : options) {
        const std::string repeat = option.repeatable ? "..." : "";
        if (option.shown == Shown::Alternative && inAlternatives)
            pieces.back() += " | " + OptionLabel(option);
        else if (option.shown == Shown::Optional)
            pieces.push_back("[" + OptionLabel(option) + "]" + repeat);
        else
            pieces.push_back(OptionLabel(option) + repeat);
        inAlternatives = option.shown == Shown::Alternative;
    }
    return pieces;
}

void WriteOptionRows(std::ostream& out, const std::vector<OptionRule>& options) {
    for (const OptionRule& option : options)
        WriteRow(out, OptionLabel(option), option.help, DescriptionColumn);
}

// One kind of setting: "  LABEL  Name, Name, ...".
void WriteSettingNames(std::ostream& out, const std::string& label, SettingKind kind) {
    std::vector<std::string> names = SettingNames(kind);
    for (std::size_t i = 0; i + 1 < names.size(); ++i)
        names[i] += ",";
    out << "  " << label << std::string(SettingNamesColumn - 2 - label.size(), ' ');
    WriteWrapped(out, names, SettingNamesColumn, SettingNamesColumn);
}

} // namespace

std::string UsageLine(const Command& command) {
    std::vector<std::string> pieces;
    for (const ArgumentRule& argument : command.arguments)
        pieces.push_back(argument.name);
    if (!command.actions.empty())
        pieces.push_back(command.defaultAction.empty() ? "ACTION" : "[ACTION]");
    for (std::string& piece : OptionPieces(CommandOptions(command)))
        pieces.push_back(std::move(piece));
    const std::string prefix = "Usage: boatmeet-cli " + command.name;
    std::ostringstream out;
    out << prefix;
    if (!pieces.empty()) {
        out << ' ';
        WriteWrapped(out, pieces, prefix.size() + 1, prefix.size() + 1);
    } else {
        out << "\n";
    }
    return out.str();
}

void WriteCommandUsage(const Command& command, std::ostream& out) {
    out << UsageLine(command) << "\n";
    WriteWrapped(out, Words(command.summary), 0, 0);
}

void WriteCommandHelp(const Command& command, std::ostream& out) {
    WriteCommandUsage(command, out);
    if (!command.arguments.empty()) {
        out << "\nArguments:\n";
        for (const ArgumentRule& argument : command.arguments)
            WriteRow(out, argument.name, argument.help, DescriptionColumn);
    }
    if (!command.actions.empty()) {
        out << "\nActions:\n";
        for (const ActionRule& action : command.actions)
            WriteRow(out, action.words.empty() ? action.name : action.name + " " + action.words,
                     action.help, DescriptionColumn);
    }
    const std::vector<OptionRule> options = CommandOptions(command);
    if (!options.empty()) {
        out << "\nOptions:\n";
        WriteOptionRows(out, options);
    }
    out << "\nSettings:\n";
    std::vector<OptionRule> settings = SettingsOptions();
    settings.back().help += " The names are listed by boatmeet-cli --help.";
    WriteOptionRows(out, settings);
    if (!command.notes.empty()) {
        out << "\n";
        WriteNotes(out, command.notes);
    }
}

void WriteProgramHelp(std::ostream& out) {
    out << "Usage: boatmeet-cli COMMAND [ARGS] [OPTIONS]\n"
           "       boatmeet-cli --help | --version\n"
           "       boatmeet-cli COMMAND --help\n\n";
    WriteNotes(out, "Works on Boatmeet meet files without the desktop program: for scripts, "
                    "batch printing and checking a meet. Reports and texts go to stdout, "
                    "messages to stderr.\n\n"
                    "Commands, in the order of a regatta's work:");
    std::size_t width = 0;
    for (const Command& command : Commands())
        width = std::max(width, command.name.size());
    for (const Command& command : Commands())
        WriteRow(out, command.name, command.summary, width + 4);
    out << "\nEvery command takes the settings options:\n";
    WriteOptionRows(out, SettingsOptions());
    out << "\nThe settings --set takes:\n";
    WriteSettingNames(out, "flags (0 or 1):", SettingKind::Flag);
    WriteSettingNames(out, "whole numbers:", SettingKind::Number);
    WriteSettingNames(out, "money (5.00):", SettingKind::Money);
    WriteSettingNames(out, "text:", SettingKind::Text);
    WriteNotes(out, "\n"
                    "Money (the money settings, an event's entry fee) is written as digits, "
                    "optionally followed by a point and exactly two digits: 12 or 12.50.\n\n"
                    "A command that changes a meet writes it back to FILE, or to OUT with -o "
                    "OUT; the old file stays intact until the new one is completely written.\n\n"
                    "Exit status: 0 done; 1 the operation reported a problem; 2 usage error or "
                    "unreadable input.\n\n");
    out << "boatmeet-cli is installed in: " << ProgramFolder() << "\n";
    WriteNotes(out, "The import configuration VexaConfig.csv is looked for in this folder.");
}

} // namespace bm::cli
