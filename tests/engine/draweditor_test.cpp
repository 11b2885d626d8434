// Editing a draw by hand: the slot and unplaced lists with their counts, the
// rebuild after every change (race times kept, the race list current), the
// questions and messages of the buttons, and the bounds of expand and contract.
#include "engine/draw/randomdraw.h"
#include "engine/editors/draweditor.h"

#include "drawmeet.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm;
using bm::test::DrawMeet;

namespace {

// What a button did, the message that stopped it in message.
bool Pressed(const EditResult& result, std::string& message) {
    message = result.Stop;
    return result.Changed;
}

using Lines = std::vector<std::string>;

// Avon A, Avon B and Bath C drawn as race 1 = (A, -3), race 2 = (0, 0), race
// 3 = (B, C); Bath D entered after the draw. Another event, WS 1x, is undrawn.
struct EditedMeet : DrawMeet {
    int event = Event("MS 4-");
    int sculls = Event("WS 1x");
    int avon = Club("Avon");
    int bath = Club("Bath");
    int a = AddCrew(event, avon, "A", 1);
    int b = AddCrew(event, avon, "B", 2);
    int c = AddCrew(event, bath, "C", 3);
    int d = AddCrew(event, bath, "D", 4);
    DrawEditor editor{meet};
    Lines asked;

    EditedMeet() {
        DrawOf(event).Build({0, a, b, c}, false);
        meet.CollectRaces();
        editor.DoNewEvent(event);
    }
    Confirm Answer(bool yes) {
        return [this, yes](const std::string& question) {
            asked.push_back(question);
            return yes;
        };
    }
    std::array<int, 2> SlotsOf(int race) { return DrawOf(event).RaceAt(race).Slots; }
};

} // namespace

TEST(DrawEditor, ShowsSlotsUnplacedCrewsAndCounts) {
    EditedMeet m;
    EXPECT_EQ(
        m.editor.ShowLines(),
        (Lines{"Crews: 4  Placed: 3  UnPlaced: 1  Status: Invalid", "1\t  (1) Avon A", "2\t***",
               "3\t  (2) Avon B", "4\t  (3) Bath C", "UnPlaced Crews:", "4\t  (4) Bath D"}));
    std::ostringstream view;
    WriteDrawEditorView(m.meet, m.event, view);
    EXPECT_EQ(view.str(), "\n** WINDOW used by Draw Editor\n"
                          " Unavailable until Draw Editor is closed\n"
                          "\n"
                          "MS 4-\n"
                          "=====\n"
                          "  (1) Avon A ...... } (NT) \n"
                          "                    } R*** \n"
                          "  (2) Avon B } (NT) }      \n"
                          "  (3) Bath C } R***        \n"
                          "\n");
}

TEST(DrawEditor, LateEntryIntoAByeKeepsRaceTimesAndRenewsTheRaceList) {
    EditedMeet m;
    Draw& draw = m.DrawOf(m.event);
    draw.RaceAt(1).Time = 1100;
    draw.RaceAt(3).Time = 930;
    draw.RaceAt(3).Number = 1;
    draw.RaceAt(3).Winner = m.b;
    std::string message = "stale";
    ASSERT_TRUE(Pressed(m.editor.AddToDraw(1, m.d, m.Answer(true)), message));
    EXPECT_EQ(message, "");
    EXPECT_TRUE(m.asked.empty()); // the slot was empty
    EXPECT_EQ(m.SlotsOf(2), (std::array<int, 2>{m.a, m.d}));
    EXPECT_EQ(m.SlotsOf(3), (std::array<int, 2>{m.b, m.c}));
    EXPECT_EQ(m.SlotsOf(1), (std::array<int, 2>{-2, -3}));
    EXPECT_EQ(draw.RaceAt(1).Time, 1100);
    EXPECT_EQ(draw.RaceAt(3).Time, 930);
    EXPECT_EQ(draw.RaceAt(2).Time, -1);
    EXPECT_EQ(draw.RaceAt(3).Number, -1);
    EXPECT_FALSE(draw.RaceAt(3).HasResult());
    EXPECT_EQ(m.editor.ShowLines().front(), "Crews: 4  Placed: 4  UnPlaced: 0  Status: Valid");
    EXPECT_TRUE(m.editor.Unplaced().empty());
    // The race list refers to the rebuilt races only, in schedule order.
    ASSERT_EQ(m.meet.RaceList.size(), 3u);
    EXPECT_EQ(m.meet.RaceList[0], &draw.RaceAt(3));
    EXPECT_EQ(m.meet.RaceList[1], &draw.RaceAt(1));
    EXPECT_EQ(m.meet.RaceList[2], &draw.RaceAt(2));
}

TEST(DrawEditor, MovingIntoAnOccupiedSlotAsksFirst) {
    EditedMeet m;
    std::string message;
    EXPECT_FALSE(Pressed(m.editor.AddToDraw(2, m.d, m.Answer(false)), message));
    EXPECT_EQ(m.asked, Lines{"OK to remove Crew from this slot?"});
    EXPECT_EQ(message, "");
    EXPECT_EQ(m.SlotsOf(3), (std::array<int, 2>{m.b, m.c}));
    EXPECT_EQ(m.editor.Unplaced(), std::vector<int>{m.d});

    EXPECT_TRUE(Pressed(m.editor.AddToDraw(2, m.d, m.Answer(true)), message));
    EXPECT_EQ(m.SlotsOf(3), (std::array<int, 2>{m.d, m.c}));
    EXPECT_EQ(m.editor.Slots(), (std::vector<int>{m.a, 0, m.d, m.c}));
    EXPECT_EQ(m.editor.Unplaced(), std::vector<int>{m.b});
    EXPECT_EQ(m.editor.ShowLines().back(), "2\t  (2) Avon B");
}

TEST(DrawEditor, ButtonsWithoutAChoiceGiveTheirMessages) {
    EditedMeet m;
    const auto before = m.DrawOf(m.event).LeafOrder(false, false);
    std::string message;
    // No slot, a slot beyond the draw, and a crew that is already placed (it
    // would stand in the draw twice).
    for (auto [slot, crew] : {std::pair{-1, m.d}, std::pair{4, m.d}, std::pair{1, m.a}}) {
        EXPECT_FALSE(Pressed(m.editor.AddToDraw(slot, crew, m.Answer(true)), message));
        EXPECT_EQ(message, "Select Unplaced Crew and Crew Slot");
    }
    for (int slot : {-1, 4}) {
        EXPECT_FALSE(Pressed(m.editor.RemoveFromDraw(slot), message));
        EXPECT_EQ(message, "Select a Crew Slot to remove crew from");
    }
    EXPECT_TRUE(m.asked.empty());
    EXPECT_EQ(m.DrawOf(m.event).LeafOrder(false, false), before);

    // Without an event (none chosen, or a key no event bears) nothing is made.
    m.meet.Draws.clear();
    DrawEditor idle(m.meet);
    idle.DoNewEvent(999);
    EXPECT_FALSE(idle.HasEvent());
    EXPECT_EQ(idle.ShowLines(),
              (Lines{"Crews: 0  Placed: 0  UnPlaced: 0  Status: Invalid", "UnPlaced Crews:"}));
    EXPECT_FALSE(Pressed(idle.AddToDraw(0, m.d, m.Answer(true)), message));
    EXPECT_EQ(message, "Select Unplaced Crew and Crew Slot");
    EXPECT_FALSE(idle.DoExpand().Changed);
    EXPECT_FALSE(idle.DoAuto(m.Answer(true)).Changed);
    EXPECT_TRUE(m.asked.empty());
    EXPECT_TRUE(m.meet.Draws.empty());
    // An event deleted elsewhere drops the choice at the next reload.
    m.meet.Events.DeleteKey(m.event);
    m.editor.Reload();
    EXPECT_FALSE(m.editor.HasEvent());
}

TEST(DrawEditor, CrewMovedToAnotherEventLeavesTheDrawAtTheNextRebuild) {
    EditedMeet m;
    m.meet.FindCrew(m.b)->EventKey = m.sculls;
    m.editor.Reload();
    EXPECT_EQ(m.editor.ShowLines(),
              (Lines{"Crews: 3  Placed: 3  UnPlaced: 1  Status: Invalid", "1\t  (1) Avon A",
                     "2\t***", "3\t***", "4\t  (3) Bath C", "UnPlaced Crews:", "4\t  (4) Bath D"}));
    EXPECT_EQ(m.SlotsOf(3), (std::array<int, 2>{m.b, m.c}));
    // Removing from the slot that shows empty still rebuilds, and the crew is gone.
    std::string message;
    ASSERT_TRUE(Pressed(m.editor.RemoveFromDraw(2), message));
    EXPECT_EQ(m.DrawOf(m.event).EntryRace(m.b), -1);
    EXPECT_EQ(m.SlotsOf(1), (std::array<int, 2>{m.a, m.c}));
    // The editor's slots are the rebuilt draw's: C walked over into its pair's first slot.
    EXPECT_EQ(m.editor.Slots(), (std::vector<int>{m.a, 0, m.c, 0}));
    ASSERT_TRUE(Pressed(m.editor.AddToDraw(1, m.d, m.Answer(true)), message));
    EXPECT_EQ(m.editor.ShowLines().front(), "Crews: 3  Placed: 3  UnPlaced: 0  Status: Valid");
}

TEST(DrawEditor, UndrawnEventExpandsToAFinal) {
    EditedMeet m;
    const int x = m.AddCrew(m.sculls, m.avon, "X", 5);
    const int y = m.AddCrew(m.sculls, m.bath, "Y", 6);
    m.editor.DoNewEvent(m.sculls);
    EXPECT_EQ(m.editor.ShowLines(),
              (Lines{"Crews: 2  Placed: 0  UnPlaced: 2  Status: Invalid",
                     "UnPlaced Crews:", "5\t  (5) Avon X", "6\t  (6) Bath Y"}));
    EXPECT_FALSE(m.editor.DoContract(m.Answer(true)).Changed);
    ASSERT_TRUE(m.editor.DoExpand().Changed);
    EXPECT_EQ(m.editor.Slots(), (std::vector<int>{0, 0}));
    EXPECT_EQ(m.DrawOf(m.sculls).Size, 2);
    std::string message;
    ASSERT_TRUE(Pressed(m.editor.AddToDraw(0, x, m.Answer(true)), message));
    ASSERT_TRUE(Pressed(m.editor.AddToDraw(1, y, m.Answer(true)), message));
    EXPECT_EQ(m.DrawOf(m.sculls).RaceAt(1).Slots, (std::array<int, 2>{x, y}));
    EXPECT_TRUE(m.editor.Counts().Valid);
    // Two slots cannot be contracted: no question, no change.
    EXPECT_FALSE(m.editor.DoContract(m.Answer(true)).Changed);
    EXPECT_TRUE(m.asked.empty());
    EXPECT_EQ(m.editor.SlotCount(), 2);
}

TEST(DrawEditor, ExpandPutsARoundOfByesInFrontAndContractTakesItAway) {
    EditedMeet m;
    Draw& draw = m.DrawOf(m.event);
    draw.RaceAt(1).Time = 1100;
    draw.RaceAt(3).Time = 930;
    ASSERT_TRUE(m.editor.DoExpand().Changed);
    EXPECT_EQ(m.editor.Slots(), (std::vector<int>{m.a, 0, 0, 0, m.b, 0, m.c, 0}));
    EXPECT_EQ(draw.Size, 8);
    EXPECT_EQ(m.SlotsOf(3), (std::array<int, 2>{m.b, m.c}));
    EXPECT_EQ(m.SlotsOf(1), (std::array<int, 2>{m.a, -3}));
    EXPECT_EQ(draw.RaceAt(1).Time, 1100);
    EXPECT_EQ(draw.RaceAt(3).Time, 930);

    EXPECT_FALSE(m.editor.DoContract(m.Answer(false)).Changed);
    EXPECT_EQ(m.asked, Lines{"1st round races will be deleted; OK to continue?"});
    EXPECT_EQ(draw.Size, 8);
    ASSERT_TRUE(m.editor.DoContract(m.Answer(true)).Changed);
    EXPECT_EQ(m.editor.Slots(), (std::vector<int>{m.a, 0, m.b, m.c}));

    // A first-round race of two crews keeps its first; the second is unplaced.
    std::string message;
    ASSERT_TRUE(Pressed(m.editor.AddToDraw(1, m.d, m.Answer(true)), message));
    ASSERT_TRUE(m.editor.DoContract(m.Answer(true)).Changed);
    EXPECT_EQ(m.editor.ShowLines(),
              (Lines{"Crews: 4  Placed: 2  UnPlaced: 2  Status: Invalid", "1\t  (1) Avon A",
                     "2\t  (2) Avon B", "UnPlaced Crews:", "3\t  (3) Bath C", "4\t  (4) Bath D"}));
    EXPECT_EQ(m.SlotsOf(1), (std::array<int, 2>{m.a, m.b}));
}

TEST(DrawEditor, ExpandStopsAtTheLargestDrawAFileHolds) {
    EditedMeet m;
    std::vector<int> slots(MaxDrawSlots / 2, 0);
    slots[0] = m.a;
    m.DrawOf(m.event).Build(slots, false);
    m.editor.Reload();
    ASSERT_TRUE(m.editor.DoExpand().Changed);
    EXPECT_EQ(m.editor.SlotCount(), MaxDrawSlots);
    EXPECT_FALSE(m.editor.DoExpand().Changed);
    EXPECT_EQ(m.editor.SlotCount(), MaxDrawSlots);
    EXPECT_EQ(m.DrawOf(m.event).Size, MaxDrawSlots);
    EXPECT_EQ(m.editor.Slots().front(), m.a);
}

TEST(DrawEditor, AutoDrawIsTheDrawOfDrawingTheEvent) {
    EditedMeet drawn;
    ResetRandom();
    DrawEvent(drawn.meet, drawn.event);

    EditedMeet edited;
    edited.DrawOf(edited.event).RaceAt(1).Time = 1100;
    ResetRandom();
    EXPECT_FALSE(edited.editor.DoAuto(edited.Answer(false)).Changed);
    EXPECT_EQ(edited.asked,
              Lines{"Drawing event will clear race times for event. OK to continue?"});
    EXPECT_EQ(edited.DrawOf(edited.event).RaceAt(1).Time, 1100);
    ASSERT_TRUE(edited.editor.DoAuto(edited.Answer(true)).Changed);

    std::ostringstream expected;
    std::ostringstream actual;
    ASSERT_TRUE(drawn.meet.WriteTo(expected, true));
    ASSERT_TRUE(edited.meet.WriteTo(actual, true));
    EXPECT_EQ(actual.str(), expected.str());
    EXPECT_EQ(edited.editor.Slots(), drawn.DrawOf(drawn.event).LeafOrder(false, false));
    EXPECT_EQ(edited.editor.Counts().Placed, 4);
    EXPECT_TRUE(edited.editor.Counts().Valid);
    EXPECT_EQ(edited.meet.RaceList.size(), drawn.meet.RaceList.size());
}
