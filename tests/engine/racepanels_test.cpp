#include "engine/reports/racepanels.h"

#include "engine/schedule/scheduler.h"
#include "repmeet.h"

using namespace bm;
using namespace bm::test;

namespace {

const std::string Dashes(43, '-');

// sched_drawn: MS 1x with heats 2 (Smith, Jones) and 3 (Brown, Green) and a
// final; WS 2x with only a final, whose Smith doubles up with the MS 1x Smith.
// Races are neither numbered nor timed, crews not numbered.
class RaceCheckTest : public RepMeetTest {
protected:
    void SetUp() override {
        RepMeetTest::SetUp();
        meet = Load("sched_drawn.bmf");
        meet->RaceTimes.SetPeriods({{900, 1200, 10, 0}});
        meet->CollectRaces();
    }
    Race& Heat(int index) { return meet->DrawOfEvent(1).RaceAt(index); }
    Race& WomensFinal() { return meet->DrawOfEvent(2).RaceAt(1); }

    std::unique_ptr<Boatmeet> meet;
};

// Heat 3: no partners.
const std::string HeatDetail = "R*** MS 1x at (NT)\n"
                               " Previous rounds: No preceeding rounds\n"
                               " Next round     : (NT) \n"
                               "\n\n" +
                               Dashes;

} // namespace

TEST_F(RaceCheckTest, EachRaceAtTheTimeSlotItWouldTake) {
    const RaceCheck check = PrepareRaceCheck(*meet, 2, {&Heat(3), &Heat(2)});
    EXPECT_EQ(check.TimeText, "0920");
    EXPECT_EQ(check.Details, "\nProposed race at : 0920\n" + HeatDetail +
                                 "\nProposed race at : 0930\n"
                                 "R*** MS 1x at (NT)\n"
                                 " Previous rounds: No preceeding rounds\n"
                                 " Next round     : (NT) \n"
                                 "\nDoubling Up: \n"
                                 "Crew: -1  with crew: -1 WS 2x Smith Avon\n"
                                 "    Races at:(NT)\n"
                                 "\n\n" +
                                 Dashes);
}

TEST_F(RaceCheckTest, TakenTimeSlotsAreSkippedAsTheSchedulerSkipsThem) {
    // A race timed by hand at 0910 and a partner's race at 0930.
    WomensFinal().Time = 910;
    Heat(2).Time = 930;
    const RaceCheck check = PrepareRaceCheck(*meet, 1, {&Heat(3), &Heat(1)});
    EXPECT_EQ(check.TimeText, "0920");
    const std::string finalDetail = "R*** MS 1x at (NT)\n"
                                    " Previous rounds: 0930 (NT) \n"
                                    " Next round     : No following rounds\n"
                                    "\nDoubling Up: \n"
                                    "Crew: -1  with crew: -1 WS 2x Smith Avon\n"
                                    "    Races at:0910\n"
                                    "\n\n" +
                                    Dashes;
    EXPECT_EQ(check.Details, "\nProposed race at : 0920\n" + HeatDetail +
                                 "\nProposed race at : 0940\n" + finalDetail);
    // Where the scheduler then puts the first race.
    int cursor = 1;
    meet->CollectRaces();
    ScheduleStep(*meet, ScheduleMode::Flexible, FinalsPlacement::Anytime, cursor, nullptr);
    EXPECT_EQ(Heat(3).Time, 920);
}

TEST_F(RaceCheckTest, NoPeriodsShowNoTime) {
    meet->RaceTimes.SetPeriods({});
    const RaceCheck check = PrepareRaceCheck(*meet, 0, {&Heat(3)});
    EXPECT_EQ(check.TimeText, "(NT)");
    EXPECT_EQ(check.Details, "\nProposed race at : (NT)\n" + HeatDetail);
    EXPECT_EQ(PrepareRaceCheck(*meet, 0, {}).Details, "");
}

TEST_F(RaceCheckTest, RaceEditorPanelShowsTheNumberedRace) {
    meet = Load("rep_small.bmf");
    const RacePanel panel = RaceEditorPanel(*meet, " 4 ");
    ASSERT_NE(panel.Shown, nullptr);
    EXPECT_EQ(panel.Shown->Number, 4);
    EXPECT_EQ(panel.TimeText, "0930");
    EXPECT_EQ(panel.Details, RaceDetailText(*meet, *panel.Shown));
    EXPECT_EQ(panel.Details.substr(0, 25), "R4   WJ16 2x at 0930\n Pre");
    for (const char* number : {"", "77", "4x", "-1", "abc"}) {
        const RacePanel none = RaceEditorPanel(*meet, number);
        EXPECT_EQ(none.Shown, nullptr) << number;
        EXPECT_EQ(none.TimeText, "");
        EXPECT_EQ(none.Details, "");
    }
}
