#include "cli/cli.h"

#include "engine/model/boatmeet.h"
#include "engine/model/settings.h"
#include "engine/model/writelock.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace bm;
using bm::test::CopyFixture;
using bm::test::DataPath;
using bm::test::ReadFile;
using bm::test::TempDir;
using bm::test::WriteFile;

namespace {

// The commands read the user's settings store unless told otherwise: this
// program gives them a store folder of its own before anything reads one.
TempDir& Home() {
    static TempDir home;
    return home;
}
[[maybe_unused]] const bool kIsolated = [] {
    setenv("HOME", Home().Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", Home().File("config").c_str(), 1);
    return true;
}();

std::string StoreFile() {
    return Home().File("config") + "/Keelworks/Boatmeet.conf";
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    cli::Streams io{out, err, false};
    const int status = cli::Run(args, io);
    return {status, out.str(), err.str()};
}

std::vector<int> CrewNumbers(const std::string& path) {
    std::vector<int> numbers;
    const auto meet = Boatmeet::LoadFromFile(path);
    for (const auto& crew : meet->Crews)
        numbers.push_back(crew->Number);
    return numbers;
}

const std::string kWriteFailure = "Failed to write to file. DATA NOT SAVED!\n";
const std::string kNotMeet = "This file does not appear to be a Boatmeet file..\n";

class MeetCommands : public ::testing::Test {
protected:
    void TearDown() override { CurrentSettings() = Settings{}; }
    TempDir dir;
};

} // namespace

TEST_F(MeetCommands, NewWritesTitleDateAndTheWinnerClub) {
    const std::string out = dir.File("new.bmf");
    const Outcome result =
        RunCli({"new", out, "--title", "Spring \"Cup\"\nRegatta", "--date", "1 May", "--defaults"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadFile(out), "Boatmeet: \"Spring 'Cup' Regatta\" \"1\" \"40\" \"20\" "
                             "\" 1.7.1   23/03/2008  \" \"1 May\" \"40\" \"0\" \"2\"\n\n"
                             "RaceTimeServer: 0 \n"
                             "\n"
                             "StrSet: \"Clubs\" \"1\" \"Winner Prev\"\n"
                             "\n\n\n\n\n");

    // An existing meet is replaced only with --force.
    const std::string first = ReadFile(out);
    const Outcome kept = RunCli({"new", out});
    EXPECT_EQ(kept.status, 1);
    EXPECT_EQ(kept.err, out + " already exists (use --force to replace it)\n");
    EXPECT_EQ(ReadFile(out), first);
    ASSERT_EQ(RunCli({"new", out, "--force"}).status, 0);
    EXPECT_EQ(Boatmeet::LoadFromFile(out)->TitleText(), "");

    const Outcome failed = RunCli({"new", dir.File("no/such/folder/new.bmf")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, kWriteFailure);
    EXPECT_EQ(RunCli({"new"}).status, 2);
    EXPECT_EQ(RunCli({"new", out, "--title"}).status, 2);
}

TEST_F(MeetCommands, NewKeepsTheFileUtf8WhateverTheArgumentBytes) {
    const std::string out = dir.File("latin1.bmf");
    ASSERT_EQ(RunCli({"new", out, "--title", "R\xE9gate", "--defaults"}).status, 0);
    const std::string header = "Boatmeet: \"R\u00e9gate\" ";
    EXPECT_EQ(ReadFile(out).substr(0, header.size()), header);
}

TEST_F(MeetCommands, SaveRewritesAnOlderFileInTheCurrentForm) {
    const std::string old = CopyFixture(dir, "meet_old.bmf");
    const std::string original = ReadFile(old);
    const std::string rewritten = dir.File("rewritten.bmf");
    const Outcome result = RunCli({"save", old, "-o", rewritten, "--defaults"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(ReadFile(old), original); // -o leaves the input alone
    const std::string expected =
        "Boatmeet: \"Old Regatta\" \"4\" \"30\" \"15\" \" 1.7.1   23/03/2008  \" \"2 June\" "
        "\"30\" \"0\" \"0\"\n\n"
        "RaceTimeServer: 2  900 1000 6 (0) 1300 1500 10 (0)\n"
        "StrSet: \"Events\" \"1\" \"MS 8+\"\n\n"
        "StrSet: \"Clubs\" \"3\" \"Avon\"\n"
        "StrSet: \"Clubs\" \"2\" \"Riverside\"\n\n\n\n\n\n"
        "Crew: \"1\" \"2\" \"1\" \"3\" \"\" \"\" \"Eight A\" \"\" \"0\" \"1\" \"1\"\n"
        "Crew: \"2\" \"3\" \"1\" \"-1\" \"\" \"\" \"Eight B\" \"\" \"0\" \"0\" \"0\"\n"
        "Draw:\n1 2\n1 -1 1400 1 2 1 2 -1 <>\n";
    EXPECT_EQ(ReadFile(rewritten), expected);

    // Without -o the file itself is rewritten.
    EXPECT_EQ(RunCli({"save", old}).status, 0);
    EXPECT_EQ(ReadFile(old), expected);
    const std::string small = CopyFixture(dir, "meet_small.bmf");
    EXPECT_EQ(RunCli({"save", small, "--defaults"}).status, 0);
    EXPECT_EQ(ReadFile(small), ReadFile(DataPath("meet_small.bmf")));
}

TEST_F(MeetCommands, SaveKeyWritesOnlyTheKeyData) {
    const std::string small = CopyFixture(dir, "meet_small.bmf");
    const std::string key = dir.File("smallKey.bmf");
    const Outcome result = RunCli({"save-key", small, key});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out + result.err, "");
    const std::string text = ReadFile(key);
    EXPECT_EQ(text, ReadFile(small).substr(0, text.size()));
    EXPECT_EQ(text.find("Crew:"), std::string::npos);
    EXPECT_EQ(text.find("Draw:"), std::string::npos);
    const std::string ending = "StrSet: \"Club Contacts\" \"3\" \"J. Smith\"\n\n";
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
    EXPECT_EQ(ReadFile(small), ReadFile(DataPath("meet_small.bmf")));

    EXPECT_EQ(RunCli({"save-key", small}).status, 2);
    const Outcome failed = RunCli({"save-key", small, dir.Path().string(), "--force"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, kWriteFailure);

    // An existing OUT is replaced only with --force; the meet file itself,
    // under any of its names, never.
    WriteFile(key, "older key data");
    const Outcome kept = RunCli({"save-key", small, key});
    EXPECT_EQ(kept.status, 1);
    EXPECT_EQ(kept.err, key + " already exists (use --force to replace it)\n");
    EXPECT_EQ(ReadFile(key), "older key data");
    EXPECT_EQ(RunCli({"save-key", small, key, "--force"}).status, 0);
    EXPECT_EQ(ReadFile(key), text);
    std::filesystem::create_symlink(small, dir.File("link.bmf"));
    for (const std::string& itself :
         {small, dir.Path().string() + "/./meet_small.bmf", dir.File("link.bmf")}) {
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"save-key", small, itself},
              {"save-key", small, itself, "--force"}}) {
            const Outcome refused = RunCli(command);
            EXPECT_EQ(refused.status, 1) << itself;
            EXPECT_EQ(refused.err, "The key data cannot replace the meet file itself\n");
        }
    }
    EXPECT_EQ(ReadFile(small), ReadFile(DataPath("meet_small.bmf")));
}

TEST_F(MeetCommands, NumberCrewsByEventOrClub) {
    const std::string small = CopyFixture(dir, "meet_small.bmf");
    const std::string byClub = dir.File("club.bmf");
    const Outcome result = RunCli({"number-crews", small, "--by", "club", "-o", byClub});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(CrewNumbers(byClub), (std::vector<int>{1, 4, 2, 5, 3, 6}));
    EXPECT_EQ(ReadFile(small), ReadFile(DataPath("meet_small.bmf")));

    EXPECT_EQ(RunCli({"number-crews", small, "--by", "event"}).status, 0);
    EXPECT_EQ(CrewNumbers(small), (std::vector<int>{1, 2, 3, 4, -1, -1}));
    // Only the numbers changed.
    std::string expected = ReadFile(DataPath("meet_small.bmf"));
    for (const char* id : {"1", "2", "3", "4"}) {
        const std::string from = std::string("Crew: \"") + id + "\" ";
        const std::size_t at = expected.find("\"-1\"", expected.find(from));
        expected.replace(at, 4, std::string("\"") + id + "\"");
    }
    EXPECT_EQ(ReadFile(small), expected);

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"number-crews", small},
                                                {"number-crews", small, "--by", "name"},
                                                {"number-crews", small, "--by"},
                                                {"number-crews", "--by", "club"}}) {
        const Outcome refused = RunCli(bad);
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err, "");
        EXPECT_EQ(refused.out, "");
    }
    EXPECT_EQ(ReadFile(small), expected);
}

TEST_F(MeetCommands, MissingAndForeignFilesAreUsageErrorsAndWriteNothing) {
    const std::string missing = dir.File("missing.bmf");
    const std::string csv = CopyFixture(dir, "meet_notmeet.csv");
    const std::string out = dir.File("out.bmf");
    const std::vector<std::vector<std::string>> commands = {
        {"save", "FILE", "-o", out},
        {"save-key", "FILE", out},
        {"number-crews", "FILE", "--by", "event", "-o", out}};
    for (std::vector<std::string> command : commands) {
        command[1] = missing;
        Outcome result = RunCli(command);
        EXPECT_EQ(result.status, 2) << command[0];
        EXPECT_EQ(result.err, "Could not open file : " + missing + "\n");
        command[1] = csv;
        result = RunCli(command);
        EXPECT_EQ(result.status, 2) << command[0];
        EXPECT_EQ(result.err, kNotMeet);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(ReadFile(csv), ReadFile(DataPath("meet_notmeet.csv")));
    // A file whose first line is blank is refused even if a header follows.
    WriteFile(dir.File("blank.bmf"), "\n" + ReadFile(DataPath("meet_small.bmf")));
    EXPECT_EQ(RunCli({"save", dir.File("blank.bmf")}).err, kNotMeet);
}

TEST_F(MeetCommands, WriteFailuresExitOneAndKeepTheInput) {
    const std::string small = CopyFixture(dir, "meet_small.bmf");
    for (const std::string& target : {dir.File("no/folder/out.bmf"), dir.Path().string()}) {
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"save", small, "-o", target},
              {"number-crews", small, "--by", "event", "-o", target}}) {
            const Outcome result = RunCli(command);
            EXPECT_EQ(result.status, 1) << command[0] << " " << target;
            EXPECT_EQ(result.err, kWriteFailure);
            EXPECT_EQ(result.out, "");
        }
    }
    const Outcome empty = RunCli({"save", small, "-o", ""});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(ReadFile(small), ReadFile(DataPath("meet_small.bmf")));
}

TEST_F(MeetCommands, SettingsComeFromTheStoreTheDefaultsAndSet) {
    const std::string small = CopyFixture(dir, "meet_small.bmf");
    std::filesystem::create_directories(std::filesystem::path(StoreFile()).parent_path());
    WriteFile(StoreFile(), "[General]\nMaxNameLen=7\nShowSponsor=0\n"
                           "AutoFeeSTR=@ByteArray(\\0\\0\\0)\n");
    Outcome result = RunCli({"save", small});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "Cannot Read AutoFee data; reset values and save Preferences\n");
    EXPECT_EQ(CurrentSettings().MaxNameLen, 7);
    EXPECT_FALSE(CurrentSettings().ShowSponsor);

    result = RunCli({"save", small, "--set", "MaxNameLen=12", "--set", "FeePerSeat=5.50", "--set",
                     "Lane1Info=Bow \"side\"", "--set", "AutoFeeOn=1"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(CurrentSettings().MaxNameLen, 12);
    EXPECT_FALSE(CurrentSettings().ShowSponsor); // still from the store
    EXPECT_EQ(CurrentSettings().AutoFeeSTR.FeePerSeat, 550);
    EXPECT_TRUE(CurrentSettings().AutoFeeSTR.AutoFeeOn);
    EXPECT_EQ(CurrentSettings().Lane1Info, "Bow \"side\"");

    result = RunCli({"save", small, "--defaults", "--set", "CheckTC=1", "--set", "DayLicCost=2"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    Settings expected;
    expected.CheckTC = true;
    expected.DayLicCost = 200;
    EXPECT_EQ(CurrentSettings(), expected);

    // The store is read, never written.
    EXPECT_EQ(ReadFile(StoreFile()), "[General]\nMaxNameLen=7\nShowSponsor=0\n"
                                     "AutoFeeSTR=@ByteArray(\\0\\0\\0)\n");
    std::filesystem::remove(StoreFile());
}

TEST_F(MeetCommands, BadSettingsAreUsageErrors) {
    const std::string small = CopyFixture(dir, "meet_small.bmf");
    const std::string out = dir.File("out.bmf");
    for (const char* assignment :
         {"Unknown=1", "MaxNameLen", "maxnamelen=5", "ShowSponsor=2", "ShowSponsor=yes",
          "CompressDT=", "MaxNameLen=12x", "MaxNameLen= 12", "MaxNameLen=99999999999",
          "MaxNameLen=1.5", "DiscountPerCrew=one", "AutoFeeOn=-1", "EarlyDiscount=abc",
          "DayLicCost=12.5", "FeePerSeat=£30", "DayLicCost=", "FeePerSeat=21474836.48"}) {
        const Outcome result = RunCli({"save", small, "-o", out, "--set", assignment});
        EXPECT_EQ(result.status, 2) << assignment;
        EXPECT_NE(result.err, "") << assignment;
        EXPECT_FALSE(std::filesystem::exists(out)) << assignment;
    }
    for (const char* assignment : {"MaxNameLen=-3", "MaxNameLen=+40", "DayLicCost=5.00",
                                   "EarlyDiscount= 1.50 ", "SetCrewName=", "Lane2Info=a=b"}) {
        EXPECT_EQ(RunCli({"save", small, "--defaults", "--set", assignment}).status, 0)
            << assignment;
    }
    EXPECT_EQ(CurrentSettings().Lane2Info, "a=b");
    ASSERT_EQ(RunCli({"save", small, "--defaults", "--set", "FeePerSeat=21474836.47"}).status, 0);
    EXPECT_EQ(CurrentSettings().AutoFeeSTR.FeePerSeat, 2147483647);
    const Outcome money = RunCli({"save", small, "--defaults", "--set", "DayLicCost=7.5"});
    EXPECT_EQ(money.err, "boatmeet-cli: bad value for setting DayLicCost: '7.5'\n"
                         "Money values are written like 12 or 12.50, at most 21474836.47\n");
}

TEST(CliUsage, HelpVersionAndUnknownCommands) {
    Outcome result = RunCli({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* name : {"\n  new ", "\n  save ", "\n  save-key ", "\n  number-crews "})
        EXPECT_NE(result.out.find(name), std::string::npos) << name;

    result = RunCli({"number-crews", "--help"});
    EXPECT_EQ(result.status, 0);
    const std::string usage = "Usage: boatmeet-cli number-crews FILE --by event|club [-o OUT]\n\n";
    EXPECT_EQ(result.out.substr(0, usage.size()), usage);

    result = RunCli({"--version"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.substr(0, 13), "boatmeet-cli ");

    result = RunCli({"frobnicate", "x.bmf"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    const std::string unknown = "boatmeet-cli: unknown command 'frobnicate'\n";
    EXPECT_EQ(result.err.substr(0, unknown.size()), unknown);

    EXPECT_EQ(RunCli({}).status, 2);
    EXPECT_EQ(RunCli({"save", "a.bmf", "--frob"}).status, 2);
    EXPECT_EQ(RunCli({"save", "a.bmf", "b.bmf"}).status, 2);
}

TEST(CliUsage, NegativeNumbersAreArgumentsNotOptions) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "sched_drawn.bmf");
    const Outcome result = RunCli({"set-time", file, "-3", "930", "--defaults"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Not a valid Race Number..\n");
    EXPECT_EQ(ReadFile(file), ReadFile(DataPath("sched_drawn.bmf")));
    EXPECT_EQ(RunCli({"set-time", file, "-x", "930"}).status, 2);
}

TEST(CliUsage, EveryRunStartsTheGeneratorAtItsStartState) {
    TempDir dir;
    const std::string file = CopyFixture(dir, "draw_regatta.bmf");
    std::string first;
    for (int run = 0; run < 2; ++run) {
        const std::string out = dir.File("drawn" + std::to_string(run) + ".bmf");
        ASSERT_EQ(RunCli({"draw", file, "-o", out, "--defaults"}).status, 0);
        if (run == 0)
            first = ReadFile(out);
        else
            EXPECT_EQ(ReadFile(out), first);
    }
}

// --- The real program ----------------------------------------------------------------

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the binary with its own home folder; the exit status, stdout and stderr.
Outcome RunBinary(const TempDir& dir, const std::string& args) {
    const std::string command = "HOME=" + Quoted(dir.File("home")) +
                                " XDG_CONFIG_HOME=" + Quoted(dir.File("home/config")) + " " +
                                Quoted(BM_CLI_PATH) + " " + args + " >" +
                                Quoted(dir.File("stdout")) + " 2>" + Quoted(dir.File("stderr"));
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir.File("stdout")),
            ReadFile(dir.File("stderr"))};
}

} // namespace

TEST(CliProgram, RunsTheMeetCommandsEndToEnd) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("home/config"));
    const std::string meet = dir.File("meet.bmf");
    Outcome result = RunBinary(dir, "new " + Quoted(meet) + " --title 'Town Cup' --date Sunday");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(Boatmeet::LoadFromFile(meet)->TitleText(), "Town Cup  on  Sunday");

    const std::string small = CopyFixture(dir, "meet_small.bmf");
    result = RunBinary(dir, "number-crews " + Quoted(small) + " --by club");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(CrewNumbers(small), (std::vector<int>{1, 4, 2, 5, 3, 6}));

    result = RunBinary(dir, "save-key " + Quoted(small) + " " + Quoted(dir.File("key.bmf")));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ReadFile(dir.File("key.bmf")).find("Crew:"), std::string::npos);

    result = RunBinary(dir, "save " + Quoted(dir.File("gone.bmf")));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Could not open file : " + dir.File("gone.bmf") + "\n");

    result = RunBinary(dir, "save " + Quoted(small) + " -o " + Quoted(dir.File("x/y.bmf")));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, kWriteFailure);

    result = RunBinary(dir, "save " + Quoted(small) + " --set ShowSponsor=3");
    EXPECT_EQ(result.status, 2);

    // Nothing was written to the settings store.
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("home/config")));
}

TEST(CliProgram, ASaveStoppedByTheFileSizeLimitKeepsTheOldFileAndLeavesNoTemporary) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("home/config"));
    const std::string meet = dir.File("big.bmf");
    ASSERT_EQ(RunBinary(dir, "generate " + Quoted(meet)).status, 0);
    const std::string before = ReadFile(meet);
    ASSERT_GT(before.size(), 16u * 1024u);
    // 8 blocks of 1024 bytes (bash) at most for every file the program writes.
    const std::string command = "cd " + Quoted(dir.Path().string()) + " && bash -c " +
                                Quoted("ulimit -f 8; exec " + Quoted(BM_CLI_PATH) + " save " +
                                       Quoted(meet) + " --defaults") +
                                " 2>" + Quoted(dir.File("stderr"));
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << "killed by signal " << WTERMSIG(raw);
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_EQ(ReadFile(dir.File("stderr")), kWriteFailure);
    EXPECT_EQ(ReadFile(meet), before);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_FALSE(entry.path().extension() == ".tmp") << entry.path();
}

// One writer at a time: commands started together each add their event to
// what the one before them wrote.
TEST(CliProgram, ConcurrentWritersKeepEveryChange) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("home/config"));
    const std::string meet = dir.File("m.bmf");
    ASSERT_EQ(RunBinary(dir, "new " + Quoted(meet)).status, 0);
    std::string script =
        "cd " + Quoted(dir.Path().string()) + " && HOME=" + Quoted(dir.File("home")) +
        " && export HOME && for i in $(seq 1 10); do (" + Quoted(BM_CLI_PATH) +
        " events m.bmf add P$i >/dev/null 2>err$i; " + "echo $? >status$i) & done; wait";
    ASSERT_EQ(std::system(("bash -c " + Quoted(script)).c_str()), 0);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(ReadFile(dir.File("status" + std::to_string(i))), "0\n") << i;
        EXPECT_EQ(ReadFile(dir.File("err" + std::to_string(i))), "") << i;
    }
    const auto loaded = Boatmeet::LoadFromFile(meet);
    EXPECT_EQ(loaded->Events.Count(), 10);
    for (int i = 1; i <= 10; ++i)
        EXPECT_NE(loaded->Events.KeyOf("P" + std::to_string(i)), -1) << i;

    // While another program holds the file, a command waits, then gives up.
    const std::string before = ReadFile(meet);
    const WriteLock held(meet);
    const Outcome result = RunBinary(dir, "events " + Quoted(meet) + " add Late");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, meet + " is being changed by another program\n");
    EXPECT_EQ(ReadFile(meet), before);
}

// No lock, no write: a lock that cannot be had for another reason than a
// writer holding it (a folder in its place; a lock file this user may not
// open, which the superuser always may) keeps every writer from writing.
TEST(CliLocks, ALockThatCannotBeHadWritesNothing) {
    TempDir dir;
    const std::string meet = CopyFixture(dir, "meet_small.bmf");
    const std::string before = ReadFile(meet);
    const std::string lock =
        (std::filesystem::weakly_canonical(meet).parent_path() / ".meet_small.bmf.lock").string();
    std::filesystem::create_directory(lock);
    Outcome result = RunCli({"events", meet, "add", "Late"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, meet + " was not written: its lock file " + lock +
                              " cannot be used (a folder has its name)\n");
    result = RunCli({"new", dir.File("meet_small.bmf"), "--force"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(ReadFile(meet), before);
    std::filesystem::remove(lock);
    if (::geteuid() != 0) {
        WriteFile(lock, "");
        std::filesystem::permissions(lock, std::filesystem::perms::none);
        result = RunCli({"events", meet, "add", "Late"});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, meet + " was not written: its lock file " + lock +
                                  " cannot be used (permission denied)\n");
        EXPECT_EQ(ReadFile(meet), before);
    }
}

namespace {

// What a reader of the FIFO gets until its writer closes it (at most ten
// seconds: a FIFO replaced by a file never gets a writer).
std::string ReadFifo(int fd) {
    std::string received;
    bool writerSeen = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd wait{fd, POLLIN, 0};
        if (::poll(&wait, 1, 50) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            received.append(buffer, static_cast<std::size_t>(got));
            writerSeen = true;
        } else if (got == 0 && (writerSeen || (wait.revents & POLLHUP))) {
            break;
        }
    }
    return received;
}

} // namespace

// Output to a FIFO is written into it, never replaced; a meet file or an
// output file that may not be written (no write bit: read-only for the
// superuser too) is refused, and stays as it was.
TEST(CliFiles, AFifoIsWrittenIntoAndAReadOnlyFileIsRefused) {
    TempDir dir;
    const std::string meet = CopyFixture(dir, "meet_small.bmf");
    const std::string fifo = dir.File("report.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    Outcome written{};
    std::thread writer([&] { written = RunCli({"report", meet, "0", "-o", fifo}); });
    const std::string received = ReadFifo(reader);
    writer.join();
    ::close(reader);
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(received, RunCli({"report", meet, "0"}).out);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const std::string before = ReadFile(meet);
    std::filesystem::permissions(meet, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    Outcome result = RunCli({"number-crews", meet, "--by", "club"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, meet + " is read-only: it was not written\n");
    EXPECT_EQ(ReadFile(meet), before);
    const std::string out = dir.File("out.txt");
    WriteFile(out, "kept");
    std::filesystem::permissions(out, std::filesystem::perms::owner_read);
    result = RunCli({"report", meet, "0", "-o", out});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, out + " is read-only: it was not written\n");
    EXPECT_EQ(ReadFile(out), "kept");
}
