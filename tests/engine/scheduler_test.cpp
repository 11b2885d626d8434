#include "engine/model/boatmeet.h"
#include "engine/model/settings.h"
#include "engine/schedule/numbering.h"
#include "engine/schedule/scheduler.h"

#include <gtest/gtest.h>

#include <climits>

using namespace bm;

namespace {

// A meet built by hand: events with crews, drawn from given first-round slots
// (crews named by their position in the event, 0 for a bye).
class SchedulerTest : public ::testing::Test {
protected:
    void TearDown() override { CurrentSettings() = Settings{}; }

    int AddEvent(const std::string& name, const std::vector<int>& firstRound) {
        const int key = meet.Events.Add(name);
        std::vector<int> ids;
        for (int i = 0; i < Count(firstRound); ++i) {
            auto crew = std::make_unique<Crew>();
            crew->EventKey = key;
            ids.push_back(meet.AddCrew(std::move(crew))->Id);
        }
        std::vector<int> slots;
        for (int position : firstRound)
            slots.push_back(position == 0 ? 0 : ids[position - 1]);
        meet.DrawOfEvent(key).Build(slots, false);
        return key;
    }
    static int Count(const std::vector<int>& slots) {
        int count = 0;
        for (int slot : slots)
            count += slot != 0;
        return count;
    }
    // Crew n (from 1) of the event.
    int CrewOf(int key, int n) { return meet.ListEventCrews(key, true)[n - 1]->Id; }
    Race& RaceOf(int key, int index) { return meet.DrawOfEvent(key).RaceAt(index); }
    std::vector<int> Times(int key, const std::vector<int>& indexes) {
        std::vector<int> times;
        for (int index : indexes)
            times.push_back(RaceOf(key, index).Time);
        return times;
    }
    void EveryMinutes(int start, int minutes) {
        meet.RaceTimes.SetPeriods({{start, start + 300, minutes, 0}});
    }
    std::string Schedule(ScheduleMode mode, FinalsPlacement finals) {
        meet.CollectRaces();
        return ScheduleRaces(meet, mode, finals, nullptr, confirm);
    }

    Boatmeet meet;
    std::vector<int> asked; // cursors the confirm callback was given
    std::vector<bool> answers;
    ConfirmPlacement confirm = [this](int cursor, const std::vector<Race*>&) {
        asked.push_back(cursor);
        const bool accept = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return accept;
    };
};

const std::vector<int> FourCrews = {1, 2, 3, 4};
const std::vector<int> EightCrews = {1, 2, 3, 4, 5, 6, 7, 8};

// --- The fixed-order scheduler ------------------------------------------------------

TEST_F(SchedulerTest, FixedOrderTimesRoundByRoundMostRoundsFirst) {
    const int a = AddEvent("A", EightCrews);
    const int b = AddEvent("B", FourCrews);
    EveryMinutes(900, 5);
    meet.CollectRaces();
    EXPECT_EQ(ScheduleFixedOrder(meet), "");
    EXPECT_EQ(Times(a, {4, 5, 6, 7}), (std::vector<int>{900, 905, 910, 915}));
    EXPECT_EQ(Times(a, {2, 3}), (std::vector<int>{920, 925}));
    EXPECT_EQ(Times(b, {2, 3}), (std::vector<int>{930, 935}));
    EXPECT_EQ(Times(a, {1}), std::vector<int>{940});
    EXPECT_EQ(Times(b, {1}), std::vector<int>{945});
    EXPECT_EQ(RaceOf(a, 1).Number, -1) << "the fixed order does not number races";
}

TEST_F(SchedulerTest, FixedOrderSkipsTakenSlotsAndKeepsHandSetTimes) {
    const int a = AddEvent("A", FourCrews);
    EveryMinutes(900, 5);
    RaceOf(a, 3).Time = 905;
    meet.CollectRaces();
    EXPECT_EQ(ScheduleFixedOrder(meet), "");
    EXPECT_EQ(Times(a, {2, 3, 1}), (std::vector<int>{900, 905, 910}));
}

TEST_F(SchedulerTest, FixedOrderProblems) {
    const int a = AddEvent("A", FourCrews);
    meet.Events.Add("Undrawn");
    EveryMinutes(900, 5);
    meet.CollectRaces();
    EXPECT_EQ(ScheduleFixedOrder(meet), "Draw all events before scheduling");
    EXPECT_EQ(Times(a, {1, 2, 3}), (std::vector<int>{-1, -1, -1}));

    meet.Events.DeleteText("Undrawn");
    meet.RaceTimes.SetPeriods({});
    EXPECT_EQ(ScheduleFixedOrder(meet),
              "Not enough races in race periods. Clear times and try again!");
    EXPECT_EQ(Times(a, {1, 2, 3}), (std::vector<int>{-1, -1, -1}));
}

TEST_F(SchedulerTest, FixedOrderStopsWhenAPassTimesNothing) {
    // Crew 1 taken out without a redraw: race 2 is no longer rowed, so the
    // final waits for a race that never gets a time.
    const int a = AddEvent("A", FourCrews);
    meet.DrawOfEvent(a).RemoveCrew(CrewOf(a, 1));
    EveryMinutes(900, 5);
    meet.CollectRaces();
    EXPECT_EQ(ScheduleFixedOrder(meet), "Scheduling stopped: some races cannot be timed");
    EXPECT_EQ(Times(a, {3, 1}), (std::vector<int>{900, -1}));
}

// --- The automatic scheduler ------------------------------------------------------------

TEST_F(SchedulerTest, RigidFinalWaitsForTheLeastTimeBetweenRaces) {
    const int a = AddEvent("A", FourCrews);
    EveryMinutes(900, 10);
    meet.BRTime = 40;
    EXPECT_EQ(Schedule(ScheduleMode::Rigid, FinalsPlacement::Anytime), "");
    EXPECT_EQ(Times(a, {2, 3, 1}), (std::vector<int>{900, 910, 950}));
    EXPECT_EQ(RaceOf(a, 2).Number, 1);
    EXPECT_EQ(RaceOf(a, 3).Number, 2);
    EXPECT_EQ(RaceOf(a, 1).Number, 3);
}

TEST_F(SchedulerTest, HandSetTimesBlockTheirTimeSlotOnly) {
    const int a = AddEvent("A", FourCrews);
    const int b = AddEvent("B", {1, 2});
    const int c = AddEvent("C", {1, 2});
    EveryMinutes(900, 10);
    meet.BRTime = 0;
    RaceOf(b, 1).Time = 910; // on a time slot: nothing else starts then
    RaceOf(c, 1).Time = 925; // between time slots: blocks nothing
    EXPECT_EQ(Schedule(ScheduleMode::Rigid, FinalsPlacement::Anytime), "");
    EXPECT_EQ(Times(a, {2, 3, 1}), (std::vector<int>{900, 920, 930}));
    EXPECT_EQ(Times(b, {1}), std::vector<int>{910});
    EXPECT_EQ(RaceOf(c, 1).Number, 4) << "numbers follow start times";
}

TEST_F(SchedulerTest, FinalsAtEndWaitWhileAnyEventHasMoreThanItsFinal) {
    meet.BRTime = 40;
    EveryMinutes(900, 10);
    const int a = AddEvent("A", EightCrews);
    const int b = AddEvent("B", {1, 2});
    EXPECT_EQ(Schedule(ScheduleMode::Rigid, FinalsPlacement::AtEnd), "");
    EXPECT_EQ(Times(a, {4, 5, 6, 7}), (std::vector<int>{900, 910, 920, 930}));
    // Race 3 must wait until 1010 (40 minutes after 930), and Rigid times the
    // semi-finals together. B's final could take 940 or 950, but A still has
    // more than its final left, so those time slots stay empty.
    EXPECT_EQ(Times(a, {2, 3}), (std::vector<int>{1000, 1010}));
    EXPECT_EQ(Times(b, {1}), std::vector<int>{1020});
    EXPECT_EQ(Times(a, {1}), std::vector<int>{1050});

    ClearRaceTimes(meet);
    EXPECT_EQ(Schedule(ScheduleMode::Rigid, FinalsPlacement::Anytime), "");
    EXPECT_EQ(Times(b, {1}), std::vector<int>{940});
    EXPECT_EQ(Times(a, {2, 3, 1}), (std::vector<int>{1000, 1010, 1050}));
}

TEST_F(SchedulerTest, BrokenConstraintIsAskedAndSkipLeavesTheSlotEmpty) {
    const int a = AddEvent("A", FourCrews);
    EveryMinutes(900, 10);
    meet.BRTime = 40;
    CurrentSettings().AllowTC = true;
    CurrentSettings().CheckTC = true;
    answers = {false, true};
    EXPECT_EQ(Schedule(ScheduleMode::Rigid, FinalsPlacement::Anytime), "");
    EXPECT_EQ(asked, (std::vector<int>{2, 3}));
    EXPECT_EQ(Times(a, {2, 3, 1}), (std::vector<int>{900, 910, 930}));

    // Without the check a broken constraint is simply accepted.
    CurrentSettings().CheckTC = false;
    ClearRaceTimes(meet);
    asked.clear();
    EXPECT_EQ(Schedule(ScheduleMode::Rigid, FinalsPlacement::Anytime), "");
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Times(a, {1}), std::vector<int>{920});
}

TEST_F(SchedulerTest, ModerateTimesARoundOnlyWhenItKeepsTheLeastTimes) {
    // Crew 1 of A doubles up with crew 1 of B, whose final starts at 900: A's
    // race 2 must wait until 940.
    const int a = AddEvent("A", FourCrews);
    const int b = AddEvent("B", {1, 2});
    meet.LinkDoubleUp(CrewOf(a, 1), CrewOf(b, 1));
    RaceOf(b, 1).Time = 900;
    EveryMinutes(900, 10);
    meet.BRTime = 0;
    meet.DUTime = 40;
    EXPECT_EQ(Schedule(ScheduleMode::Moderate, FinalsPlacement::Anytime), "");
    EXPECT_EQ(Times(a, {3, 2, 1}), (std::vector<int>{930, 940, 950}));

    // Allowed to break them, it times one race at a time, the kept one first.
    CurrentSettings().AllowTC = true;
    RaceOf(a, 1).Time = RaceOf(a, 2).Time = RaceOf(a, 3).Time = -1;
    EXPECT_EQ(Schedule(ScheduleMode::Moderate, FinalsPlacement::Anytime), "");
    EXPECT_EQ(Times(a, {3, 2, 1}), (std::vector<int>{910, 920, 930}));
}

// --- The run always ends --------------------------------------------------------------

TEST_F(SchedulerTest, WithoutPeriodsNothingIsTimedButRacesAreNumbered) {
    const int a = AddEvent("A", FourCrews);
    EXPECT_EQ(Schedule(ScheduleMode::Flexible, FinalsPlacement::AtEnd),
              "Not enough races in race periods. Clear times and try again!");
    EXPECT_EQ(Times(a, {2, 3, 1}), (std::vector<int>{-1, -1, -1}));
    EXPECT_EQ(RaceOf(a, 1).Number, 3);

    // With nothing left to time there is nothing to report.
    RaceOf(a, 1).Time = RaceOf(a, 2).Time = RaceOf(a, 3).Time = 900;
    EXPECT_EQ(Schedule(ScheduleMode::Flexible, FinalsPlacement::AtEnd), "");
}

TEST_F(SchedulerTest, StopsAfterAThousandEmptyStepsAndNumbersRaces) {
    // Crew 1 of A taken out without a redraw: race 4 is not rowed any more, so
    // A keeps two untimed races for ever and B's final may never go At end.
    const int a = AddEvent("A", EightCrews);
    const int b = AddEvent("B", {1, 2});
    meet.DrawOfEvent(a).RemoveCrew(CrewOf(a, 1));
    EveryMinutes(900, 10);
    std::vector<int> progress;
    meet.CollectRaces();
    const std::string message = ScheduleRaces(
        meet, ScheduleMode::Rigid, FinalsPlacement::AtEnd,
        [&](int percent) { progress.push_back(percent); }, nullptr);
    EXPECT_EQ(message, "Scheduling stopped: some races cannot be timed");
    EXPECT_EQ(Times(a, {5, 6, 7, 3}), (std::vector<int>{900, 910, 920, 1000}));
    EXPECT_EQ(Times(a, {2, 1}), (std::vector<int>{-1, -1}));
    EXPECT_EQ(Times(b, {1}), std::vector<int>{-1});
    // Heats, three empty slots, race 3, then a thousand empty slots.
    EXPECT_EQ(progress.size(), 1005u);
    EXPECT_EQ(progress.back(), 4 * 100 / 7);
    EXPECT_EQ(RaceOf(a, 5).Number, 1);
    EXPECT_EQ(RaceOf(a, 3).Number, 4);
    EXPECT_EQ(RaceOf(b, 1).Number, 7) << "untimed races come last";
}

TEST_F(SchedulerTest, StepsReportWhetherRacesWereLeft) {
    const int a = AddEvent("A", {1, 2});
    EveryMinutes(900, 10);
    meet.CollectRaces();
    int cursor = 0;
    EXPECT_TRUE(
        ScheduleStep(meet, ScheduleMode::Flexible, FinalsPlacement::AtEnd, cursor, nullptr));
    EXPECT_EQ(cursor, 1);
    EXPECT_EQ(RaceOf(a, 1).Time, 900);
    EXPECT_FALSE(
        ScheduleStep(meet, ScheduleMode::Flexible, FinalsPlacement::AtEnd, cursor, nullptr));
}

// --- The measures the scheduler ranks by ---------------------------------------------------

TEST_F(SchedulerTest, ConflictsFollowPossibleCrewsAndTheirLinks) {
    const int a = AddEvent("A", FourCrews);
    const int b = AddEvent("B", FourCrews);
    EXPECT_TRUE(RacesConflict(meet, RaceOf(a, 2), RaceOf(a, 1)));
    EXPECT_FALSE(RacesConflict(meet, RaceOf(a, 2), RaceOf(a, 3)));
    EXPECT_FALSE(RacesConflict(meet, RaceOf(a, 2), RaceOf(b, 3)));
    meet.LinkBoatShare(CrewOf(a, 1), CrewOf(b, 4));
    EXPECT_TRUE(RacesConflict(meet, RaceOf(a, 2), RaceOf(b, 3)));
    EXPECT_TRUE(RacesConflict(meet, RaceOf(b, 1), RaceOf(a, 2)));
}

TEST_F(SchedulerTest, ConflictDepthColoursThePathAndPartnersUntimedRaces) {
    const int a = AddEvent("A", EightCrews);
    const int b = AddEvent("B", FourCrews);
    const int c = AddEvent("C", {1, 2});
    EXPECT_EQ(ConflictDepth(meet, RaceOf(a, 4)), 3);
    EXPECT_EQ(ConflictDepth(meet, RaceOf(a, 1)), 1);
    // A's crew 1 doubles up with B's crew 1: B's race 2 and final join the set.
    meet.LinkDoubleUp(CrewOf(a, 1), CrewOf(b, 1));
    EXPECT_EQ(ConflictDepth(meet, RaceOf(a, 4)), 5);
    // C's final, joined through A's crew 2, conflicts with neither of B's
    // races and shares a colour with them.
    meet.LinkDoubleUp(CrewOf(a, 2), CrewOf(c, 1));
    EXPECT_EQ(ConflictDepth(meet, RaceOf(a, 4)), 5);
    RaceOf(b, 2).Time = 900;
    RaceOf(b, 1).Time = 1000;
    EXPECT_EQ(ConflictDepth(meet, RaceOf(a, 4)), 4) << "timed partner races drop out";
}

TEST_F(SchedulerTest, CrewTimingAndPlacementScore) {
    const int a = AddEvent("A", FourCrews);
    const int b = AddEvent("B", {1, 2});
    const int c = AddEvent("C", {1, 2});
    meet.LinkDoubleUp(CrewOf(a, 1), CrewOf(b, 1));
    meet.LinkBoatShare(CrewOf(a, 2), CrewOf(c, 2));
    RaceOf(b, 1).Time = 930;
    RaceOf(c, 1).Time = 1000;
    EveryMinutes(900, 10);
    EXPECT_EQ(CrewTiming(meet, RaceOf(a, 2)), (CrewTimes{-1, 930, 1000, 1}));
    EXPECT_EQ(CrewTiming(meet, RaceOf(a, 3)), (CrewTimes{-1, -1, -1, 0}));
    meet.DUTime = 40;
    meet.BSTime = 20;
    EXPECT_EQ(PlacementScore(meet, RaceOf(a, 2), 0), -1) << "30 minutes from the double-up";
    CurrentSettings().AllowTC = true;
    // Broken: the smaller of the distances to the own race (none: minute -1)
    // and to the boat share, 60 minutes.
    EXPECT_EQ(PlacementScore(meet, RaceOf(a, 2), 0), 60);
    // Kept: depth 2 (race 2 and the final), load 1, three untimed races.
    EXPECT_EQ(PlacementScore(meet, RaceOf(a, 2), 11), 1001 + 2048 * (4096 * 2 + 64 * 30 + 3));
    EXPECT_EQ(PlacementScore(meet, RaceOf(a, 3), 0), 1001 + 2048 * (4096 * 2 + 64 * 31 + 3));
}

TEST_F(SchedulerTest, OrderForSlotsPlacesTheBestRaceFirstAndCountsKeptOnes) {
    const int a = AddEvent("A", FourCrews);
    const int b = AddEvent("B", {1, 2});
    meet.LinkDoubleUp(CrewOf(a, 1), CrewOf(b, 1));
    RaceOf(b, 1).Time = 900;
    EveryMinutes(900, 10);
    meet.DUTime = 15;
    meet.CollectRaces();
    EXPECT_FALSE(SlotIsFree(meet, 0));
    EXPECT_TRUE(SlotIsFree(meet, 1));
    std::vector<Race*> races = {&RaceOf(a, 2), &RaceOf(a, 3)};
    // Time slots 910 and 920: race 2 breaks the double-up time at 910 only.
    const SlotOrder order = OrderForSlots(meet, races, 0);
    EXPECT_EQ(races, (std::vector<Race*>{&RaceOf(a, 3), &RaceOf(a, 2)}));
    EXPECT_EQ(order.Out, 2);
    EXPECT_GT(order.Best, 1000);
    EXPECT_EQ(order.Worst, 1001);

    meet.DUTime = 25;
    races = {&RaceOf(a, 2), &RaceOf(a, 3)};
    const SlotOrder broken = OrderForSlots(meet, races, 0);
    EXPECT_EQ(broken.Out, 1);
    EXPECT_EQ(broken.Worst, -1);
}

TEST_F(SchedulerTest, SlotsAreFreeWithoutPeriodsOnlyWhenEveryRaceHasATime) {
    const int a = AddEvent("A", {1, 2});
    meet.CollectRaces();
    EXPECT_FALSE(SlotIsFree(meet, 0));
    RaceOf(a, 1).Time = 900;
    EXPECT_TRUE(SlotIsFree(meet, 0));
}

} // namespace

TEST_F(SchedulerTest, TimeSlotsBeyondTheClockRangeEndTheSearchForAFreeSlot) {
    // A hand-edited file whose interval throws every time slot after the
    // first past the 32-bit clock range: those slots all share one time, so a
    // race timed there must not send the search for a free slot round for ever.
    const int a = AddEvent("A", FourCrews);
    const int b = AddEvent("B", FourCrews);
    meet.RaceTimes.SetPeriods({{0, 0, 2000000000, 0}});
    EXPECT_EQ(ScheduleFixedOrder(meet), "");
    EXPECT_EQ(Times(a, {2, 3, 1}), (std::vector<int>{0, INT_MAX, INT_MAX}));
    EXPECT_EQ(Times(b, {2, 3, 1}), (std::vector<int>{INT_MAX, INT_MAX, INT_MAX}));
    ClearRaceTimes(meet);
    EXPECT_EQ(Schedule(ScheduleMode::Flexible, FinalsPlacement::Anytime),
              "Scheduling stopped: some races cannot be timed");
}
