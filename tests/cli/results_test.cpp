#include "clirun.h"
#include "engine/model/boatmeet.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace bm;
using namespace bm::test;

namespace {

class ResultCommands : public ::testing::Test {
protected:
    void SetUp() override { meetFile = CopyFixture(dir, "rep_small.bmf"); }
    CliResult Run(std::vector<std::string> args) {
        args.push_back("--defaults");
        return RunCli(args);
    }
    const Race* RaceNumbered(int n, const std::string& file = {}) {
        loaded = Boatmeet::LoadFromFile(file.empty() ? meetFile : file);
        return loaded->FindRaceByNumber(n);
    }

    TempDir dir;
    std::string meetFile;
    std::unique_ptr<Boatmeet> loaded;
};

} // namespace

TEST_F(ResultCommands, SetResultRecordsWinnerAndVerdict) {
    const CliResult result = Run({"set-result", meetFile, "2", "2", "--verdict", "1L > 2"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(RaceNumbered(2)->Winner, 4);
    EXPECT_EQ(RaceNumbered(2)->Verdict, "1L ) 2");
    // The final now has both crews; without --verdict a new result has none.
    EXPECT_EQ(Run({"set-result", meetFile, "6", "1"}).status, 0);
    EXPECT_EQ(RaceNumbered(6)->Winner, 1);
    EXPECT_EQ(RaceNumbered(6)->Verdict, "");
    // A decided race keeps its verdict when only the winner changes.
    EXPECT_EQ(Run({"set-result", meetFile, "1", "2"}).status, 0);
    EXPECT_EQ(RaceNumbered(1)->Winner, 2);
    EXPECT_EQ(RaceNumbered(1)->Verdict, "Easily");
    EXPECT_EQ(Run({"set-result", meetFile, "1", "clear"}).status, 0);
    EXPECT_FALSE(RaceNumbered(1)->HasResult());
}

TEST_F(ResultCommands, SetResultErrorsLeaveTheFileAlone) {
    const std::string before = ReadFile(meetFile);
    for (const char* race : {"99", "x2", "0"}) {
        const CliResult result = Run({"set-result", meetFile, race, "1"});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "Invalid Race Number\n");
    }
    CliResult result = Run({"set-result", meetFile, "6", "1"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "No List of crews available?\n");
    result = Run({"set-result", meetFile, "2", "3"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(ReadFile(meetFile), before);
}

TEST_F(ResultCommands, SetResultToAnotherFile) {
    const std::string before = ReadFile(meetFile);
    const std::string out = dir.File("out.bmf");
    EXPECT_EQ(Run({"set-result", meetFile, "3", "2", "-o", out}).status, 0);
    EXPECT_EQ(ReadFile(meetFile), before);
    EXPECT_EQ(RaceNumbered(3, out)->Winner, 7);
}

TEST_F(ResultCommands, SplitByNameIgnoringCase) {
    const CliResult result = Run({"split", meetFile, "ms 4-", "2"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    auto meet = Boatmeet::LoadFromFile(meetFile);
    EXPECT_EQ(meet->Events.Texts(), (std::vector<std::string>{"MS 4- (A)", "MS 4- (B)", "WJ16 2x",
                                                              "Mix 8+", "MN 1x", "WS 1x"}));
    EXPECT_EQ(meet->EntryFees.TextOf(meet->Events.KeyOf("MS 4- (B)")), "40.00");
    EXPECT_EQ(meet->ListEventCrews(meet->Events.KeyOf("MS 4- (A)"), true).size(), 2u);
}

TEST_F(ResultCommands, SplitMessages) {
    const std::string before = ReadFile(meetFile);
    const auto expect = [&](std::vector<std::string> args, const std::string& message) {
        args.insert(args.begin(), {"split", meetFile});
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 1) << message;
        EXPECT_EQ(result.err, message + "\n");
    };
    expect({"Quad", "2"}, "You must select an event to split");
    expect({"MS 4-", "two"}, "You must split into 2 or more divisions!");
    expect({"MS 4-", "1"}, "You must split into 2 or more divisions!");
    expect({"MS 4-", "27"}, "You can split into at most 26 divisions!");
    EXPECT_EQ(ReadFile(meetFile), before);
}

TEST_F(ResultCommands, InfoForARaceAndACrew) {
    CliResult result = Run({"info", meetFile, "--race", "1"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "\n"
                          "Event   : MS 4-\n"
                          "Race at : 0900\n"
                          "\n"
                          "Crews that could be in first slot of race:\n"
                          "   (1) Riverside Alpha\n"
                          "\n"
                          " Race was won by above crew\n");
    result = Run({"info", meetFile, "--crew", "7"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "\n"
                          "WJ16 2x   (7) Riverside Gold\n"
                          "  Races at :  0920  0930\n"
                          "   DoubleUp  : MS 4- (1) Riverside Alpha   :   1000\n");
}

TEST_F(ResultCommands, InfoForANumberNoRaceOrCrewHasExitsOne) {
    // The window's text as usual, and a status that tells the script.
    CliResult result = Run({"info", meetFile, "--crew", "42"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "\n  42 : Not a valid Crew Number\n");
    EXPECT_EQ(result.err, "");
    result = Run({"info", meetFile, "--race", "42"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "\n");
    EXPECT_EQ(Run({"info", meetFile, "--race", "-1"}).status, 1);
}

// A hand-edited file: crew 7 bears an id that names no crew.
TEST_F(ResultCommands, InfoOnACrewWhoseIdNamesNoCrew) {
    WriteFile(meetFile,
              "Boatmeet: \"Crash\" \"2\" \"40\" \"20\" \"\" \"\" \"40\" \"0\" \"2\"\n\n"
              "StrSet: \"Events\" \"1\" \"MS 4-\"\n\n"
              "StrSet: \"Clubs\" \"1\" \"Avon\"\n\n"
              "Crew: \"-3\" \"1\" \"1\" \"7\" \"\" \"\" \"Ghost\" \"\" \"0\" \"0\" \"0\"\n");
    const CliResult result = Run({"info", meetFile, "--crew", "7"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "\nMS 4-   (7) Avon Ghost\n  Races at :\n");
}

TEST_F(ResultCommands, InfoUsageErrors) {
    EXPECT_EQ(Run({"info", meetFile, "--race", "x"}).status, 2);
    EXPECT_EQ(Run({"info", meetFile}).status, 2);
    EXPECT_EQ(Run({"info", meetFile, "--race", "1", "--crew", "1"}).status, 2);
    const CliResult result = Run({"info", dir.File("missing.bmf"), "--race", "1"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Could not open file : " + dir.File("missing.bmf") + "\n");
}

TEST_F(ResultCommands, CheckExitsWithProblemsFound) {
    CliResult result = Run({"check", meetFile});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find(" 0950 : Unfilled Race slot\n"), std::string::npos);
    const std::string clean = CopyFixture(dir, "rep_clean.bmf");
    result = Run({"check", clean});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find(" *** No Gaps detected\n"), std::string::npos);
    EXPECT_EQ(result.err, "");
    const std::string report = result.out;

    // A fee no bill can be made from is a problem of its own.
    auto meet = Boatmeet::LoadFromFile(clean);
    meet->EntryFees.AddWithKey(meet->Events.KeyOf("WS 1x"), "12.5");
    meet->SaveToFile(clean, true);
    result = Run({"check", clean});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, report);
    EXPECT_EQ(result.err, "Entry fee of WS 1x is not a money value: 12.5\n");

    // Fees in the order of the events list, then crews without a club or an
    // event by id; a fee under no event is no event's fee.
    meet->Events.AddWithKey(7, "MS 8+");
    meet->Events.SwapTexts("MS 8+", "WS 1x");
    meet->EntryFees.AddWithKey(7, "£30");
    meet->EntryFees.AddWithKey(8, "abc");
    meet->NextCrewId = 9;
    meet->AddCrew(std::make_unique<Crew>())->ClubKey = meet->Clubs.KeyOf("Harbour");
    meet->NextCrewId = 3;
    meet->AddCrew(std::make_unique<Crew>())->EventKey = meet->Events.KeyOf("WS 1x");
    meet->SaveToFile(clean, true);
    result = Run({"check", clean});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Entry fee of MS 8+ is not a money value: £30\n"
                          "Entry fee of WS 1x is not a money value: 12.5\n"
                          "Crew 3 has no club or event\n"
                          "Crew 9 has no club or event\n");
}

// A semi-final corrected after the final was decided: the final's stored
// result names a crew that no longer rows in it. The command line says so
// when the result changes and when the meet is checked; the site shows the
// final's result as to be confirmed and calls no crew its winner or loser.
TEST_F(ResultCommands, AResultLeftNamingACrewNotInItsRaceIsToBeConfirmed) {
    ASSERT_EQ(Run({"set-result", meetFile, "2", "1"}).status, 0);
    CliResult result = Run({"set-result", meetFile, "6", "1", "--verdict", "2L"});
    EXPECT_EQ(result.err, "");
    const std::string site = dir.File("site");
    ASSERT_EQ(Run({"publish", meetFile, site}).status, 0);

    result = Run({"set-result", meetFile, "1", "2"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "Race 6 already has a result: check it\n");
    EXPECT_EQ(RaceNumbered(6)->Winner, 1);
    result = Run({"check", meetFile});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("Race 6's result names a crew that does not row in it\n"),
              std::string::npos);

    result = Run({"publish", meetFile, site});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(result.out.find('\n')),
              "\n\nLakeside\n"
              "  MS 4- (2) Lakeside Blue\n"
              "    race 1 (Semi-final): result corrected lost, Easily -> won, Easily\n"
              "    race 6 (Final) at 1000 against (3) Whakatāne Crimson, to be confirmed\n"
              "\nRiverside\n"
              "  MS 4- (1) Riverside Alpha\n"
              "    race 1 (Semi-final): result corrected won, Easily -> lost, Easily\n"
              "\nWhakatāne\n"
              "  MS 4- (3) Whakatāne Crimson\n"
              "    race 6 (Final): opponent (1) Riverside Alpha -> (2) Lakeside Blue\n"
              "    race 6 (Final): result corrected lost, 2L -> to be confirmed\n");
    const std::string schedule = ReadFile(dir.File("site/schedule.html"));
    const std::string final = schedule.substr(schedule.find("Race 6 <span"));
    EXPECT_EQ(final.substr(0, final.find("</tr>")),
              "Race 6 <span class=\"note\">Final</span></td><td class=\"lead\"><a "
              "href=\"event-ms-4-1.html\">MS 4-</a></td><td><span class=\"crew\">(2) Lakeside "
              "Blue</span><span class=\"crew\">(3) Whakatāne Crimson</span></td><td "
              "data-label=\"Result\">to be confirmed</td>");
    EXPECT_NE(ReadFile(dir.File("site/finals.html")).find("Result to be confirmed"),
              std::string::npos);
}
