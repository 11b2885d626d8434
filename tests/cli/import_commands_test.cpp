// The import and generate commands: in-process runs compared with the engine's
// results, and end-to-end runs of the real program on the example export.
#include "clirun.h"
#include "engine/import/makedata.h"
#include "engine/import/vexaapply.h"
#include "engine/model/random.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace bm;
using bm::test::DataPath;
using bm::test::ReadFile;
using bm::test::RunCli;
using bm::test::RunProgram;
using bm::test::TempDir;
using Result = bm::test::CliResult;

namespace {

// An empty meet saved in the folder.
std::string EmptyMeet(const TempDir& dir) {
    Boatmeet meet;
    meet.Title = "Spring Regatta";
    meet.Clubs.Add("Winner Prev");
    const std::string path = dir.File("meet.bmf");
    EXPECT_TRUE(meet.SaveToFile(path, true));
    return path;
}

std::vector<std::string> FixtureImport(const std::string& meet) {
    return {"import",
            meet,
            "--defaults",
            "--config",
            DataPath("vexa_config.csv"),
            "--file",
            "entries=" + DataPath("vexa_entries.csv"),
            "--file",
            "Members=" + DataPath("vexa_members.csv"),
            "--detect-doubling-up"};
}

std::string SourceFolder() {
    return std::filesystem::path(BM_TEST_DATA_DIR).parent_path().parent_path();
}

} // namespace

TEST(ImportCommand, ImportsPrintsTheReportAndWritesTheMeet) {
    TempDir dir;
    const std::string path = EmptyMeet(dir);
    std::vector<std::string> args = FixtureImport(path);
    args.insert(args.end(), {"-o", dir.File("out.bmf")});
    const Result result = RunCli(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");

    auto expectedMeet = Boatmeet::LoadFromFile(path);
    VexaImportRequest request;
    request.ConfigPath = DataPath("vexa_config.csv");
    request.FilePaths = {{"entries", DataPath("vexa_entries.csv")},
                         {"members", DataPath("vexa_members.csv")}};
    request.DetectDoublingUp = true;
    const VexaImportOutcome expected = ImportVexaExport(*expectedMeet, request);
    EXPECT_EQ(result.out, expected.Text);

    const auto written = Boatmeet::LoadFromFile(dir.File("out.bmf"));
    EXPECT_EQ(written->Crews.size(), 5u);
    EXPECT_EQ(written->Clubs.TextAt(0), "Winner Prev");
    EXPECT_EQ(written->Crews[4]->DoubleUps, (std::vector<int>{1, 2}));
    EXPECT_TRUE(Boatmeet::LoadFromFile(path)->Crews.empty());
}

TEST(ImportCommand, WithoutOutputTheMeetFileIsRewritten) {
    TempDir dir;
    const std::string path = EmptyMeet(dir);
    std::vector<std::string> args = FixtureImport(path);
    args.pop_back(); // no detection
    const Result result = RunCli(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.find("doubling up"), std::string::npos);
    const auto written = Boatmeet::LoadFromFile(path);
    EXPECT_EQ(written->Crews.size(), 5u);
    EXPECT_TRUE(written->Crews[4]->DoubleUps.empty());
}

TEST(ImportCommand, ImportingAgainPrintsTheSummaryAndDoublesNothing) {
    TempDir dir;
    const std::string path = EmptyMeet(dir);
    ASSERT_EQ(RunCli(FixtureImport(path)).status, 0);
    const std::string imported = ReadFile(path);
    const Result same = RunCli(FixtureImport(path));
    ASSERT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(ReadFile(path), imported);

    // Entry 13 leaves the export, 12 has paid.
    std::string later = ReadFile(DataPath("vexa_entries.csv"));
    const auto replace = [&later](const std::string& from, const std::string& to) {
        later.replace(later.find(from), from.size(), to);
    };
    replace("13,Men 1x,Lakeside,,n,y,\r\n", "");
    replace("12,Men 4+,RIVERSIDE,,N,N", "12,Men 4+,RIVERSIDE,,N,Y");
    test::WriteFile(dir.File("later.csv"), later);
    std::vector<std::string> args = FixtureImport(path);
    args[6] = "entries=" + dir.File("later.csv");
    const Result result = RunCli(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find("\nMen 4+  11")),
              "0 added, 1 changed, 0 withdrawn, 1 no longer in the export, 4 unchanged, 0 kept "
              "your change\n"
              "\nChanged:\n"
              "  12 Men 4+ () Riverside (Brown): paid no -> yes\n"
              "\nNo longer in the export:\n"
              "  13 Men 1x () Lakeside (Black)\n");
    const auto meet = Boatmeet::LoadFromFile(path);
    EXPECT_EQ(meet->Crews.size(), 5u);
    EXPECT_TRUE(meet->Crews[1]->FeePaid);
}

TEST(ImportCommand, ProblemsLeaveTheMeetUnchanged) {
    TempDir dir;
    const std::string path = EmptyMeet(dir);
    const std::string before = ReadFile(path);

    std::vector<std::string> missingKey = FixtureImport(path);
    missingKey.erase(missingKey.begin() + 7, missingKey.begin() + 9);
    Result result = RunCli(missingKey);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "VEXA load abandoned\n");

    std::vector<std::string> loadError = FixtureImport(path);
    loadError[8] = "members=" + DataPath("vexa_entries.csv");
    result = RunCli(loadError);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Could not find Surname in " + DataPath("vexa_entries.csv") + "\n");
    EXPECT_EQ(result.out, "");

    std::vector<std::string> badConfig = FixtureImport(path);
    badConfig[4] = DataPath("vexa_config_two_fields.csv");
    result = RunCli(badConfig);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Bad input line Event,entries, in : " +
                              DataPath("vexa_config_two_fields.csv") + "\n");
    EXPECT_EQ(ReadFile(path), before);
}

TEST(ImportCommand, UsageErrors) {
    TempDir dir;
    const std::string path = EmptyMeet(dir);
    const std::string before = ReadFile(path);
    std::vector<std::string> twice = FixtureImport(path);
    twice.insert(twice.end(), {"--file", "ENTRIES=" + DataPath("vexa_entries.csv")});
    Result result = RunCli(twice);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("ENTRIES"), std::string::npos);

    std::vector<std::string> noEquals = FixtureImport(path);
    noEquals[6] = DataPath("vexa_entries.csv");
    EXPECT_EQ(RunCli(noEquals).status, 2);
    EXPECT_EQ(ReadFile(path), before);

    result = RunCli(FixtureImport(dir.File("none.bmf")));
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Could not open file : " + dir.File("none.bmf") + "\n");
    EXPECT_EQ(RunCli({"import"}).status, 2);
}

TEST(GenerateCommand, WritesTheMeetSilently) {
    TempDir dir;
    ResetRandom();
    const Result result =
        RunCli({"generate", dir.File("g.bmf"), "--title", "Small Regatta", "--crews", "6",
                "--events", "3", "--clubs", "2", "--double-ups", "2", "--boat-shares", "9"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadFile(dir.File("g.bmf")), ReadFile(DataPath("makedata_small.bmf")));
}

TEST(GenerateCommand, Problems) {
    TempDir dir;
    Result result = RunCli({"generate", dir.File("no/such/g.bmf")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Could not open file!\n");
    result = RunCli({"generate", dir.File("g.bmf"), "--events", "0"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Events and clubs must be at least 1 when crews are requested\n");
    EXPECT_EQ(RunCli({"generate", dir.File("g.bmf"), "--crews", "ten"}).status, 2);
    EXPECT_EQ(RunCli({"generate", dir.File("g.bmf"), "--crews", "10x"}).status, 2);
    EXPECT_EQ(RunCli({"generate"}).status, 2);
    EXPECT_EQ(RunCli({"generate", dir.File("g.bmf"), "--set", "Nonsense=1"}).status, 2);
    // A negative count is a usage error, whichever count it is.
    for (const char* option : {"--crews", "--events", "--clubs", "--double-ups", "--boat-shares"}) {
        result = RunCli({"generate", dir.File("g.bmf"), option, "-1"});
        EXPECT_EQ(result.status, 2) << option;
        EXPECT_EQ(result.err,
                  "boatmeet-cli generate: " + std::string(option) + " must not be negative\n");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("g.bmf")));
    // Like every command, generate takes the general settings options.
    EXPECT_EQ(RunCli({"generate", dir.File("g.bmf"), "--defaults", "--crews", "3"}).status, 0);
    // The meet it wrote is replaced only with --force.
    const std::string written = ReadFile(dir.File("g.bmf"));
    result = RunCli({"generate", dir.File("g.bmf"), "--crews", "4"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, dir.File("g.bmf") + " already exists (use --force to replace it)\n");
    EXPECT_EQ(ReadFile(dir.File("g.bmf")), written);
    EXPECT_EQ(RunCli({"generate", dir.File("g.bmf"), "--crews", "4", "--force"}).status, 0);
    EXPECT_NE(ReadFile(dir.File("g.bmf")), written);
}

TEST(ImportEndToEnd, ExampleExportWithTheInstalledConfiguration) {
    const std::filesystem::path program(BM_CLI_PATH);
    ASSERT_TRUE(std::filesystem::exists(program.parent_path() / "VexaConfig.csv"));
    TempDir dir;
    const std::string path = dir.File("spring.bmf");
    ASSERT_EQ(RunProgram(dir, {"new", path, "--defaults", "--title", "Spring Regatta"}).status, 0);
    const std::string examples = SourceFolder() + "/examples/vexa/";
    const Result result = RunProgram(
        dir, {"import", path, "--defaults", "--file", "entries=" + examples + "entries.csv",
              "--file", "members=" + examples + "members.csv", "--detect-doubling-up"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.substr(0, result.out.find('\n') + 1),
              "MS 8+   1001             Riverside Rowing Club 1001      \n");
    EXPECT_NE(result.out.find("**** Withdrawn **** WS 4x-  1008"), std::string::npos);
    EXPECT_NE(result.out.find("   doubling up with : MS 8+ () Riverside Rowing Club \n"),
              std::string::npos);
    EXPECT_NE(result.out.find("\nList of Competitors\n===================\n2 Brennan"),
              std::string::npos);
    EXPECT_NE(result.out.find("\nMS 4- Riverside Rowing Club\n  VEXA 1004  \n  VEXA 1005  \n"),
              std::string::npos);
    const auto meet = Boatmeet::LoadFromFile(path);
    EXPECT_EQ(meet->Crews.size(), 20u);
    EXPECT_EQ(meet->Events.Count(), 12);
    EXPECT_GE(meet->Clubs.KeyOf("Lakeside Rowing Club/St Andrews Boat Club"), 1);

    // The later download of the examples' README.
    const Result later = RunProgram(
        dir, {"import", path, "--defaults", "--file", "entries=" + examples + "entries-later.csv",
              "--file", "members=" + examples + "members.csv", "--detect-doubling-up"});
    ASSERT_EQ(later.status, 0) << later.err;
    EXPECT_EQ(later.out.substr(0, later.out.find('\n') + 1),
              "1 added, 3 changed, 1 withdrawn, 1 no longer in the export, 16 unchanged, 0 kept "
              "your change\n");
    EXPECT_EQ(Boatmeet::LoadFromFile(path)->Crews.size(), 21u);
}

TEST(GenerateEndToEnd, FirstGenerationOfAProcessIsTheSame) {
    TempDir dir;
    for (const char* name : {"a.bmf", "b.bmf"}) {
        const Result result = RunProgram(
            dir, {"generate", dir.File(name), "--title", "Small Regatta", "--crews", "6",
                  "--events", "3", "--clubs", "2", "--double-ups", "2", "--boat-shares", "9"});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(ReadFile(dir.File(name)), ReadFile(DataPath("makedata_small.bmf")));
    }
    // The default size opens and draws.
    const Result big = RunProgram(dir, {"generate", dir.File("big.bmf")});
    EXPECT_EQ(big.status, 0);
    const Result drawn = RunProgram(dir, {"draw", dir.File("big.bmf"), "--defaults"});
    EXPECT_EQ(drawn.status, 0) << drawn.err;
    const auto meet = Boatmeet::LoadFromFile(dir.File("big.bmf"));
    EXPECT_EQ(meet->Crews.size(), 300u);
    for (const auto& crew : meet->Crews)
        EXPECT_GE(meet->DrawOfEvent(crew->EventKey).EntryRace(crew->Id), 0) << crew->Name;
}
