// Turning imported entries into crews: the crews made, doubling-up detection,
// the import report and the whole import as the "Load VEXA" command runs it.
#include "engine/import/vexaapply.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

using namespace bm;
using bm::test::DataPath;

namespace {

const std::string kEntryLines = "Men 4+  11               Riverside            11 early  \n"
                                "Men 4+  12               Riverside            12        \n";
const std::string kDetectedLines =
    "   doubling up with : Men 4+ () Riverside (Green)\n"
    "Men 1x  13               Lakeside             13        \n"
    "Women 2x 14    Swift      Lakeside/Riverside   14 a, b   \n"
    "   doubling up with : Men 1x () Lakeside (Black)\n"
    "**** Withdrawn **** Men 4+  15               Lakeside             15        \n"
    "Men 1x  16               Riverside            16        \n"
    "   doubling up with : Men 4+ () Riverside (Green)\n"
    "   doubling up with : Men 4+ () Riverside (Brown)\n";
const std::string kCompetitors =
    "\n\n\nList of Competitors\n===================\n"
    "2 Brown        M1              Riverside       Men 4+(1) Men 1x(1) \n"
    "2 Green        M2              Lakeside        Men 4+(2) Men 4+(1) \n"
    "2 Black        M4              Lakeside        Men 1x(1) Women 2x(1) \n"
    "1 White        M3              Riverside       Men 4+(1) \n"
    "1 Brown        m1              Riverside       Men 4+(2) \n"
    "1 Grey         M5              Lakeside        Women 2x(2) \n";
const std::string kLabelling = "\n\n\nCrews that might need labelling:\n\n"
                               "\nMen 4+ Riverside\n"
                               "  VEXA 11 early \n"
                               "  VEXA 12  \n";

VexaImporter LoadedFixture() {
    VexaImporter importer(DataPath("vexa_config.csv"));
    importer.AddFilePath(DataPath("vexa_entries.csv"));
    importer.AddFilePath(DataPath("vexa_members.csv"));
    EXPECT_EQ(importer.Load(), "");
    return importer;
}

std::string Applied(Boatmeet& meet, bool detect) {
    std::ostringstream report;
    ApplyVexaImport(meet, LoadedFixture(), detect, report);
    ListCrewsNeedingLabels(meet, report);
    return report.str();
}

VexaImportRequest FixtureRequest() {
    VexaImportRequest request;
    request.ConfigPath = DataPath("vexa_config.csv");
    request.FilePaths = {{"MEMBERS", DataPath("vexa_members.csv")},
                         {"Entries", DataPath("vexa_entries.csv")}};
    request.DetectDoublingUp = true;
    return request;
}

// The window's side of "Load VEXA": scripted answers and chosen files, and a
// transcript of every question, message and dialog in order.
struct ScriptedDialogs {
    std::deque<bool> answers;
    std::deque<std::string> files; // an empty name cancels the dialog
    std::vector<std::string> transcript;

    VexaLoadDialogs Dialogs() {
        VexaLoadDialogs dialogs;
        dialogs.Ask = [this](const std::string& question) {
            transcript.push_back("ask: " + question);
            const bool yes = !answers.empty() && answers.front();
            if (!answers.empty())
                answers.pop_front();
            return yes;
        };
        dialogs.Inform = [this](const std::string& text) {
            transcript.push_back("inform: " + text);
        };
        dialogs.ChooseCsvFile = [this](const std::string& title) {
            transcript.push_back("choose: " + title);
            std::string file = files.empty() ? std::string() : files.front();
            if (!files.empty())
                files.pop_front();
            return file;
        };
        return dialogs;
    }
};

std::string MeetText(Boatmeet& meet) {
    std::ostringstream out;
    meet.WriteTo(out, true);
    return out.str();
}

} // namespace

TEST(VexaApply, WritesTheReportWithDoublingUp) {
    Boatmeet meet;
    EXPECT_EQ(Applied(meet, true), kEntryLines + kDetectedLines + kCompetitors + kLabelling);
}

TEST(VexaApply, MakesACrewForEveryEntryNotWithdrawn) {
    Boatmeet meet;
    Applied(meet, false);
    ASSERT_EQ(meet.Crews.size(), 5u);
    EXPECT_EQ(meet.Clubs.Texts(),
              (std::vector<std::string>{"Riverside", "Lakeside", "Lakeside/Riverside"}));
    EXPECT_EQ(meet.Events.Texts(), (std::vector<std::string>{"Men 4+", "Men 1x", "Women 2x"}));
    const Crew& first = *meet.Crews[0];
    EXPECT_EQ(first.Id, 1);
    EXPECT_EQ(first.Name, "(Green)");
    EXPECT_EQ(first.Notes, "VEXA 11 early ");
    EXPECT_EQ(meet.Clubs.TextOf(first.ClubKey), "Riverside");
    EXPECT_EQ(meet.Events.TextOf(first.EventKey), "Men 4+");
    EXPECT_TRUE(first.FeePaid);
    EXPECT_TRUE(first.EarlyPay);
    EXPECT_FALSE(meet.Crews[1]->FeePaid);
    EXPECT_EQ(meet.Crews[3]->Name, "(Swift)");
    EXPECT_EQ(meet.Clubs.TextOf(meet.Crews[3]->ClubKey), "Lakeside/Riverside");
    EXPECT_EQ(meet.Crews[4]->Notes, "VEXA 16  ");
    EXPECT_EQ(meet.NextCrewId, 6);
}

TEST(VexaApply, DetectionLinksCrewsOfDifferentEventsOnly) {
    Boatmeet meet;
    Applied(meet, true);
    EXPECT_EQ(meet.Crews[0]->DoubleUps, std::vector<int>{5});
    // 11 and 12 share a rower in the same event: the line is written, no link made.
    EXPECT_EQ(meet.Crews[1]->DoubleUps, std::vector<int>{5});
    EXPECT_EQ(meet.Crews[2]->DoubleUps, std::vector<int>{4});
    EXPECT_EQ(meet.Crews[3]->DoubleUps, std::vector<int>{3});
    EXPECT_EQ(meet.Crews[4]->DoubleUps, (std::vector<int>{1, 2}));
}

TEST(VexaApply, WithoutDetectionNothingIsLinked) {
    Boatmeet meet;
    EXPECT_EQ(Applied(meet, false),
              kEntryLines +
                  "Men 1x  13               Lakeside             13        \n"
                  "Women 2x 14    Swift      Lakeside/Riverside   14 a, b   \n"
                  "**** Withdrawn **** Men 4+  15               Lakeside             15        \n"
                  "Men 1x  16               Riverside            16        \n" +
                  kCompetitors + kLabelling);
    for (const auto& crew : meet.Crews)
        EXPECT_TRUE(crew->DoubleUps.empty());
}

TEST(VexaApply, CrewsAlreadyInTheMeetAreLabelledButNeverLinked) {
    Boatmeet meet;
    const int club = meet.Clubs.Add("RIVERSIDE");
    const int event = meet.Events.Add("Men 4+");
    meet.Events.Add("Men 1x");
    auto crew = std::make_unique<Crew>();
    crew->ClubKey = club;
    crew->EventKey = meet.Events.KeyOf("Men 1x");
    crew->Notes = "entered by hand";
    meet.AddCrew(std::move(crew));
    auto other = std::make_unique<Crew>();
    other->ClubKey = club;
    other->EventKey = event;
    other->Notes = "also by hand";
    meet.AddCrew(std::move(other));
    std::ostringstream report;
    const VexaImporter importer = LoadedFixture();
    ApplyVexaImport(meet, importer, true, report);
    ListCrewsNeedingLabels(meet, report);
    EXPECT_TRUE(meet.Crews[0]->DoubleUps.empty());
    EXPECT_TRUE(meet.Crews[1]->DoubleUps.empty());
    // The club is reused whatever the case of its letters.
    EXPECT_EQ(meet.Crews[2]->ClubKey, club);
    const std::string text = report.str();
    EXPECT_NE(text.find("\nMen 4+ RIVERSIDE\n  also by hand\n  VEXA 11 early \n  VEXA 12  \n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("entered by hand"), std::string::npos);
}

TEST(VexaApply, LabellingSectionSkipsSingleScullsAndLoneCrews) {
    Boatmeet meet;
    for (const char* name : {"WS 1x", "WS 4x-"})
        meet.Events.Add(name);
    meet.Clubs.Add("A");
    meet.Clubs.Add("B");
    const auto add = [&](int event, int club, const char* notes) {
        auto crew = std::make_unique<Crew>();
        crew->EventKey = event;
        crew->ClubKey = club;
        crew->Notes = notes;
        meet.AddCrew(std::move(crew));
    };
    add(1, 1, "s1");
    add(1, 1, "s2");
    add(2, 2, "q1");
    add(2, 1, "q2");
    add(2, 2, "q3");
    std::ostringstream report;
    ListCrewsNeedingLabels(meet, report);
    EXPECT_EQ(report.str(), "\n\n\nCrews that might need labelling:\n\n\nWS 4x- B\n  q1\n  q3\n");
}

TEST(VexaApply, AddImportedCrewCleansTextsEnteringTheMeet) {
    Boatmeet meet;
    ImportedEntry entry;
    entry.Id = "7";
    entry.Event = "Men\r8+";
    entry.MembersClub = "North\rEnd";
    entry.CrewName = "Blue";
    entry.Label = "Big\rBlue";
    entry.Notes = "7 a\rb ";
    std::ostringstream report;
    EXPECT_TRUE(AddImportedCrew(meet, entry, report));
    EXPECT_EQ(report.str(), "Men 8+  7     Blue       North End            7 a b     \n");
    const Crew& crew = *meet.Crews.back();
    EXPECT_EQ(crew.Name, "(Big Blue)");
    EXPECT_EQ(crew.Notes, "VEXA 7 a b ");
    EXPECT_EQ(meet.Clubs.TextOf(crew.ClubKey), "North End");
    EXPECT_EQ(meet.Events.TextOf(crew.EventKey), "Men 8+");
}

TEST(VexaApply, AnEntryWithoutClubOrLabelGivesADefaultCrew) {
    Boatmeet meet;
    ImportedEntry entry;
    entry.Id = "123456";
    entry.Event = "Women Quadruple";
    std::ostringstream report;
    EXPECT_TRUE(AddImportedCrew(meet, entry, report));
    const std::string line = "Women Quadruple 123456" + std::string(43, ' ') + "\n";
    EXPECT_EQ(report.str(), line);
    EXPECT_EQ(meet.Crews.back()->ClubKey, -1);
    EXPECT_EQ(meet.Crews.back()->Name, "");
    entry.Withdrawn = true;
    std::ostringstream withdrawn;
    EXPECT_FALSE(AddImportedCrew(meet, entry, withdrawn));
    EXPECT_EQ(withdrawn.str(), "**** Withdrawn **** " + line);
    EXPECT_EQ(meet.Crews.size(), 1u);
}

TEST(VexaImportExport, ImportsWithFileKeysInAnyCase) {
    Boatmeet meet;
    const VexaImportOutcome outcome = ImportVexaExport(meet, FixtureRequest());
    EXPECT_TRUE(outcome.Imported);
    EXPECT_EQ(outcome.Text, kEntryLines + kDetectedLines + kCompetitors + kLabelling);
    EXPECT_EQ(meet.Crews.size(), 5u);
}

TEST(VexaImportExport, FailuresLeaveTheMeetUnchanged) {
    Boatmeet meet;
    VexaImportRequest request = FixtureRequest();
    request.ConfigPath = "/no/such/VexaConfig.csv";
    EXPECT_EQ(ImportVexaExport(meet, request).Text,
              "Could not open file : /no/such/VexaConfig.csv");

    request = FixtureRequest();
    request.FilePaths.pop_back();
    VexaImportOutcome outcome = ImportVexaExport(meet, request);
    EXPECT_FALSE(outcome.Imported);
    EXPECT_EQ(outcome.Text, "VEXA load abandoned");

    request = FixtureRequest();
    request.FilePaths[0].second = DataPath("vexa_entries.csv"); // no member columns there
    outcome = ImportVexaExport(meet, request);
    EXPECT_FALSE(outcome.Imported);
    EXPECT_EQ(outcome.Text, "Could not find Surname in " + DataPath("vexa_entries.csv"));

    const test::TempDir dir;
    request = FixtureRequest();
    request.FilePaths[1].second = dir.Path().string();
    EXPECT_EQ(ImportVexaExport(meet, request).Text, "Could not open : " + dir.Path().string());

    request = FixtureRequest();
    request.ConfigPath = DataPath("vexa_config_blank_line.csv");
    EXPECT_EQ(ImportVexaExport(meet, request).Text,
              "Bad input line , in : " + DataPath("vexa_config_blank_line.csv"));
    EXPECT_TRUE(meet.Crews.empty());
    EXPECT_EQ(meet.Clubs.Count(), 0);
    EXPECT_EQ(meet.Events.Count(), 0);
}

TEST(VexaLoadCommand, AsksForTheConfigurationAndEveryFileThenImports) {
    Boatmeet meet;
    ScriptedDialogs script;
    script.answers = {true, true};
    script.files = {DataPath("vexa_config.csv"), DataPath("vexa_entries.csv"),
                    DataPath("vexa_members.csv")};
    std::string report;
    ASSERT_TRUE(RunVexaLoad(&meet, "/no/such/folder", script.Dialogs(), report));
    EXPECT_EQ(script.transcript,
              (std::vector<std::string>{"ask: Use own Load Configuration file (usually NO)",
                                        "choose: Specify Configuration Filename",
                                        "choose: Specify filename for : entries",
                                        "choose: Specify filename for : members",
                                        "inform: Press OK to load crews ... and then be patient!",
                                        "ask: Do you want to automatically detect Doubling Up"}));
    EXPECT_EQ(report, kEntryLines + kDetectedLines + kCompetitors + kLabelling);
    EXPECT_EQ(meet.Crews.size(), 5u);
}

TEST(VexaLoadCommand, OtherwiseTheConfigurationBesideTheProgram) {
    const test::TempDir program;
    test::WriteFile(program.File("VexaConfig.csv"), test::ReadFile(DataPath("vexa_config.csv")));
    // No to the question, and Yes with the dialog cancelled, both take it.
    for (const std::deque<bool>& answers : {std::deque<bool>{false}, std::deque<bool>{true}}) {
        Boatmeet meet;
        ScriptedDialogs script;
        script.answers = answers;
        script.files = {DataPath("vexa_entries.csv"), DataPath("vexa_members.csv")};
        if (answers.front())
            script.files.push_front("");
        std::string report;
        ASSERT_TRUE(RunVexaLoad(&meet, program.Path().string(), script.Dialogs(), report));
        EXPECT_EQ(script.transcript.back(), "ask: Do you want to automatically detect Doubling Up");
        EXPECT_EQ(report.find("doubling up with"), std::string::npos);
        EXPECT_EQ(meet.Crews.size(), 5u);
        for (const auto& crew : meet.Crews)
            EXPECT_TRUE(crew->DoubleUps.empty());
    }
}

TEST(VexaLoadCommand, EveryFailureLeavesTheMeetUntouched) {
    const test::TempDir dir;
    test::WriteFile(dir.File("empty.csv"), "");
    test::WriteFile(dir.File("binary.csv"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    Boatmeet meet;
    meet.Events.Add("Men 4+");
    auto crew = std::make_unique<Crew>();
    crew->Notes = "entered by hand";
    meet.AddCrew(std::move(crew));
    const std::string before = MeetText(meet);
    // Each case: the files chosen after answering No to the own configuration,
    // and the last message shown.
    const std::string config = DataPath("vexa_config.csv");
    const std::string entries = DataPath("vexa_entries.csv");
    const std::string members = DataPath("vexa_members.csv");
    const std::vector<std::pair<std::deque<std::string>, std::string>> cases = {
        {{}, "Could not open file : " + DefaultVexaConfigPath(dir.Path().string())},
        {{config, entries, ""}, "VEXA load abandoned"},
        {{config, dir.File("empty.csv"), members}, dir.File("empty.csv") + " has invalid format"},
        {{config, entries, dir.File("binary.csv")},
         "Could not find Surname in " + dir.File("binary.csv")},
        {{config, entries, dir.File("missing.csv")}, "Could not open : " + dir.File("missing.csv")},
    };
    for (const auto& [files, message] : cases) {
        ScriptedDialogs script;
        script.answers = {!files.empty(), true};
        script.files = files;
        std::string report = "stale";
        EXPECT_FALSE(RunVexaLoad(&meet, dir.Path().string(), script.Dialogs(), report));
        EXPECT_EQ(script.transcript.back(), "inform: " + message);
        EXPECT_EQ(report, "");
        EXPECT_EQ(MeetText(meet), before);
    }

    ScriptedDialogs script;
    std::string report;
    EXPECT_FALSE(RunVexaLoad(nullptr, dir.Path().string(), script.Dialogs(), report));
    EXPECT_EQ(script.transcript,
              std::vector<std::string>{"inform: Must create a Boatmeet before loading..."});
}
