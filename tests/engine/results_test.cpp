#include "engine/draw/results.h"

#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

class RaceResults : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = Load("rep_small.bmf");
    }
    // Races of the small meet by number: R1 and R2 are the MS 4- semi-finals
    // (R1 won by Alpha), R6 their final; R3 the WJ16 2x heat, R4 its final.
    const Race& RaceNumbered(int n) { return *meet->FindRaceByNumber(n); }

    std::unique_ptr<Boatmeet> meet;
};

} // namespace

TEST_F(RaceResults, NumbersThatNameNoRace) {
    EXPECT_EQ(SetRaceResult(*meet, "abc", 1, {}), "Invalid Race Number");
    EXPECT_EQ(SetRaceResult(*meet, "77", 1, {}), "Invalid Race Number");
    EXPECT_EQ(SetRaceResult(*meet, "", 1, {}), "Invalid Race Number");
    std::string message;
    EXPECT_EQ(FindResultRace(*meet, "  ", message), nullptr);
    EXPECT_EQ(message, "");
    EXPECT_EQ(FindResultRace(*meet, "99", message), nullptr);
    EXPECT_EQ(message, "");
    EXPECT_EQ(FindResultRace(*meet, "2x", message), nullptr);
    EXPECT_EQ(message, "Invalid Race Number");
    EXPECT_EQ(FindResultRace(*meet, " 2 ", message), &RaceNumbered(2));
    // Unnumbered races hold -1, which is no race number.
    meet->FindRaceByNumber(2)->Number = -1;
    EXPECT_EQ(SetRaceResult(*meet, "-1", 1, {}), "Invalid Race Number");
}

TEST_F(RaceResults, AFinalWaitsForItsFeedingRaces) {
    std::array<int, 2> crews{};
    std::string message;
    EXPECT_FALSE(ResultCrews(*meet, RaceNumbered(6), crews, message));
    EXPECT_EQ(message, "No List of crews available?");
    EXPECT_EQ(SetRaceResult(*meet, "6", 1, std::string("1L")), "No List of crews available?");
    EXPECT_FALSE(RaceNumbered(6).HasResult());

    EXPECT_EQ(SetRaceResult(*meet, "2", 2, std::string("1L")), "");
    EXPECT_EQ(RaceNumbered(2).Winner, 4);
    EXPECT_EQ(RaceNumbered(2).Verdict, "1L");
    ASSERT_TRUE(ResultCrews(*meet, RaceNumbered(6), crews, message));
    EXPECT_EQ(crews, (std::array<int, 2>{1, 4}));
    EXPECT_EQ(SetRaceResult(*meet, "6", 2, std::string("Easily")), "");
    EXPECT_EQ(RaceNumbered(6).Winner, 4);
}

TEST_F(RaceResults, WalkedOverCrewMeetsTheHeatWinner) {
    EXPECT_EQ(SetRaceResult(*meet, "4", 1, {}), "No List of crews available?");
    EXPECT_EQ(SetRaceResult(*meet, "3", 1, {}), "");
    std::array<int, 2> crews{};
    std::string message;
    ASSERT_TRUE(ResultCrews(*meet, RaceNumbered(4), crews, message));
    EXPECT_EQ(crews, (std::array<int, 2>{5, 6}));
}

TEST_F(RaceResults, VerdictKeptChangedOrCleared) {
    // Without a verdict a decided race keeps the one it has; a new result gets none.
    EXPECT_EQ(SetRaceResult(*meet, "1", 2, {}), "");
    EXPECT_EQ(RaceNumbered(1).Winner, 2);
    EXPECT_EQ(RaceNumbered(1).Verdict, "Easily");
    EXPECT_EQ(SetRaceResult(*meet, "2", 1, {}), "");
    EXPECT_EQ(RaceNumbered(2).Verdict, "");
    // ">" would end the verdict in the data file; quotes and line breaks never enter it.
    EXPECT_EQ(SetRaceResult(*meet, "2", 1, std::string("1 1/2L > \"x\"\n")), "");
    EXPECT_EQ(RaceNumbered(2).Verdict, "1 1/2L ) 'x' ");
    EXPECT_EQ(SetRaceResult(*meet, "1", 0, {}), "");
    EXPECT_FALSE(RaceNumbered(1).HasResult());
    EXPECT_EQ(RaceNumbered(1).Verdict, "");
}

TEST_F(RaceResults, ChangingAFeederLeavesTheLaterResultAlone) {
    ASSERT_EQ(SetRaceResult(*meet, "2", 1, {}), "");
    ASSERT_EQ(SetRaceResult(*meet, "6", 2, std::string("2L")), "");
    ASSERT_EQ(SetRaceResult(*meet, "2", 2, {}), "");
    EXPECT_EQ(RaceNumbered(6).Winner, 3);
    ASSERT_EQ(SetRaceResult(*meet, "2", 0, {}), "");
    EXPECT_EQ(RaceNumbered(6).Winner, 3);
    EXPECT_EQ(SetRaceResult(*meet, "6", 0, {}), "No List of crews available?");
}

TEST_F(RaceResults, ResultSurvivesSavingAndLoading) {
    ASSERT_EQ(SetRaceResult(*meet, "2", 1, std::string("3/4L")), "");
    std::ostringstream file;
    ASSERT_TRUE(meet->WriteTo(file, true));
    auto loaded = Boatmeet::LoadFromText(file.str());
    const Race* race = loaded->FindRaceByNumber(2);
    ASSERT_NE(race, nullptr);
    EXPECT_EQ(race->Winner, 3);
    EXPECT_EQ(race->Verdict, "3/4L");
}
