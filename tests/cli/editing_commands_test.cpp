// The editing commands events, clubs and crew: their printed lines, the
// questions that only --yes answers, warnings that let a change stand, and
// usage errors that leave the file untouched.
#include "clirun.h"

#include "engine/draw/randomdraw.h"
#include "engine/model/boatmeet.h"
#include "engine/model/settings.h"

#include <gtest/gtest.h>

using namespace bm;
using namespace bm::test;

namespace {

// Every run with the settings at their defaults, then the given ones.
CliResult Cli(std::vector<std::string> args) {
    args.push_back("--defaults");
    return RunCli(args);
}

// Two events and two clubs; Alpha (Avon, MS 4-) shares a boat with Charlie
// (Avon, WS 1x); Bravo (Riverside, WS 1x, number 4) keeps a double-up with
// crew 99, which the meet no longer holds.
class EditingCommands : public ::testing::Test {
protected:
    void SetUp() override {
        Boatmeet meet;
        meet.Title = "Lakeside";
        const int ms4 = meet.Events.Add("MS 4-");
        const int ws1 = meet.Events.Add("WS 1x");
        const int avon = meet.Clubs.Add("Avon");
        const int river = meet.Clubs.Add("Riverside");
        meet.Sponsors.AddWithKey(ws1, "Acme Boats");
        meet.EntryFees.AddWithKey(ws1, "7.50");
        meet.ClubColours.AddWithKey(avon, "Blue");
        Add(meet, avon, ms4, "Alpha", -1);
        Add(meet, river, ws1, "Bravo", 4)->DoubleUps.push_back(99);
        Add(meet, avon, ws1, "Charlie", -1);
        meet.LinkBoatShare(1, 3);
        meet.SaveToFile(file, true);
        before = ReadFile(file);
    }
    void TearDown() override { CurrentSettings() = Settings{}; }

    static Crew* Add(Boatmeet& meet, int club, int event, const std::string& name, int number) {
        auto crew = std::make_unique<Crew>();
        crew->ClubKey = club;
        crew->EventKey = event;
        crew->Name = name;
        crew->Number = number;
        return meet.AddCrew(std::move(crew));
    }
    // The command ended with the message and its status, and the file is as it was.
    void ExpectRefused(const std::vector<std::string>& args, int status, const std::string& err) {
        const CliResult result = Cli(args);
        EXPECT_EQ(result.status, status) << args[1] << " " << args[2];
        EXPECT_EQ(result.err, err) << args[1] << " " << args[2];
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(ReadFile(file), before);
    }
    std::unique_ptr<Boatmeet> Saved() const { return Boatmeet::LoadFromFile(file); }

    TempDir dir;
    std::string file = dir.File("meet.bmf");
    std::string before;
};

} // namespace

TEST_F(EditingCommands, ListLinesOfEventsClubsAndCrews) {
    const CliResult events =
        Cli({"events", file, "-o", dir.File("unused.bmf"), "--set", "AutoFeeOn=1", "--set",
             "FeePerSeat=10.00", "--set", "CoxesPay=1"});
    EXPECT_EQ(events.status, 0);
    EXPECT_EQ(events.out, "MS 4-\t\t40.00\nWS 1x\tAcme Boats\t7.50\n");
    EXPECT_EQ(Cli({"clubs", file, "list"}).out, "Avon\tBlue\t\nRiverside\t\t\n");
    // The editor's order (event, then club) and names cut at 100 whatever MaxNameLen is.
    const std::string longName(120, 'x');
    ASSERT_EQ(Cli({"crew", file, "edit", "1", "--name", longName}).status, 0);
    const CliResult crews = Cli({"crew", file, "list", "--set", "MaxNameLen=5"});
    EXPECT_EQ(crews.status, 0);
    EXPECT_EQ(crews.out, "1\tMS 4- () Avon " + std::string(40, 'x') +
                             "\n3\tWS 1x () Avon Charlie\n2\tWS 1x   (4) Riverside Bravo\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("unused.bmf")));
}

TEST_F(EditingCommands, QuestionsAreAnsweredOnlyByYes) {
    ExpectRefused({"events", file, "rename", "ms 4-", "MS 4+"}, 1, "OK to change the value?\n");
    ExpectRefused({"clubs", file, "delete", "Riverside"}, 1,
                  "Any existing references to the data will be undefined if you deleted. "
                  "Continue?\n");
    ExpectRefused({"events", file, "fee", "MS 4-", "30.00", "--set", "AutoFeeOn=1"}, 1,
                  "Override Auto Fee Value?\n");
    // Stopping informations end the command the same way, questions or not.
    ExpectRefused({"events", file, "rename", "MS 4-", "ws 1X", "--yes"}, 1,
                  "The new text is empty or already in the list!\n");
    ExpectRefused({"crew", file, "delete", "1", "--yes"}, 1,
                  "You must clear all Boat Share/Double Up associations before deleting\n");

    EXPECT_EQ(Cli({"events", file, "rename", "ms 4-", "MS 4+", "--yes"}).status, 0);
    EXPECT_EQ(Cli({"events", file, "fee", "MS 4+", "30.00", "--set", "AutoFeeOn=1", "--yes"}).err,
              "");
    // A link to a crew the meet no longer holds can be removed, and then the crew deleted.
    EXPECT_EQ(Cli({"crew", file, "unlink", "2", "99", "--double-up"}).status, 0);
    before = ReadFile(file);
    ExpectRefused({"crew", file, "delete", "2"}, 1, "OK to Delete crew?\n");
    const auto drawn = Saved();
    DrawAllEvents(*drawn);
    drawn->SaveToFile(file, true);
    before = ReadFile(file);
    ExpectRefused({"crew", file, "delete", "2"}, 1,
                  "If you delete the crew, its event Draw will be invalid. Continue?\n");
    EXPECT_EQ(Cli({"crew", file, "delete", "2", "--yes"}).status, 0);
    const auto saved = Saved();
    EXPECT_EQ(saved->Events.TextAt(0), "MS 4+");
    EXPECT_EQ(saved->EntryFees.TextOf(saved->Events.KeyAt(0)), "30.00");
    EXPECT_FALSE(saved->HasCrew(2));
}

TEST_F(EditingCommands, WarningsLetTheChangeStand) {
    const CliResult result = Cli({"crew", file, "new", "--club", "avon", "--event", "ms 4-",
                                  "--name", "A rather long name", "--set", "MaxNameLen=20"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "4\n");
    EXPECT_EQ(result.err, "There is already another crew from this club in this event!\n"
                          "Club+Name exceeds length threshold\n");
    const CliResult moved =
        Cli({"crew", file, "edit", "4", "--event", "WS 1x", "--club", "Riverside"});
    EXPECT_EQ(moved.err, "There is already another crew from this club in this event!\n"
                         "There is already another crew from this club in this event!\n");
    const auto saved = Saved();
    const Crew* crew = saved->FindCrew(4);
    EXPECT_EQ(crew->Name, "A rather long name");
    EXPECT_EQ(crew->Notes, " Moved from MS 4- to WS 1x");
    EXPECT_EQ(saved->Clubs.TextOf(crew->ClubKey), "Riverside");
    EXPECT_EQ(Cli({"crew", file, "edit", "4", "--event", "MS 4-", "--record-move", "no"}).status,
              0);
    EXPECT_EQ(Saved()->FindCrew(4)->Notes, " Moved from MS 4- to WS 1x");
}

TEST_F(EditingCommands, FieldsAreReadAsTheEditorReadsThem) {
    const CliResult result = Cli({"crew", file, "edit", "3", "--number", "12a", "--day-licences",
                                  "-2", "--notes", "Say \"hi\"", "--fee-paid", "1", "--set",
                                  "EarlyRegDiscountActive=1", "-o", dir.File("out.bmf")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ReadFile(file), before);
    const auto saved = Boatmeet::LoadFromFile(dir.File("out.bmf"));
    const Crew* crew = saved->FindCrew(3);
    EXPECT_EQ(crew->Number, 12);
    EXPECT_EQ(crew->DayLicences, -2);
    EXPECT_EQ(crew->Notes, "Say 'hi'");
    EXPECT_TRUE(crew->FeePaid && crew->EarlyPay);
    EXPECT_EQ(Cli({"crew", file, "edit", "2", "--number", "0"}).status, 0);
    EXPECT_EQ(Saved()->FindCrew(2)->Number, -1);
}

TEST_F(EditingCommands, LinksMadeAndRemovedOrRefused) {
    ExpectRefused({"crew", file, "link", "2", "3", "--double-up"}, 1, "No link made\n");
    ExpectRefused({"crew", file, "link", "1", "3", "--boat-share"}, 1, "No link made\n");
    ExpectRefused({"crew", file, "unlink", "1", "3", "--double-up"}, 1, "No such link\n");
    ExpectRefused({"crew", file, "unlink", "1", "x", "--boat-share"}, 1, "No such link\n");
    EXPECT_EQ(Cli({"crew", file, "link", "1", "2", "--double-up"}).status, 0);
    EXPECT_EQ(Saved()->FindCrew(2)->DoubleUps, (std::vector<int>{99, 1}));
    EXPECT_EQ(Cli({"crew", file, "unlink", "3", "1", "--boat-share"}).status, 0);
    EXPECT_TRUE(Saved()->FindCrew(1)->BoatShares.empty());
}

TEST_F(EditingCommands, UsageErrorsChangeNothing) {
    const std::string noSuch = "No such crew : ";
    ExpectRefused({"crew", file, "edit", "7"}, 2, noSuch + "7\n");
    ExpectRefused({"crew", file, "delete", "one"}, 2, noSuch + "one\n");
    ExpectRefused({"crew", file, "link", "1", "8", "--double-up"}, 2, noSuch + "8\n");
    ExpectRefused({"crew", file, "new", "--event", "MS 8+"}, 2, "No such event : MS 8+\n");
    ExpectRefused({"crew", file, "edit", "1", "--club", "Bath"}, 2, "No such club : Bath\n");
    ExpectRefused({"events", file, "up", "MS 8+"}, 2, "No such event : MS 8+\n");
    ExpectRefused({"clubs", file, "colours", "Bath", "Red"}, 2, "No such club : Bath\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"crew", file, "edit", "1", "--fee-paid", "yes"},
             {"crew", file, "edit", "1", "--record-move", "maybe"},
             {"crew", file, "delete", "1", "--name", "X"},
             {"crew", file, "link", "1", "2"},
             {"crew", file, "unlink", "1", "2", "--double-up", "--boat-share"},
             {"crew", file, "new", "--double-up"},
             {"crew", file, "rename", "1"},
             {"crew", file},
             {"crew", file, "edit"},
             {"events", file, "sort", "size"},
             {"events", file, "add"},
             {"clubs", file, "fee", "Avon", "5.00"},
             {"clubs", file, "colours", "Avon", "Red", "White"}}) {
        const CliResult result = Cli(args);
        EXPECT_EQ(result.status, 2) << args[2];
        EXPECT_EQ(result.err.rfind("boatmeet-cli " + args[0] + ": ", 0), 0u) << result.err;
    }
    EXPECT_EQ(ReadFile(file), before);
}

TEST_F(EditingCommands, FeesMustBeMoneyAndAddedEntriesNew) {
    const std::string notMoney = "Money values are written like 12 or 12.50, at most 21474836.47\n";
    for (const char* fee : {"12.5", "£30", "abc", "12.", ".50", "99999999999"})
        ExpectRefused({"events", file, "fee", "WS 1x", fee}, 2, notMoney);
    // Refused before the question, whatever the answer would be.
    ExpectRefused({"events", file, "fee", "MS 4-", "30,00", "--set", "AutoFeeOn=1", "--yes"}, 2,
                  notMoney);
    const std::string taken = "The new text is empty or already in the list!\n";
    ExpectRefused({"events", file, "add", " ms 4- "}, 1, taken);
    ExpectRefused({"clubs", file, "add", "RIVERSIDE"}, 1, taken);

    EXPECT_EQ(Cli({"events", file, "fee", "MS 4-", " 12 "}).status, 0);
    EXPECT_EQ(Cli({"events", file, "list"}).out, "MS 4-\t\t12\nWS 1x\tAcme Boats\t7.50\n");
    EXPECT_EQ(Cli({"events", file, "fee", "WS 1x"}).status, 0);
    const auto saved = Saved();
    EXPECT_FALSE(saved->EntryFees.HasKey(saved->Events.KeyOf("WS 1x")));
}
