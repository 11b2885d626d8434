#include "engine/draw/resultseditor.h"

#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

using Items = std::vector<std::string>;

// rep_small: R1 and R2 are the MS 4- semi-finals (R1 won by Alpha, "Easily";
// R2 Crimson against Delta), R6 their final; R3 the WJ16 2x heat, R4 its final.
class ResultsWindow : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = Load("rep_small.bmf");
    }
    ResultShown Enter(const std::string& number) {
        message.clear();
        return editor.EnterRaceNumber(*meet, number, message);
    }
    Race& RaceNumbered(int n) { return *meet->FindRaceByNumber(n); }

    std::unique_ptr<Boatmeet> meet;
    ResultsEditor editor;
    std::string message;
};

const std::string Alpha = "  (1) Riverside Alpha";
const std::string Crimson = "  (3) Whakatāne Crimson";
const std::string Delta = "  (4) Riverside Delta";

} // namespace

TEST_F(ResultsWindow, TypedNumbers) {
    EXPECT_EQ(Enter(" 1 "), (ResultShown{"MS 4-", {Alpha}, 0, "Easily"}));
    EXPECT_EQ(Enter("2"), (ResultShown{"MS 4-", {}, -1, ""}));
    EXPECT_EQ(editor.CurrentRace(*meet), &RaceNumbered(2));
    // Silence while typing a number no race has; a text that is no number says so.
    for (const char* number : {"99", "", "1a"}) {
        EXPECT_EQ(Enter(number), ResultShown{});
        EXPECT_EQ(editor.CurrentRace(*meet), nullptr);
    }
    EXPECT_EQ(message, "Invalid Race Number");
}

TEST_F(ResultsWindow, WinnerListOffersTheResolvedCrews) {
    EXPECT_EQ(editor.GenerateCrewList(*meet, "2"),
              (WinnerList{true, {Crimson, Delta, "Clear Result"}, ""}));
    // The final waits for its second semi-final: the list is emptied.
    EXPECT_EQ(editor.GenerateCrewList(*meet, "6"),
              (WinnerList{true, {}, "No List of crews available?"}));
    EXPECT_EQ(editor.CurrentRace(*meet), &RaceNumbered(6));
    // Numbers that name no race keep the list as it is.
    for (const char* number : {"", "99", "x"})
        EXPECT_EQ(editor.GenerateCrewList(*meet, number),
                  (WinnerList{false, {}, "Invalid Race Number"}));
}

TEST_F(ResultsWindow, ChoosingAWinnerAdvancesIt) {
    editor.GenerateCrewList(*meet, "2");
    EXPECT_EQ(editor.CrewSelected(*meet, 1, "1/2L > 3"), (WinnerChoice{true, false}));
    EXPECT_EQ(RaceNumbered(2).Winner, 4);
    EXPECT_EQ(RaceNumbered(2).Verdict, "1/2L ) 3");
    EXPECT_EQ(editor.GenerateCrewList(*meet, "6"),
              (WinnerList{true, {Alpha, Delta, "Clear Result"}, ""}));
    EXPECT_EQ(editor.CrewSelected(*meet, 0, ""), (WinnerChoice{true, false}));
    EXPECT_EQ(RaceNumbered(6).Winner, 1);
    EXPECT_TRUE(editor.VerdictChanged(*meet, "2L"));
    EXPECT_EQ(RaceNumbered(6).Verdict, "2L");
    EXPECT_EQ(Enter("6"), (ResultShown{"MS 4-", {Alpha}, 0, "2L"}));

    editor.GenerateCrewList(*meet, "6");
    EXPECT_EQ(editor.CrewSelected(*meet, 2, "2L"), (WinnerChoice{true, true}));
    EXPECT_FALSE(RaceNumbered(6).HasResult());
    EXPECT_EQ(RaceNumbered(6).Verdict, "");
}

TEST_F(ResultsWindow, NothingIsRecordedFromAListThatNoLongerHolds) {
    // Entering a number does not build the winner list.
    Enter("2");
    EXPECT_EQ(editor.CrewSelected(*meet, 0, "1L"), WinnerChoice{});
    EXPECT_FALSE(RaceNumbered(2).HasResult());
    editor.GenerateCrewList(*meet, "2");
    EXPECT_EQ(editor.CrewSelected(*meet, 3, "1L"), WinnerChoice{});
    EXPECT_EQ(editor.CrewSelected(*meet, -1, "1L"), WinnerChoice{});

    // The final's list is built; then the first semi-final's winner changes
    // elsewhere, so the list's first crew no longer races in the final.
    RaceNumbered(2).Winner = 4;
    editor.GenerateCrewList(*meet, "6");
    RaceNumbered(1).Winner = 2;
    EXPECT_EQ(editor.CrewSelected(*meet, 0, ""), WinnerChoice{});
    EXPECT_FALSE(RaceNumbered(6).HasResult());
}

TEST_F(ResultsWindow, ARedrawnRaceIsNeverUsed) {
    EXPECT_EQ(editor.GenerateCrewList(*meet, "2").Items.size(), 3u);
    // Redrawing the event rebuilds its races without numbers.
    meet->DrawOfEvent(1).Build({1, 2, 3, 4}, false);
    EXPECT_EQ(editor.CurrentRace(*meet), nullptr);
    EXPECT_FALSE(editor.VerdictChanged(*meet, "1L"));
    EXPECT_EQ(editor.CrewSelected(*meet, 0, "1L"), WinnerChoice{});
}
