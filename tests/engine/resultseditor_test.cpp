#include "engine/editors/resultseditor.h"

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
        ResultShown shown = editor.EnterRaceNumber(*meet, number);
        if (!shown.Stop.empty())
            message = shown.Stop;
        shown.Stop.clear();
        return shown;
    }
    Race& RaceNumbered(int n) { return *meet->FindRaceByNumber(n); }

    std::unique_ptr<Boatmeet> meet;
    ResultsEditor editor;
    std::string message;
};

ResultShown Shown(std::string event, Items winners, int selected, std::string verdict) {
    ResultShown shown;
    shown.EventText = std::move(event);
    shown.WinnerItems = std::move(winners);
    shown.SelectedWinner = selected;
    shown.VerdictText = std::move(verdict);
    return shown;
}

WinnerList List(bool replace, Items items, std::string stop) {
    WinnerList list;
    list.Replace = replace;
    list.Items = std::move(items);
    list.Stop = std::move(stop);
    return list;
}

WinnerChoice Chosen(bool clearVerdict) {
    WinnerChoice choice;
    choice.Changed = true;
    choice.ClearVerdict = clearVerdict;
    return choice;
}

const std::string Alpha = "  (1) Riverside Alpha";
const std::string Crimson = "  (3) Whakatāne Crimson";
const std::string Delta = "  (4) Riverside Delta";

} // namespace

TEST_F(ResultsWindow, TypedNumbers) {
    EXPECT_EQ(Enter(" 1 "), Shown("MS 4-", {Alpha}, 0, "Easily"));
    EXPECT_EQ(Enter("2"), Shown("MS 4-", {}, -1, ""));
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
              List(true, {Crimson, Delta, "Clear Result"}, ""));
    // The final waits for its second semi-final: the list is emptied.
    EXPECT_EQ(editor.GenerateCrewList(*meet, "6"), List(true, {}, "No List of crews available?"));
    EXPECT_EQ(editor.CurrentRace(*meet), &RaceNumbered(6));
    // Numbers that name no race keep the list as it is.
    for (const char* number : {"", "99", "x"})
        EXPECT_EQ(editor.GenerateCrewList(*meet, number), List(false, {}, "Invalid Race Number"));
}

TEST_F(ResultsWindow, ChoosingAWinnerAdvancesIt) {
    editor.GenerateCrewList(*meet, "2");
    EXPECT_EQ(editor.CrewSelected(*meet, 1, "1/2L > 3"), Chosen(false));
    EXPECT_EQ(RaceNumbered(2).Winner, 4);
    EXPECT_EQ(RaceNumbered(2).Verdict, "1/2L ) 3");
    EXPECT_EQ(editor.GenerateCrewList(*meet, "6"), List(true, {Alpha, Delta, "Clear Result"}, ""));
    EXPECT_EQ(editor.CrewSelected(*meet, 0, ""), Chosen(false));
    EXPECT_EQ(RaceNumbered(6).Winner, 1);
    EXPECT_TRUE(editor.VerdictChanged(*meet, "2L").Changed);
    EXPECT_EQ(RaceNumbered(6).Verdict, "2L");
    EXPECT_EQ(Enter("6"), Shown("MS 4-", {Alpha}, 0, "2L"));

    editor.GenerateCrewList(*meet, "6");
    EXPECT_EQ(editor.CrewSelected(*meet, 2, "2L"), Chosen(true));
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
    EXPECT_FALSE(editor.VerdictChanged(*meet, "1L").Changed);
    EXPECT_EQ(editor.CrewSelected(*meet, 0, "1L"), WinnerChoice{});
}
