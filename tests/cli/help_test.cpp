// The help texts made from the command table: exact texts of two commands,
// properties every command's help keeps, and the program's help.
#include "cli/commands/commands.h"
#include "clirun.h"
#include "engine/reports/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace bm;
using namespace bm::test;

namespace {

const std::string SettingsRows =
    "Settings:\n"
    "  --defaults            Ignores the saved settings of the desktop program:\n"
    "                        every setting is at its default.\n"
    "  --set NAME=VALUE      Sets one setting by its stored name, after the saved\n"
    "                        settings or --defaults; may be given more than once.\n"
    "                        The names are listed by boatmeet-cli --help.\n";

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(CommandHelp, NumberCrews) {
    const CliResult result = RunCli({"number-crews", "--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "Usage: boatmeet-cli number-crews FILE --by event|club [-o OUT]\n"
              "\n"
              "Numbers the crews by event (draw order) or by club.\n"
              "\n"
              "Arguments:\n"
              "  FILE                  The meet file; the changed meet is written back to it\n"
              "                        unless -o is given.\n"
              "\n"
              "Options:\n"
              "  --by event|club       event: event by event, each in the order of its draw;\n"
              "                        club: club by club, and event by event within a club.\n"
              "  -o OUT                Writes the changed meet to OUT instead; FILE stays as\n"
              "                        it is.\n"
              "\n" +
                  SettingsRows);
}

TEST(CommandHelp, GenerateWithItsDefaultsAndAWrappedUsageLine) {
    EXPECT_EQ(RunCli({"generate", "--help"}).out,
              "Usage: boatmeet-cli generate OUT [--title T] [--crews N] [--events N]\n"
              "                             [--clubs N] [--double-ups N] [--boat-shares N]\n"
              "                             [--force]\n"
              "\n"
              "Writes a synthetic meet, as the test data window does.\n"
              "\n"
              "Arguments:\n"
              "  OUT                   The meet file to write; an existing file is kept unless\n"
              "                        --force is given.\n"
              "\n"
              "Options:\n"
              "  --title T             The meet's title (default: empty).\n"
              "  --crews N             The number of crews (default: 300).\n"
              "  --events N            The number of events (default: 30).\n"
              "  --clubs N             The number of clubs (default: 50).\n"
              "  --double-ups N        The number of double-up links (default: 30).\n"
              "  --boat-shares N       The number of boat-share links (default: 30).\n"
              "  --force               Replaces OUT when it already exists.\n"
              "\n" +
                  SettingsRows +
                  "\n"
                  "The meet has numbered clubs, events and crews, placed at random. Counts are\n"
                  "whole numbers of 0 or more; crews need at least one event and one club. "
                  "Prints\n"
                  "nothing on success.\n");
}

TEST(CommandHelp, ActionsAfterTheArguments) {
    const CliResult result = RunCli({"clubs", "--help"});
    EXPECT_EQ(result.out.substr(0, result.out.find("Options:")),
              "Usage: boatmeet-cli clubs FILE [ACTION] [--yes] [-o OUT]\n"
              "\n"
              "Lists or edits the clubs with their colours and contacts, as the club editor\n"
              "does.\n"
              "\n"
              "Arguments:\n"
              "  FILE                  The meet file; the changed meet is written back to it\n"
              "                        unless -o is given.\n"
              "\n"
              "Actions:\n"
              "  list                  Prints one line per club in list order: its text, a\n"
              "                        tab, its colours, a tab, its contact. The action when\n"
              "                        none is named.\n"
              "  add TEXT              Adds the club (Add): blanks at both ends dropped, at\n"
              "                        most 100 characters kept. A text already in the list\n"
              "                        (ignoring letter case) is refused: \"The new text is\n"
              "                        empty or already in the list!\".\n"
              "  rename OLD NEW        Renames the club (O&K), which keeps its crews and side\n"
              "                        values; asks \"OK to change the value?\".\n"
              "  delete TEXT           Deletes the club (Delete); its crews keep its key. Asks\n"
              "                        \"Any existing references to the data will be undefined\n"
              "                        if you deleted. Continue?\".\n"
              "  up TEXT               Moves the club one place up (Up).\n"
              "  down TEXT             Moves the club one place down (Down).\n"
              "  sort az|events        Sorts the list: az by text (Sort A-Z), events in the\n"
              "                        order of event names (Sort Ev).\n"
              "  colours TEXT [VALUE]  Sets the club's colours to VALUE; without VALUE removes\n"
              "                        it.\n"
              "  contact TEXT [VALUE]  Sets the club's contact to VALUE; without VALUE removes\n"
              "                        it.\n"
              "\n");
    const CliResult missing = RunCli({"crew", "meet.bmf", "--yes"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err.substr(0, missing.err.find('\n')),
              "boatmeet-cli crew: wrong number of arguments");
    const std::string words = RunCli({"crew", "meet.bmf", "link", "1"}).err;
    EXPECT_EQ(words.substr(0, words.find('\n')),
              "boatmeet-cli crew: wrong number of words after link");
}

TEST(CommandHelp, UsageErrorsShowTheUsageAndPointToTheHelp) {
    const CliResult result = RunCli({"number-crews"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "boatmeet-cli number-crews: wrong number of arguments\n"
                          "Usage: boatmeet-cli number-crews FILE --by event|club [-o OUT]\n"
                          "\n"
                          "Numbers the crews by event (draw order) or by club.\n"
                          "See boatmeet-cli number-crews --help.\n");
}

TEST(CommandHelp, EveryCommandDescribesAllItTakesInLinesThatFit) {
    for (const cli::Command& command : cli::Commands()) {
        const CliResult result = RunCli({command.name, "--help"});
        EXPECT_EQ(result.status, 0) << command.name;
        const std::vector<std::string> lines = Lines(result.out);
        for (const std::string& line : lines)
            EXPECT_LE(line.size(), 79u) << command.name << ": " << line;
        for (const cli::ArgumentRule& argument : command.arguments)
            EXPECT_NE(result.out.find("\n  " + argument.name + " "), std::string::npos)
                << command.name << " " << argument.name;
        for (const cli::ActionRule& action : command.actions)
            EXPECT_NE(result.out.find("\n  " + action.name + (action.words.empty() ? "  " : " ") +
                                      action.words),
                      std::string::npos)
                << command.name << " " << action.name;
        for (const cli::OptionRule& option : cli::AcceptedOptions(command)) {
            EXPECT_FALSE(option.help.empty()) << command.name << " " << option.name;
            EXPECT_NE(result.out.find("\n  " + option.name), std::string::npos)
                << command.name << " " << option.name;
        }
        // -o is offered where the command writes its meet back, and by report
        // for the file it writes the report to.
        const std::string usage = result.out.substr(0, result.out.find("\n\n"));
        EXPECT_EQ(usage.find("[-o OUT]") != std::string::npos,
                  command.writesBack || command.name == "report")
            << command.name;
    }
}

TEST(CommandHelp, ValuesAreExplainedWhereTheyAreUsed) {
    const std::string report = RunCli({"report", "--help"}).out;
    for (int i = 0; i < ReportCount; ++i) {
        std::ostringstream line;
        line << "\n" << (i < 10 ? "   " : "  ") << i << "  " << ReportCaptions[i] << "\n";
        EXPECT_NE(report.find(line.str()), std::string::npos) << line.str();
    }
    const std::string periods = RunCli({"periods", "--help"}).out;
    EXPECT_NE(periods.find("Times are HHMM"), std::string::npos);
    EXPECT_NE(periods.find("  --add 0900 1200 5 i    a race every 5 minutes"), std::string::npos);
    EXPECT_NE(periods.find("  --add 1300 1700 12 ph  12 races an hour"), std::string::npos);
    EXPECT_NE(RunCli({"set-result", "--help"}).out.find("clear: the race loses its result."),
              std::string::npos);
    EXPECT_EQ(Lines(RunCli({"info", "--help"}).out).front(),
              "Usage: boatmeet-cli info FILE --race N | --crew N");
}

TEST(ProgramHelp, CommandsInTheOrderOfARegattasWork) {
    const CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.status, 0);
    std::size_t previous = 0;
    for (const char* name :
         {"new",      "generate",    "import",       "events",         "clubs",
          "crew",     "split",       "draw",         "draw-edit",      "number-crews",
          "periods",  "plan",        "schedule",     "schedule-fixed", "realign",
          "set-time", "clear-times", "number-races", "set-result",     "info",
          "report",   "check",       "save",         "save-key"}) {
        const std::size_t at = result.out.find("\n  " + std::string(name) + " ");
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_GT(at, previous) << name;
        previous = at;
    }
    EXPECT_NE(result.out.find("  money (5.00):    DayLicCost, FeePerSeat, EarlyDiscount\n"),
              std::string::npos);
}

TEST(ProgramHelp, NamesTheFolderOfTheRunningProgram) {
    // Run from another folder: the folder named is the program's, not the caller's.
    TempDir dir;
    const CliResult result = RunProgram(dir, {"--help"});
    EXPECT_EQ(result.status, 0);
    const std::string folder = std::filesystem::path(BM_CLI_PATH).parent_path().string();
    EXPECT_NE(result.out.find("\nboatmeet-cli is installed in: " + folder +
                              "\nThe import configuration VexaConfig.csv is looked for in this "
                              "folder.\n"),
              std::string::npos)
        << result.out;
}
