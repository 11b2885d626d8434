#include "engine/editors/raceeditor.h"

#include "engine/schedule/schedulefit.h"
#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

using Texts = std::vector<std::string>;

class RaceEditor : public RepMeetTest {
protected:
    // rep_small: R1 0900, R2 0910, R3 0920, R4 0930, R5 0940, R6 1000; one
    // period 0900-1200 every 10 minutes.
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = Load("rep_small.bmf");
    }
    Race& RaceNumbered(int n) { return *meet->FindRaceByNumber(n); }

    std::unique_ptr<Boatmeet> meet;
    bool answer = false;
    Texts asked;
    const Confirm confirm = [this](const std::string& question) {
        asked.push_back(question);
        return answer;
    };
};

// sched_drawn: MS 1x with two heats and a final, WS 2x with only a final; no
// race timed.
class Scheduling : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = Load("sched_drawn.bmf");
    }
    std::unique_ptr<Boatmeet> meet;
};

} // namespace

TEST_F(RaceEditor, FieldsAreReadIntoTheMeet) {
    SetLeastTimes(*meet, "", "abc", " 15 ");
    SetSchedulingChoices(*meet, 2, 1);
    // No choice selected, or one the group does not hold: the meet keeps its own.
    SetSchedulingChoices(*meet, -1, 3);
    EXPECT_EQ(RaceEditorFieldsOf(*meet),
              (RaceEditorFields{{" 0900 1200    10 I"}, "0", "0", "15", 2, 1}));
}

TEST_F(RaceEditor, SetTimeMovesTheRaceButKeepsItsNumber) {
    EXPECT_EQ(SetRaceTime(*meet, "2", "945"), MadeChange());
    EXPECT_EQ(RaceNumbered(2).Time, 945);
    EXPECT_EQ(meet->OrderedRaces()[4], &RaceNumbered(2));
    EXPECT_EQ(SetRaceTime(*meet, " 2 ", "0905"), MadeChange());
    EXPECT_EQ(RaceNumbered(2).Time, 905);
}

TEST_F(RaceEditor, SetTimeRefusesWhatNamesNoRaceOrNoTime) {
    const EditResult noRace = Refusal("Not a valid Race Number..");
    for (const char* number : {"77", "", "abc", "2x", "-1", "0"})
        EXPECT_EQ(SetRaceTime(*meet, number, "945"), noRace) << number;
    const EditResult noTime = Refusal(
        "Not a valid Time: use 24 hour Clock values such as 930 or 0930, or (NT) for no time");
    for (const char* time : {"", "abc", "9:30", "930x", "12345"})
        EXPECT_EQ(SetRaceTime(*meet, "2", time), noTime) << time;
    EXPECT_EQ(RaceNumbered(2).Time, 910);
    // The race number is looked at first.
    EXPECT_EQ(SetRaceTime(*meet, "77", "abc"), noRace);
}

TEST_F(RaceEditor, NoTimeAsShownOrNegative) {
    // "(NT)" is what the time edit shows for an untimed race: setting it
    // unchanged leaves the race untimed, not at midnight.
    for (const char* time : {"(NT)", " (nt) ", "-5"}) {
        RaceNumbered(2).Time = 910;
        EXPECT_EQ(SetRaceTime(*meet, "2", time), MadeChange());
        EXPECT_EQ(RaceNumbered(2).Time, -1) << time;
    }
}

TEST_F(RaceEditor, ClearAndRealignAskFirst) {
    EXPECT_EQ(ClearTimesInEditor(*meet, confirm), EditResult{});
    EXPECT_EQ(RealignInEditor(*meet, confirm), EditResult{});
    EXPECT_EQ(asked, (Texts{"OK to clear all race times?",
                            "OK to move existing race order to new Times schedule?"}));
    EXPECT_EQ(RaceNumbered(6).Time, 1000);

    answer = true;
    meet->RaceTimes.SetPeriods({{1000, 1200, 5, 0}});
    EXPECT_EQ(RealignInEditor(*meet, confirm), MadeChange({"Realignment complete"}));
    EXPECT_EQ(RaceNumbered(1).Time, 1000);
    EXPECT_EQ(RaceNumbered(6).Time, 1025);
    EXPECT_EQ(ClearTimesInEditor(*meet, confirm), MadeChange());
    EXPECT_EQ(meet->OrderedRaces().front()->Time, -1);
    EXPECT_EQ(meet->OrderedRaces().back()->Time, -1);
}

TEST_F(Scheduling, NothingDrawnIsRefusedBeforeTheRun) {
    meet = Load("sched_undrawn.bmf");
    int started = 0;
    const ScheduleHooks hooks{[&started] { ++started; }, nullptr, nullptr};
    EXPECT_EQ(ScheduleInEditor(*meet, hooks), (Refusal("No races to schedule! Are events drawn?")));
    EXPECT_EQ(started, 0);
    EXPECT_EQ(ScheduleFixedInEditor(*meet),
              MadeChange({"Problem : Draw all events before scheduling"}));
    EXPECT_EQ(FixedOrderText(""), "Races scheduled");
}

TEST_F(Scheduling, FixedOrderTellsOfRacesPastThePeriods) {
    // Two time slots in the period: the final of MS 1x (0920) and the WS 2x
    // final (0930) run on past its end.
    meet->RaceTimes.SetPeriods({{900, 910, 10, 0}});
    EXPECT_EQ(PeriodCapacityText(PeriodCapacityOf(*meet)),
              "4 races to time; the race periods offer 2 free time slots (2 in all)");
    EXPECT_EQ(
        ScheduleFixedInEditor(*meet),
        MadeChange({"Races scheduled", "2 races were timed after the end of the last race period "
                                       "(latest 0930)."}));
    EXPECT_EQ(LateRacesOf(*meet), (LateRaces{2, 930}));
    EXPECT_EQ(PeriodCapacityOf(*meet), (PeriodCapacity{0, 2, 0}));
}

TEST_F(Scheduling, AutomaticRunReportsWhyItStoppedAndLateRaces) {
    int started = 0;
    std::vector<int> percents;
    const ScheduleHooks hooks{[&started] { ++started; },
                              [&percents](int percent) { percents.push_back(percent); }, nullptr};
    meet->RaceTimes.SetPeriods({});
    EXPECT_EQ(ScheduleInEditor(*meet, hooks),
              MadeChange({"Not enough races in race periods. Clear times and try again!"}));
    EXPECT_EQ(started, 1);

    meet->RaceTimes.SetPeriods({{900, 900, 10, 0}});
    const EditResult outcome = ScheduleInEditor(*meet, hooks);
    EXPECT_EQ(started, 2);
    EXPECT_EQ(percents.back(), 100);
    const LateRaces late = LateRacesOf(*meet);
    EXPECT_EQ(late.Count, 3);
    EXPECT_EQ(outcome, MadeChange({LateRacesText(late)}));
    // The run numbered the races in time order.
    EXPECT_EQ(meet->FindRaceByNumber(1)->Time, 900);
    EXPECT_EQ(meet->FindRaceByNumber(4)->Time, late.Latest);
}

TEST(ScheduleFit, OneRaceOrTimeSlot) {
    EXPECT_EQ(LateRacesText({1, 1705}),
              "1 race was timed after the end of the last race period (latest 1705).");
    EXPECT_EQ(PeriodCapacityText({1, 1, 1}),
              "1 race to time; the race periods offer 1 free time slot (1 in all)");
}

TEST_F(Scheduling, LateMeansAfterTheEndOfEveryPeriod) {
    Draw& draw = meet->DrawOfEvent(1);
    meet->RaceTimes.SetPeriods({{900, 930, 15, 0}, {1000, 1100, 20, 0}});
    // 0900 0915 0930, then 1000 1020 1040 1100: seven time slots in the periods.
    EXPECT_EQ(PeriodCapacityOf(*meet), (PeriodCapacity{4, 7, 7}));
    draw.RaceAt(2).Time = 1100; // at the end is not late
    draw.RaceAt(3).Time = 1040;
    EXPECT_EQ(LateRacesOf(*meet), (LateRaces{0, -1}));
    EXPECT_EQ(PeriodCapacityOf(*meet), (PeriodCapacity{2, 7, 5}));
    draw.RaceAt(1).Time = 1160; // a hand-set time counts by its minutes: 12:00
    meet->DrawOfEvent(2).RaceAt(1).Time = 1101;
    EXPECT_EQ(LateRacesOf(*meet), (LateRaces{2, 1160}));
    meet->RaceTimes.SetPeriods({});
    EXPECT_EQ(LateRacesOf(*meet), (LateRaces{0, -1}));
    EXPECT_EQ(PeriodCapacityOf(*meet), (PeriodCapacity{0, 0, 0}));
}

TEST_F(Scheduling, RacesPastMidnightAreToldByTheirDayAndClockTime) {
    Draw& draw = meet->DrawOfEvent(1);
    meet->RaceTimes.SetPeriods({{2200, 2330, 30, 0}});
    // The last period runs on past 2359: 2400 is midnight, 10342 is 07:42 four days on.
    draw.RaceAt(1).Time = 2330;
    draw.RaceAt(2).Time = 2359;
    draw.RaceAt(3).Time = 2400;
    meet->DrawOfEvent(2).RaceAt(1).Time = 10342;
    const LateRaces late = LateRacesOf(*meet);
    EXPECT_EQ(late, (LateRaces{3, 10342, 2}));
    EXPECT_EQ(LateRacesText(late), "3 races were timed after the end of the last race period, 2 "
                                   "of them past midnight (latest 07:42 on day 5).");
    EXPECT_EQ(LateRacesText({2, 2410, 2}), "2 races were timed after the end of the last race "
                                           "period, all of them past midnight (latest 00:10 on "
                                           "day 2).");
    EXPECT_EQ(LateRacesText({1, 2400, 1}),
              "1 race was timed after the end of the last race period (latest 00:00 on day 2).");
    // Before midnight the note keeps the clock value the race schedule shows.
    EXPECT_EQ(LateRacesText({2, 2359, 0}),
              "2 races were timed after the end of the last race period (latest 2359).");
}
