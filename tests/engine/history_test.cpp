#include "engine/session/history.h"

#include "engine/draw/randomdraw.h"
#include "engine/import/makedata.h"
#include "engine/model/random.h"
#include "engine/schedule/numbering.h"
#include "engine/schedule/scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace bm;

namespace {

std::unique_ptr<Boatmeet> Generated(const GenerateParams& params) {
    ResetRandom();
    std::string error;
    auto meet = GenerateMeet(params, error);
    EXPECT_TRUE(meet) << error;
    return meet;
}

// A drawn meet holding what its file cannot: draws in another order than the
// events, the draw of a deleted event, a race list that is no longer in
// schedule order, a name the file would clean, a loaded version text and a
// double-up time of 0. Built the same way every time.
std::unique_ptr<Boatmeet> OddMeet() {
    auto meet = Generated({"Odd", 40, 4, 6, 4, 2});
    for (int i = meet->Events.Count() - 1; i >= 0; --i)
        DrawEvent(*meet, meet->Events.KeyAt(i));
    meet->RaceTimes.SetPeriods({{900, 1200, 3, 0}});
    meet->CollectRaces();
    meet->Draws.back()->RaceAt(1).Time = 900;
    meet->Events.DeleteText(meet->Events.TextAt(1));
    meet->Crews.front()->Name = "Bob \"Jr\"";
    meet->Version = " 1.6.0   01/01/2005  ";
    meet->DUTime = 0;
    return meet;
}

std::vector<int> DrawOrder(const Boatmeet& meet) {
    std::vector<int> keys;
    for (const auto& draw : meet.Draws)
        keys.push_back(draw->EventKey);
    return keys;
}

// What the meet does next: its saved form after the automatic scheduler ran.
std::string AfterScheduling(Boatmeet& meet) {
    const std::string message =
        ScheduleRaces(meet, ScheduleMode::Moderate, FinalsPlacement::AtEnd, nullptr, nullptr);
    return message + "|" + meet.SavedText();
}

// Renames crew i, a change that any meet can take many times over.
void Rename(Boatmeet& meet, std::size_t i, const std::string& name) {
    meet.Crews[i % meet.Crews.size()]->Name = name;
}

} // namespace

TEST(HistoryTest, UndoAndRedoGiveBackTheSavedBytesOfEveryState) {
    auto meet = Generated({});
    MeetHistory history;
    history.Start(*meet, true);
    std::vector<std::string> states{meet->SavedText()};
    DrawAllEvents(*meet);
    history.Record(*meet, "Draw all Events");
    states.push_back(meet->SavedText());
    meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
    ScheduleRaces(*meet, ScheduleMode::Moderate, FinalsPlacement::AtEnd, nullptr, nullptr);
    history.Record(*meet, "Schedule Races");
    states.push_back(meet->SavedText());
    meet->DeleteCrew(meet->Crews[7].get());
    meet->Events.DeleteText(meet->Events.TextAt(3));
    history.Record(*meet, "Crew change");
    states.push_back(meet->SavedText());

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(history.Undo(*meet));
        EXPECT_EQ(meet->SavedText(), states[i - 1]) << "after undoing to state " << i - 1;
        EXPECT_EQ(history.PresentText(), states[i - 1]);
    }
    EXPECT_FALSE(history.Undo(*meet));
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(history.Redo(*meet));
        EXPECT_EQ(meet->SavedText(), states[i]) << "after redoing to state " << i;
    }
    EXPECT_FALSE(history.Redo(*meet));
}

TEST(HistoryTest, ARestoredMeetBehavesLikeTheOriginal) {
    auto meet = OddMeet();
    MeetHistory history;
    history.Start(*meet, true);
    DrawAllEvents(*meet);
    meet->Title = "Changed";
    meet->CollectRaces();
    history.Record(*meet, "Draw all Events");
    ASSERT_TRUE(history.Undo(*meet));
    ASSERT_TRUE(history.Redo(*meet));
    ASSERT_TRUE(history.Undo(*meet));

    auto twin = OddMeet();
    EXPECT_EQ(meet->SavedText(), twin->SavedText());
    EXPECT_EQ(DrawOrder(*meet), DrawOrder(*twin));
    EXPECT_EQ(meet->Version, twin->Version);
    EXPECT_EQ(meet->DUTime, 0);
    EXPECT_EQ(meet->CrewNameLabel(meet->Crews.front().get()),
              twin->CrewNameLabel(twin->Crews.front().get()));
    // The race list (with its stale order and the deleted event's races) and
    // the draw order decide what the scheduler and the numbering do.
    ASSERT_EQ(meet->RaceList.size(), twin->RaceList.size());
    for (std::size_t i = 0; i < twin->RaceList.size(); ++i) {
        EXPECT_EQ(meet->RaceList[i]->EventKey, twin->RaceList[i]->EventKey);
        EXPECT_EQ(meet->RaceList[i]->Index, twin->RaceList[i]->Index);
    }
    EXPECT_EQ(AfterScheduling(*meet), AfterScheduling(*twin));
    // The restored race list points into the restored meet's own draws.
    for (const Race* race : meet->RaceList)
        EXPECT_EQ(race, &meet->DrawOfEvent(race->EventKey).RaceAt(race->Index));
}

TEST(HistoryTest, RecordingLeavesTheMeetAsItWas) {
    // Writing the meet for the history must not give events without a draw
    // one (the draw-all question looks at whether there are draws).
    Boatmeet meet;
    meet.Events.Add("MS 4-");
    MeetHistory history;
    history.Start(meet, true);
    meet.Title = "Spring";
    history.Record(meet, "Change Boatmeet Title/Date");
    EXPECT_TRUE(meet.Draws.empty());
    ASSERT_TRUE(history.Undo(meet));
    EXPECT_TRUE(meet.Draws.empty());
}

TEST(HistoryTest, TypingIntoOneFieldIsOneStep) {
    auto meet = Generated({"", 20, 2, 3, 0, 0});
    MeetHistory history;
    history.Start(*meet, true);
    const std::string before = meet->SavedText();
    const std::string nameOf17 = TypingGroup("crew", 17, "name");
    EXPECT_EQ(nameOf17, "crew 17 name");
    for (const char* typed : {"A", "Al", "Alp"}) {
        Rename(*meet, 16, typed);
        history.Record(*meet, "Crew change", nameOf17);
    }
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_EQ(history.UndoText(), "Undo Crew change");
    const std::string typed = meet->SavedText();

    // Another field, the same field after typing ended, and after a save, are new steps.
    meet->Crews[16]->Notes = "n";
    history.Record(*meet, "Crew change", TypingGroup("crew", 17, "notes"));
    EXPECT_EQ(history.UndoCount(), 2u);
    history.EndTyping();
    meet->Crews[16]->Notes = "no";
    history.Record(*meet, "Crew change", TypingGroup("crew", 17, "notes"));
    EXPECT_EQ(history.UndoCount(), 3u);
    history.MarkSaved(*meet);
    meet->Crews[16]->Notes = "not";
    history.Record(*meet, "Crew change", TypingGroup("crew", 17, "notes"));
    EXPECT_EQ(history.UndoCount(), 4u);
    // Changes without a group never join.
    meet->Title = "T1";
    history.Record(*meet, "Change Boatmeet Title/Date");
    meet->Title = "T2";
    history.Record(*meet, "Change Boatmeet Title/Date");
    EXPECT_EQ(history.UndoCount(), 6u);

    for (int i = 0; i < 5; ++i)
        history.Undo(*meet);
    EXPECT_EQ(meet->SavedText(), typed);
    history.Undo(*meet);
    EXPECT_EQ(meet->SavedText(), before);
    history.Redo(*meet);
    EXPECT_EQ(meet->SavedText(), typed);
    // Typing again after an undo or redo starts a new step.
    Rename(*meet, 16, "Alpha");
    history.Record(*meet, "Crew change", nameOf17);
    EXPECT_EQ(history.UndoCount(), 2u);
}

TEST(HistoryTest, ANewChangeClearsRedoAndANonChangeIsNoStep) {
    auto meet = Generated({"", 20, 2, 3, 0, 0});
    MeetHistory history;
    history.Start(*meet, true);
    EXPECT_EQ(history.UndoText(), "Undo");
    EXPECT_EQ(history.RedoText(), "Redo");
    DrawAllEvents(*meet);
    history.Record(*meet, "Draw all Events");
    NumberRaces(*meet);
    history.Record(*meet, "Number Races");
    // Numbering again changes nothing the file holds: no step.
    NumberRaces(*meet);
    EXPECT_FALSE(history.Record(*meet, "Number Races"));
    EXPECT_EQ(history.UndoCount(), 2u);

    history.Undo(*meet);
    EXPECT_TRUE(history.CanRedo());
    EXPECT_EQ(history.RedoText(), "Redo Number Races");
    EXPECT_EQ(history.UndoText(), "Undo Draw all Events");
    meet->NumberCrewsByClub();
    EXPECT_TRUE(history.Record(*meet, "Number Crews By Club"));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.RedoText(), "Redo");
    EXPECT_EQ(history.UndoText(), "Undo Number Crews By Club");
    EXPECT_EQ(history.UndoCount(), 2u);
}

TEST(HistoryTest, TheSavePointTellsWhetherThereAreUnsavedChanges) {
    auto meet = Generated({"", 20, 2, 3, 0, 0});
    MeetHistory history;
    history.Start(*meet, true);
    EXPECT_FALSE(history.IsModified());
    Rename(*meet, 0, "one");
    history.Record(*meet, "Crew change");
    EXPECT_TRUE(history.IsModified());
    history.MarkSaved(*meet);
    EXPECT_FALSE(history.IsModified());
    EXPECT_TRUE(history.CanUndo()) << "saving keeps the history";
    history.Undo(*meet);
    EXPECT_TRUE(history.IsModified());
    history.Redo(*meet);
    EXPECT_FALSE(history.IsModified());
    // Undo, then a different change: the saved state can no longer be reached.
    history.Undo(*meet);
    Rename(*meet, 0, "two");
    history.Record(*meet, "Crew change");
    EXPECT_TRUE(history.IsModified());
    history.Undo(*meet);
    EXPECT_TRUE(history.IsModified());

    // A recovered meet is unsaved from the start.
    history.Start(*meet, false);
    EXPECT_TRUE(history.IsModified());
    EXPECT_FALSE(history.CanUndo());
}

TEST(HistoryTest, KeepsAHundredStepsOfTheDefaultMeet) {
    auto meet = Generated({});
    DrawAllEvents(*meet);
    MeetHistory history;
    history.Start(*meet, true);
    const std::string first = meet->SavedText();
    for (int i = 0; i < 100; ++i) {
        Rename(*meet, static_cast<std::size_t>(i) * 7, "Step " + std::to_string(i));
        history.Record(*meet, "Crew change");
    }
    EXPECT_EQ(history.UndoCount(), 100u);
    EXPECT_LE(history.Bytes(), DefaultHistoryBytes);
    while (history.Undo(*meet)) {
    }
    EXPECT_EQ(meet->SavedText(), first);
}

TEST(HistoryTest, DropsTheOldestStepsBeyondTheMemoryLimit) {
    auto meet = Generated({"", 60, 4, 5, 0, 0});
    const std::size_t each = MeetMemoryBytes(*meet->Clone());
    MeetHistory history(3 * each + each / 2);
    history.Start(*meet, true);
    std::vector<std::string> states;
    for (int i = 0; i < 10; ++i) {
        Rename(*meet, static_cast<std::size_t>(i), "Step " + std::to_string(i));
        history.Record(*meet, "Crew change");
        states.push_back(meet->SavedText());
        EXPECT_LE(history.Bytes(), 3 * each + each / 2);
    }
    EXPECT_EQ(history.UndoCount(), 2u);
    EXPECT_TRUE(history.IsModified()) << "the saved state was dropped";
    history.Undo(*meet);
    history.Undo(*meet);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(meet->SavedText(), states[7]);
    EXPECT_TRUE(history.IsModified());
}

TEST(HistoryTest, TheMemoryLimitKeepsAHundredStepsOfAChampionship) {
    auto small = Generated({});
    auto large = Generated({"", 3000, 150, 200, 600, 300});
    DrawAllEvents(*small);
    DrawAllEvents(*large);
    EXPECT_GT(MeetMemoryBytes(*small), 300 * (sizeof(Crew) + 2 * sizeof(Race)));
    EXPECT_GT(MeetMemoryBytes(*large), 5 * MeetMemoryBytes(*small));
    EXPECT_LT(101 * MeetMemoryBytes(*large), DefaultHistoryBytes);
}
