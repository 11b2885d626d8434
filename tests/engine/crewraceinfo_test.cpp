#include "engine/draw/crewraceinfo.h"

#include "engine/draw/results.h"
#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

const std::string Rule(44, '-');

class Information : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = Load("rep_small.bmf");
    }
    InfoLines Crew(int n) { return InformationText(*meet, true, n); }
    InfoLines Race(int n) { return InformationText(*meet, false, n); }

    std::unique_ptr<Boatmeet> meet;
};

} // namespace

TEST_F(Information, UnknownNumbers) {
    EXPECT_EQ(Crew(99), (InfoLines{"", "  99 : Not a valid Crew Number"}));
    EXPECT_EQ(Crew(12345), (InfoLines{"", "12345 : Not a valid Crew Number"}));
    EXPECT_EQ(Race(99), (InfoLines{""}));
    EXPECT_EQ(Race(-1), (InfoLines{""})); // unnumbered races have no number to look up
}

TEST_F(Information, CrewWithPartners) {
    EXPECT_EQ(Crew(7), (InfoLines{"", "WJ16 2x   (7) Riverside Gold", "  Races at :  0920  0930",
                                  "   DoubleUp  : MS 4- (1) Riverside Alpha   :   1000"}));
    // Blue lost its semi-final: no races left, for itself or as a partner.
    EXPECT_EQ(Crew(5), (InfoLines{"", "WJ16 2x   (5) Lakeside Echo", "  Races at :  0930",
                                  "   BoatShare : MS 4- (2) Lakeside Blue   : "}));
    EXPECT_EQ(Crew(2), (InfoLines{"", "MS 4-   (2) Lakeside Blue", "  Races at :",
                                  "   BoatShare : WJ16 2x (5) Lakeside Echo   :   0930"}));
}

TEST_F(Information, UntimedRacesAndRacesAlreadyWon) {
    meet->FindRaceByNumber(6)->Time = -1;
    // Alpha won its semi-final: only the final is left, untimed.
    EXPECT_EQ(Crew(1), (InfoLines{"", "MS 4-   (1) Riverside Alpha", "  Races at :  (NT)",
                                  "   DoubleUp  : WJ16 2x (7) Riverside Gold   :   0920  0930"}));
}

TEST_F(Information, DecidedRaceShowsOnlyItsWinner) {
    EXPECT_EQ(Race(1), (InfoLines{"", "Event   : MS 4-", "Race at : 0900", "",
                                  "Crews that could be in first slot of race:",
                                  "   (1) Riverside Alpha", "", " Race was won by above crew"}));
}

TEST_F(Information, HeatWithItsTimeTable) {
    EXPECT_EQ(Race(2), (InfoLines{"",
                                  "Event   : MS 4-",
                                  "Race at : 0910",
                                  "",
                                  "Crews that could be in first slot of race:",
                                  "   (3) Whakatāne Crimson",
                                  "",
                                  "Crews that could be in second slot of race:",
                                  "   (4) Riverside Delta",
                                  "",
                                  Rule,
                                  " ** Details for crews",
                                  Rule,
                                  "",
                                  "MS 4-   (3) Whakatāne Crimson",
                                  "  Races at :  0910  1000",
                                  "",
                                  "MS 4-   (4) Riverside Delta",
                                  "  Races at :  0910  1000",
                                  "",
                                  "",
                                  Rule,
                                  " ** Races that may be a problem",
                                  Rule,
                                  "",
                                  "0910  MS 4-  : (3) Whakatāne Crimson , (4) Riverside Delta",
                                  "1000  MS 4-  : (3) Whakatāne Crimson , (4) Riverside Delta"}));
}

TEST_F(Information, FinalListsPartnersRacesInTimeOrder) {
    const InfoLines lines = Race(6);
    const InfoLines head{"",
                         "Event   : MS 4-",
                         "Race at : 1000",
                         "",
                         "Crews that could be in first slot of race:",
                         "   (1) Riverside Alpha",
                         "",
                         "Crews that could be in second slot of race:",
                         "   (3) Whakatāne Crimson",
                         "   (4) Riverside Delta",
                         "",
                         Rule,
                         " ** Details for crews",
                         Rule,
                         "",
                         "MS 4-   (1) Riverside Alpha",
                         "  Races at :  1000",
                         "   DoubleUp  : WJ16 2x (7) Riverside Gold   :   0920  0930",
                         ""};
    ASSERT_GT(lines.size(), head.size());
    EXPECT_EQ(InfoLines(lines.begin(), lines.begin() + static_cast<long>(head.size())), head);
    const InfoLines table{
        "0910  MS 4-  : (3) Whakatāne Crimson , (4) Riverside Delta",
        "0920  WJ16 2x  : (7) Riverside Gold", "0930  WJ16 2x  : (7) Riverside Gold",
        "1000  MS 4-  : (1) Riverside Alpha , (3) Whakatāne Crimson , (4) Riverside Delta"};
    EXPECT_EQ(InfoLines(lines.end() - 4, lines.end()), table);
}

TEST_F(Information, DoublingUpAtTheSameTimeSharesARow) {
    meet->FindRaceByNumber(3)->Time = 1000; // Gold's heat now clashes with Alpha's final
    InfoTimeTable table;
    AddCrewRaceInfo(*meet, 1, table);
    AddCrewRaceInfo(*meet, 7, table);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].Time, 930);
    EXPECT_EQ(table[1].Time, 1000);
    EXPECT_EQ(table[1].Crews, (std::vector<int>{1, 7}));
    EXPECT_EQ(CrewInfo(*meet, table[1].Crews), "MS 4-  : (1) Riverside Alpha , (7) Riverside Gold");
    EXPECT_EQ(CrewInfo(*meet, {}), "");
}

TEST_F(Information, WindowAddsTheTopLineOnlyForANewNumber) {
    InformationView view;
    const InfoLines gold = Crew(7);
    const InfoLines refreshed(gold.begin() + 1, gold.end());
    EXPECT_EQ(view.NewNumber(*meet, true, "7 "), gold);
    // Refresh all reads the same number again.
    EXPECT_EQ(view.NewNumber(*meet, true, " 7"), refreshed);
    // Texts that are no number show nothing and are not remembered.
    EXPECT_EQ(view.NewNumber(*meet, true, ""), InfoLines{});
    EXPECT_EQ(view.NewNumber(*meet, true, "7a"), InfoLines{});
    EXPECT_EQ(view.NewNumber(*meet, true, "7"), refreshed);
    EXPECT_EQ(view.NewNumber(*meet, false, "1"), Race(1));
    EXPECT_EQ(view.NewNumber(*meet, true, "7"), gold);
    EXPECT_EQ(DataTypeLabel(true), "Crew Number:");
    EXPECT_EQ(DataTypeLabel(false), "Race Number:");
}
