#include "engine/reports/reports.h"
#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

// Two events of two crews each, Beta (key 2) before Alpha (key 1) in the set;
// nothing timed or numbered, and Alpha's crews have no numbers.
const char* const UntimedMeet = R"(Boatmeet: "Untimed" "5" "40" "20" "" "" "40" "0" "2"
RaceTimeServer: 0 
StrSet: "Events" "2" "Beta"
StrSet: "Events" "1" "Alpha"
StrSet: "Clubs" "1" "Oak"
Crew: "1" "1" "1" "-1" "" "" "A1" "" "0" "0" "0"
Crew: "2" "1" "1" "-1" "" "" "A2" "" "0" "0" "0"
Crew: "3" "1" "2" "7" "" "" "B1" "" "0" "0" "0"
Crew: "4" "1" "2" "8" "" "" "B2" "" "0" "0" "0"
Draw:
1 2
1 -1 -1 1 2 1 2 -1 <>
Draw:
2 2
1 -1 -1 2 2 3 4 -1 <>
)";

class RaceSchedule : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = FromText(UntimedMeet);
    }
    std::string Worksheet(bool remainingOnly = false, int showType = 0) {
        return Written([&](std::ostream& out) {
            WriteRaceWorksheet(*meet, out, remainingOnly, static_cast<ShowType>(showType));
        });
    }

    std::unique_ptr<Boatmeet> meet;
};

} // namespace

TEST_F(RaceSchedule, UntimedRacesInEventKeyOrder) {
    EXPECT_EQ(Written([&](std::ostream& out) { WriteRaceSchedule(*meet, out, ShowType::Races); }),
              "(NT) R*** Alpha () Oak A1     () Oak A2   \n"
              "(NT) R*** Beta    (7) Oak B1    (8) Oak B2\n");
}

TEST_F(RaceSchedule, WorksheetColumnsAtLeastSeventeenWide) {
    CurrentSettings().Lane1Info = "Bow";
    CurrentSettings().Lane2Info = "Stroke";
    EXPECT_EQ(Worksheet(), "Race Prog New  " + std::string(66, ' ') +
                               "Next\n"
                               "No   Time Time Event Heat  Bow              Stroke           "
                               "Winner    Dist      Race\n"
                               "---- ---- ---- ----- ----  ---------------- ---------------- "
                               "------    --------- ----\n"
                               "\n"
                               "R*** (NT) .... Alpha Final () Oak A1        () Oak A2        "
                               "......... ........      \n"
                               "\n"
                               "R*** (NT) .... Beta  Final   (7) Oak B1       (8) Oak B2     "
                               "......... ........      \n"
                               "\n");
}

TEST_F(RaceSchedule, LongLaneTitlesWidenTheirColumns) {
    CurrentSettings().Lane1Info = "Bow side lane nearest the bank";
    CurrentSettings().Lane2Info = "Stroke side lane by the buoys";
    const std::string text = Worksheet();
    EXPECT_NE(text.find("Final () Oak A1" + std::string(22, ' ') + "() Oak A2" +
                        std::string(20, ' ') + "......... "),
              std::string::npos);
    EXPECT_NE(text.find("----  " + std::string(30, '-') + " " + std::string(28, '-') + " ------"),
              std::string::npos);
    EXPECT_EQ(text.find('\n'), 15u + 6 + 6 + 31 + 29 + 20 + 4);
}

TEST_F(RaceSchedule, WorksheetWinnersOnlyWithAResultShowType) {
    Race& final = meet->FindDraw(2)->RaceAt(1);
    final.Winner = 3;
    final.Verdict = "A canvas and a bit";
    EXPECT_NE(Worksheet(false, 0).find("(8) Oak B2     ......... ........      \n"),
              std::string::npos);
    EXPECT_NE(Worksheet(false, 2).find("(8) Oak B2     (7) Oak B A canvas      \n"),
              std::string::npos);
    EXPECT_EQ(Worksheet(true, 2).find("Beta"), std::string::npos);
}

TEST_F(RaceSchedule, DetailBlockOfOneRaceAndCrewRaces) {
    const Race& final = meet->FindDraw(1)->RaceAt(1);
    EXPECT_EQ(Written([&](std::ostream& out) { WriteRaceDetail(*meet, out, final); }),
              "R*** Alpha at (NT)\n"
              " Previous rounds: No preceeding rounds\n"
              " Next round     : No following rounds\n"
              "\n\n" +
                  std::string(43, '-'));
    EXPECT_EQ(Written([&](std::ostream& out) { WriteCrewRaces(*meet, out, 1); }),
              "-1 Alpha A1 Oak\n    Races at:(NT)");
    // A link to a crew that no longer exists.
    EXPECT_EQ(Written([&](std::ostream& out) { WriteCrewRaces(*meet, out, 99); }),
              "-1 ???? Ghost Crew ????\n    Races at:");
}

TEST_F(RaceSchedule, WinnersWorksheetListsDrawnEventsWithSponsors) {
    meet->Sponsors.AddWithKey(1, "Mill & Sons");
    meet->Events.Add("Gamma");
    EXPECT_EQ(Written([&](std::ostream& out) { WriteWinnersWorksheet(*meet, out); }),
              "Beta              .........................\n"
              "Alpha Mill & Sons .........................\n");
}
