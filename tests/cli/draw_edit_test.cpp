// The draw-edit command: the editor's lists as text, each button with the
// window's result, the questions that need --yes, and the usage errors that
// are found before anything changes.
#include "clirun.h"
#include "engine/editors/draweditor.h"
#include "engine/model/boatmeet.h"
#include "engine/model/random.h"
#include "engine/model/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace bm;
using namespace bm::test;

namespace {

CliResult DrawEdit(std::vector<std::string> args) {
    args.push_back("--defaults");
    return RunCli(args);
}

std::string MeetText(const Boatmeet& meet) {
    std::ostringstream out;
    meet.WriteTo(out, true);
    return out.str();
}

Confirm Yes() {
    return [](const std::string&) { return true; };
}

} // namespace

TEST(DrawEditCommand, ShowPrintsTheEditorsListsAndWritesNothing) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_results.bmf");
    const std::string before = ReadFile(file);
    const CliResult shown = DrawEdit({"draw-edit", file, "ws 2X", "-o", dir.File("out.bmf")});
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, "Crews: 3  Placed: 3  UnPlaced: 0  Status: Valid\n"
                         "1\t  (6) Bath Lee\n"
                         "2\t***\n"
                         "3\t  (7) Whakatāne Ngata\n"
                         "4\t  (8) Bath Ross\n"
                         "UnPlaced Crews:\n");
    // Labels are cut at the length the settings give.
    const CliResult cut = DrawEdit({"draw-edit", file, "MS 1x", "show", "--set", "MaxNameLen=8"});
    EXPECT_EQ(cut.out, "Crews: 5  Placed: 5  UnPlaced: 0  Status: Valid\n"
                       "1\t  (3) Avon Bro\n"
                       "2\t***\n"
                       "3\t  (2) Bath Jon\n"
                       "4\t***\n"
                       "5\t  (5) Cam Gree\n"
                       "6\t***\n"
                       "7\t  (4) Whakatān\n"
                       "8\t  (1) Avon Smi\n"
                       "UnPlaced Crews:\n");
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.bmf")));
}

// Each command leaves the meet the window leaves after the same choices
// (slots counted from 1 on the command line, from 0 in the window).
TEST(DrawEditCommand, ActionsLeaveTheMeetTheWindowLeaves) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_results.bmf");
    for (const std::vector<std::string>& action :
         std::vector<std::vector<std::string>>{{"WS 2x", "remove", "3"},
                                               {"WS 2x", "place", "2", "7"},
                                               {"WS 2x", "expand"},
                                               {"MS 1x", "contract", "--yes"},
                                               {"MS 4-", "auto", "--yes"},
                                               {"MS 8+", "expand"},
                                               {"MS 4-", "contract"}}) {
        std::vector<std::string> args{"draw-edit", file};
        args.insert(args.end(), action.begin(), action.end());
        const CliResult result = DrawEdit(args);
        EXPECT_EQ(result.status, 0) << action[1] << ": " << result.err;
        EXPECT_EQ(result.out + result.err, "") << action[1];
    }

    auto meet = Boatmeet::LoadFromFile(DataPath("draw_results.bmf"));
    CurrentSettings() = Settings{};
    DrawEditor editor(*meet);
    editor.DoNewEvent(2);
    editor.RemoveFromDraw(2);
    editor.DoNewEvent(2);
    editor.AddToDraw(1, 7, Yes());
    editor.DoNewEvent(2);
    editor.DoExpand();
    editor.DoNewEvent(1);
    editor.DoContract(Yes());
    ResetRandom();
    editor.DoNewEvent(3);
    editor.DoAuto(Yes());
    editor.DoNewEvent(4);
    editor.DoExpand();
    const std::string expected = MeetText(*meet);
    EXPECT_EQ(MeetText(*Boatmeet::LoadFromFile(file)), expected);
}

TEST(DrawEditCommand, AQuestionWithoutYesEndsTheCommand) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_results.bmf");
    // Crew 2 taken out of slot 3 can then be moved onto crew 3 in slot 1.
    ASSERT_EQ(DrawEdit({"draw-edit", file, "MS 1x", "remove", "3"}).status, 0);
    const std::string before = ReadFile(file);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"MS 1x", "place", "1", "2"}, "OK to remove Crew from this slot?\n"},
        {{"MS 1x", "contract"}, "1st round races will be deleted; OK to continue?\n"},
        {{"MS 4-", "auto"}, "Drawing event will clear race times for event. OK to continue?\n"}};
    for (const auto& [words, question] : cases) {
        std::vector<std::string> args{"draw-edit", file};
        args.insert(args.end(), words.begin(), words.end());
        const CliResult result = DrawEdit(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, question);
    }
    EXPECT_EQ(ReadFile(file), before);
    const CliResult yes = DrawEdit({"draw-edit", file, "MS 1x", "place", "1", "2", "--yes"});
    EXPECT_EQ(yes.status, 0) << yes.err;
    EXPECT_EQ(DrawEdit({"draw-edit", file, "MS 1x"}).out,
              "Crews: 5  Placed: 4  UnPlaced: 1  Status: Invalid\n"
              "1\t  (2) Bath Jones\n"
              "2\t***\n"
              "3\t***\n"
              "4\t***\n"
              "5\t  (5) Cam Green\n"
              "6\t***\n"
              "7\t  (4) Whakatāne Müller\n"
              "8\t  (1) Avon Smith\n"
              "UnPlaced Crews:\n"
              "3\t  (3) Avon Brown\n");
}

TEST(DrawEditCommand, UsageErrorsAreFoundBeforeAnythingChanges) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_results.bmf");
    const std::string before = ReadFile(file);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"MS 9x", "expand"}, "No such event : MS 9x\n"},
        {{"MS 1x", "remove", "0"}, "No such slot : 0\n"},
        {{"MS 1x", "remove", "9"}, "No such slot : 9\n"},
        {{"MS 1x", "place", "-1", "1"}, "No such slot : -1\n"},
        {{"MS 4-", "remove", "3"}, "No such slot : 3\n"},
        {{"MS 1x", "place", "2", "x"}, "No such crew : x\n"},
        {{"MS 1x", "place", "2", "99"}, "No such crew : 99\n"},
        {{"MS 1x", "place", "2", "6"}, "No such unplaced crew : 6\n"},
        {{"MS 1x", "place", "2", "1"}, "No such unplaced crew : 1\n"},
        {{"MS 1x", "shuffle"}, "boatmeet-cli draw-edit: unknown action shuffle\n"},
        {{"MS 1x", "place", "2"}, "boatmeet-cli draw-edit: wrong number of words after place\n"},
        {{"MS 1x", "expand", "2"}, "boatmeet-cli draw-edit: wrong number of words after expand\n"}};
    for (const auto& [words, message] : cases) {
        std::vector<std::string> args{"draw-edit", file};
        args.insert(args.end(), words.begin(), words.end());
        args.insert(args.end(), {"--yes", "-o", dir.File("out.bmf")});
        const CliResult result = DrawEdit(args);
        EXPECT_EQ(result.status, 2) << message;
        // The parser's own errors are followed by the usage.
        EXPECT_EQ(result.err.substr(0, message.size()), message);
    }
    EXPECT_EQ(DrawEdit({"draw-edit", file, "MS 1x", "place", "1", "2", "3", "4"}).status, 2);
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.bmf")));
}
