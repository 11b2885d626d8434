#include "cli/cli.h"
#include "engine/model/boatmeet.h"
#include "engine/model/random.h"
#include "engine/model/text.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using namespace bm;
using namespace bm::test;

namespace {

struct Result {
    int status = 0;
    std::string out;
    std::string err;
};

// Runs a command in this process as a fresh process with default settings would.
Result RunCli(std::vector<std::string> args, bool terminal = false) {
    ResetRandom();
    args.push_back("--defaults");
    std::ostringstream out;
    std::ostringstream err;
    cli::Streams io{out, err, terminal};
    const int status = cli::Run(args, io);
    return {status, out.str(), err.str()};
}

// Runs the real program (with --defaults unless the command takes no settings).
Result RunBinary(const TempDir& dir, const std::string& args, bool defaults = true) {
    const std::string out = dir.File("stdout.txt");
    const std::string err = dir.File("stderr.txt");
    const int status = std::system((std::string(BM_CLI_PATH) + " " + args +
                                    (defaults ? " --defaults" : "") + " >" + out + " 2>" + err)
                                       .c_str());
    return {WEXITSTATUS(status), ReadFile(out), ReadFile(err)};
}

std::string Schedule(const std::string& file) {
    return RunCli({"report", file, "Race Schedule"}).out;
}

// sched_drawn.bmf: MS 1x of four crews (two semi-finals and a final) and the
// final of WS 2x, whose Smith doubles up with Smith of MS 1x; one period from
// 0900 every 10 minutes; least times 40, 40 and 20; Rigid, finals At end.
const std::string KeptSchedule = "0900 R1   MS 1x () Avon Smith  () Bath Jones  (1020)\n"
                                 "0910 R2   MS 1x () Cam Brown   () Avon Green  (1020)\n"
                                 "0940 R3   WS 2x () Avon Smith  () Bath Lee  \n"
                                 "1020 R4   MS 1x Winner R1      Winner R2    \n";

const std::string AcceptedSchedule = "0900 R1   MS 1x () Avon Smith  () Bath Jones  (0930)\n"
                                     "0910 R2   MS 1x () Cam Brown   () Avon Green  (0930)\n"
                                     "0920 R3   WS 2x () Avon Smith  () Bath Lee  \n"
                                     "0930 R4   MS 1x Winner R1      Winner R2    \n";

} // namespace

TEST(ScheduleCommand, SchedulesAndNumbersKeepingLeastTimes) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const Result result = RunCli({"schedule", file});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "") << "no progress bar unless stderr is a terminal";
    EXPECT_EQ(Schedule(file), KeptSchedule);
}

TEST(ScheduleCommand, ChoicesAreUsedAndStored) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const std::string out = dir.File("out.bmf");
    const Result result =
        RunCli({"schedule", file, "--mode", "flexible", "--finals", "anytime", "-o", out});
    EXPECT_EQ(result.status, 0) << result.err;
    auto meet = Boatmeet::LoadFromFile(out);
    EXPECT_EQ(meet->SType, ScheduleMode::Flexible);
    EXPECT_EQ(meet->FType, FinalsPlacement::Anytime);
    EXPECT_EQ(ReadFile(file), ReadFile(DataPath("sched_drawn.bmf"))) << "-o leaves FILE alone";

    EXPECT_EQ(RunCli({"schedule", file, "--mode", "gentle"}).status, 2);
    EXPECT_EQ(RunCli({"schedule", file, "--finals", "last"}).status, 2);
    EXPECT_EQ(ReadFile(file), ReadFile(DataPath("sched_drawn.bmf")));
}

TEST(ScheduleCommand, BrokenLeastTimesAreSkippedOrAccepted) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const std::vector<std::string> asking = {"--set", "AllowTC=1", "--set", "CheckTC=1"};
    std::vector<std::string> args = {"schedule", file};
    args.insert(args.end(), asking.begin(), asking.end());
    EXPECT_EQ(RunCli(args).status, 0);
    EXPECT_EQ(Schedule(file), KeptSchedule) << "every question answered Skip";

    RunCli({"clear-times", file});
    args.push_back("--accept-conflicts");
    EXPECT_EQ(RunCli(args).status, 0);
    EXPECT_EQ(Schedule(file), AcceptedSchedule);
}

TEST(ScheduleCommand, RefusesAMeetWithoutRaces) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_undrawn.bmf");
    const Result result = RunCli({"schedule", file});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "No races to schedule! Are events drawn?\n");
    EXPECT_EQ(ReadFile(file), ReadFile(DataPath("sched_undrawn.bmf")));
}

TEST(ScheduleCommand, EndsWithAMessageWithoutRacePeriods) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    EXPECT_EQ(RunCli({"periods", file, "--clear"}).status, 0);
    const Result result = RunCli({"schedule", file});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Not enough races in race periods. Clear times and try again!\n");
    EXPECT_EQ(Schedule(file), "(NT) R1   MS 1x () Avon Smith  () Bath Jones  ((NT))\n"
                              "(NT) R2   MS 1x () Cam Brown   () Avon Green  ((NT))\n"
                              "(NT) R3   MS 1x Winner R1      Winner R2    \n"
                              "(NT) R4   WS 2x () Avon Smith  () Bath Lee  \n")
        << "the meet is written with its races numbered";
}

TEST(ScheduleCommand, ProgressBarOnATerminal) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const Result result = RunCli({"schedule", file}, true);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err.substr(0, 13), "\rScheduling [");
    EXPECT_EQ(result.err.substr(result.err.size() - 6), " 100%\n");
    EXPECT_EQ(result.out, "");
}

TEST(ScheduleCommands, TellWhenRacesRunPastTheLastPeriod) {
    // One time slot at 0900: the last period runs on every 10 minutes.
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    ASSERT_EQ(RunCli({"periods", file, "--clear", "--add", "0900", "0900", "10", "i"}).status, 0);
    const Result scheduled = RunCli({"schedule", file});
    EXPECT_EQ(scheduled.status, 0);
    EXPECT_EQ(scheduled.out, "");
    EXPECT_EQ(scheduled.err,
              "3 races were timed after the end of the last race period (latest 1020).\n");

    ASSERT_EQ(RunCli({"clear-times", file}).status, 0);
    const Result fixed = RunCli({"schedule-fixed", file});
    EXPECT_EQ(fixed.status, 0);
    EXPECT_EQ(fixed.err, "Races scheduled\n"
                         "3 races were timed after the end of the last race period (latest "
                         "0930).\n");

    // Nothing is told of races that were not written.
    ASSERT_EQ(RunCli({"clear-times", file}).status, 0);
    for (const char* command : {"schedule", "schedule-fixed"}) {
        const Result unwritten = RunCli({command, file, "-o", dir.File("no such folder/out.bmf")});
        EXPECT_EQ(unwritten.status, 1) << command;
        EXPECT_EQ(unwritten.err, "Failed to write to file. DATA NOT SAVED!\n") << command;
    }
}

TEST(ScheduleFixedCommand, ReportsOnStandardError) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const Result result = RunCli({"schedule-fixed", file});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "Races scheduled\n");
    EXPECT_EQ(result.out, "");
    // Not renumbered: the races keep no number.
    EXPECT_EQ(Schedule(file), "0900 R*** MS 1x () Avon Smith  () Bath Jones  (0920)\n"
                              "0910 R*** MS 1x () Cam Brown   () Avon Green  (0920)\n"
                              "0920 R*** MS 1x Winner R***    Winner R***  \n"
                              "0930 R*** WS 2x () Avon Smith  () Bath Lee  \n");

    const Result unwritten =
        RunCli({"schedule-fixed", file, "-o", dir.File("no such folder/out.bmf")});
    EXPECT_EQ(unwritten.status, 1);
    EXPECT_EQ(unwritten.err, "Failed to write to file. DATA NOT SAVED!\n");

    const std::string undrawn = CopyFixture(dir, "sched_undrawn.bmf");
    const Result problem = RunCli({"schedule-fixed", undrawn});
    EXPECT_EQ(problem.status, 1);
    EXPECT_EQ(problem.err, "Problem : Draw all events before scheduling\n");
}

TEST(TimeCommands, RealignClearNumberAndSetTime) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    EXPECT_EQ(RunCli({"schedule", file}).status, 0);
    EXPECT_EQ(RunCli({"periods", file, "--clear", "--add", "1300", "1500", "5", "i"}).status, 0);
    const Result realign = RunCli({"realign", file});
    EXPECT_EQ(realign.status, 0);
    EXPECT_EQ(realign.out + realign.err, "");
    EXPECT_EQ(Schedule(file), "1300 R1   MS 1x () Avon Smith  () Bath Jones  (1315)\n"
                              "1305 R2   MS 1x () Cam Brown   () Avon Green  (1315)\n"
                              "1310 R3   WS 2x () Avon Smith  () Bath Lee  \n"
                              "1315 R4   MS 1x Winner R1      Winner R2    \n");

    const Result setTime = RunCli({"set-time", file, "3", "1400"});
    EXPECT_EQ(setTime.status, 0);
    EXPECT_EQ(setTime.out + setTime.err, "");
    EXPECT_EQ(RunCli({"number-races", file}).status, 0);
    EXPECT_EQ(Schedule(file), "1300 R1   MS 1x () Avon Smith  () Bath Jones  (1315)\n"
                              "1305 R2   MS 1x () Cam Brown   () Avon Green  (1315)\n"
                              "1315 R3   MS 1x Winner R1      Winner R2    \n"
                              "1400 R4   WS 2x () Avon Smith  () Bath Lee  \n");

    EXPECT_EQ(RunCli({"clear-times", file}).status, 0);
    EXPECT_EQ(Schedule(file).substr(0, 10), "(NT) R1   ");
}

TEST(TimeCommands, SetTimeOfNoRace) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    RunCli({"number-races", file});
    const std::string numbered = ReadFile(file);
    for (const char* number : {"5", "0", "-1", "three", "2x"}) {
        const Result result = RunCli({"set-time", file, number, "930"});
        EXPECT_EQ(result.status, 1) << number;
        EXPECT_EQ(result.err, "Not a valid Race Number..\n");
    }
    for (const char* time : {"9:30", "12345", "", "noon"})
        EXPECT_EQ(RunCli({"set-time", file, "1", time}).status, 2) << time;
    EXPECT_EQ(ReadFile(file), numbered);
}

TEST(TimeCommands, SetTimeTakesNoTimeAsTheRaceEditorDoes) {
    // -1, any negative time, or "(NT)" as the race editor shows it takes the
    // race's time away again, and the race is stored untimed (-1).
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    ASSERT_EQ(RunCli({"schedule", file}).status, 0);
    const std::string untimed = dir.File("untimed.bmf");
    for (const char* time : {"-5", "(NT)", "-1"}) {
        const Result result = RunCli({"set-time", file, "2", time, "-o", untimed});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(Boatmeet::LoadFromFile(untimed)->FindRaceByNumber(2)->Time, -1) << time;
    }
    const Result result = RunCli({"set-time", file, "2", "-1"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Schedule(file), "0900 R1   MS 1x () Avon Smith  () Bath Jones  (1020)\n"
                              "0940 R3   WS 2x () Avon Smith  () Bath Lee  \n"
                              "1020 R4   MS 1x Winner R1      Winner R2    \n"
                              "(NT) R2   MS 1x () Cam Brown   () Avon Green  (1020)\n");
}

TEST(PeriodsCommand, RowsAreSortedListedAndHandedToTheMeet) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const Result result = RunCli({"periods", file, "--add", "1300", "1600", "12", "PH", "--add",
                                  "0800", "0845", "15", "i", "--list"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, " 0800 0845    15 I\n"
                          " 0900 1200    10 I\n"
                          " 1300 1600    12 PH\n");
    auto meet = Boatmeet::LoadFromFile(file);
    EXPECT_EQ(
        meet->RaceTimes.GetPeriods(),
        (std::vector<RacePeriod>{{800, 845, 15, 0}, {900, 1200, 10, 0}, {1300, 1600, 12, 1}}));

    const Result cleared = RunCli({"periods", file, "--clear", "--list"});
    EXPECT_EQ(cleared.out, "");
    EXPECT_EQ(Boatmeet::LoadFromFile(file)->RaceTimes.Count(), 0);
}

TEST(PeriodsCommand, ListingAloneWritesNothing) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const std::string out = dir.File("out.bmf");
    const Result result = RunCli({"periods", file, "--list", "-o", out});
    EXPECT_EQ(result.out, " 0900 1200    10 I\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(PeriodsCommand, LeastTimes) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    EXPECT_EQ(RunCli({"periods", file, "--least-times", "30,25,10"}).status, 0);
    auto meet = Boatmeet::LoadFromFile(file);
    EXPECT_EQ(meet->BRTime, 30);
    EXPECT_EQ(meet->DUTime, 25);
    EXPECT_EQ(meet->BSTime, 10);
}

// The plan reads the meet only: it fits on the fixture's morning, and not on
// half an hour, where the MS 1x final cannot start 40 minutes after its heats.
TEST(PlanCommand, ExitsOneWhenTheDayDoesNotFit) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const Result fits = RunCli({"plan", file});
    EXPECT_EQ(fits.status, 0) << fits.err;
    EXPECT_NE(fits.out.find("\nWhat does not fit\n  Nothing: every race and round can fit within "
                            "the race periods\n"),
              std::string::npos);
    RunCli({"periods", file, "--clear", "--add", "0900", "0930", "10", "i"});
    const std::string saved = ReadFile(file);
    const Result late = RunCli({"plan", file});
    EXPECT_EQ(late.status, 1);
    EXPECT_NE(late.out.find("\nAt least 1 race cannot be timed within the race periods\n"
                            "Event MS 1x cannot reach its final before 09:50\n"),
              std::string::npos);
    const Result html = RunCli({"plan", file, "--format", "html"});
    EXPECT_EQ(html.status, 1);
    EXPECT_EQ(html.out.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_NE(html.out.find("<svg "), std::string::npos);
    EXPECT_NE(html.out.find("<p class=\"late\">Event MS 1x cannot reach its final before "
                            "09:50</p>"),
              std::string::npos);
    EXPECT_EQ(ReadFile(file), saved);
    EXPECT_EQ(RunCli({"plan", file, "--format", "pdf"}).status, 2);
}

TEST(PeriodsCommand, BadValuesAreUsageErrors) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const std::vector<std::vector<std::string>> bad = {{"--add", "900", "1200", "0", "i"},
                                                       {"--add", "900", "1200", "-5", "ph"},
                                                       {"--add", "900", "noon", "5", "i"},
                                                       {"--add", "900", "1200", "5", "x"},
                                                       {"--least-times", "30,25"},
                                                       {"--least-times", "30,25,10,5"},
                                                       {"--least-times", "30,,10"},
                                                       {"--add", "900", "1200"},
                                                       {"--add", "900", "1200", "3601", "ph"},
                                                       {"--add", "900", "1200", "1441", "i"},
                                                       {"--add", "99999", "100000", "5", "i"},
                                                       {"--add", "-900", "1200", "5", "i"}};
    for (const auto& options : bad) {
        std::vector<std::string> args = {"periods", file};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(RunCli(args).status, 2) << options.back();
    }
    EXPECT_EQ(ReadFile(file), ReadFile(DataPath("sched_drawn.bmf")));
}

TEST(ScheduleEndToEnd, DrawnGeneratedMeetGetsANumberedTimetable) {
    TempDir dir;
    const std::string file = dir.File("meet.bmf");
    ASSERT_EQ(RunBinary(dir, "generate " + file, false).status, 0);
    ASSERT_EQ(RunBinary(dir, "draw " + file).status, 0);
    ASSERT_EQ(RunBinary(dir, "periods " + file + " --add 0800 1800 2 i").status, 0);
    const Result scheduled = RunBinary(dir, "schedule " + file + " --mode moderate");
    EXPECT_EQ(scheduled.status, 0) << scheduled.err;
    EXPECT_EQ(scheduled.err, "");
    const Result report = RunBinary(dir, "report " + file + " \"Race Schedule\"");
    std::istringstream lines(report.out);
    std::string line;
    int count = 0;
    int last = -1;
    while (std::getline(lines, line)) {
        ++count;
        const int time = ReadInt(line.substr(0, 4));
        EXPECT_GT(time, last) << line;
        last = time;
        EXPECT_EQ(line.substr(4, 6), " R" + PadText(std::to_string(count), 4)) << line;
    }
    EXPECT_GT(count, 200);
}

TEST(ScheduleEndToEnd, ExitStatusesOfTheRealProgram) {
    TempDir dir;
    const std::string undrawn = CopyFixture(dir, "sched_undrawn.bmf");
    const Result refused = RunBinary(dir, "schedule " + undrawn);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "No races to schedule! Are events drawn?\n");
    const Result problem = RunBinary(dir, "schedule-fixed " + undrawn);
    EXPECT_EQ(problem.status, 1);
    EXPECT_EQ(problem.err, "Problem : Draw all events before scheduling\n");
    EXPECT_EQ(RunBinary(dir, "periods " + undrawn + " --add 900 1000 0 i").status, 2);
    EXPECT_EQ(RunBinary(dir, "set-time " + undrawn + " 1 930").err, "Not a valid Race Number..\n");
}
