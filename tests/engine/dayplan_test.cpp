// The plan of the day held against the scheduler on generated meets of many
// sizes and race periods, before and after the draw; its text on a small meet;
// and what its proposals promise, once carried out.
#include "engine/draw/eventsplit.h"
#include "engine/draw/randomdraw.h"
#include "engine/import/makedata.h"
#include "engine/model/clockmoney.h"
#include "engine/model/settings.h"
#include "engine/reports/dayplanreport.h"
#include "engine/schedule/dayplan.h"
#include "engine/schedule/schedulefit.h"
#include "engine/schedule/scheduler.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <sstream>

using namespace bm;

namespace {

// One generated meet with its periods, least crew time and scheduling choices.
struct Case {
    GenerateParams params;
    std::vector<RacePeriod> periods;
    int rest = 40;
    ScheduleMode mode = ScheduleMode::Rigid;
    FinalsPlacement finals = FinalsPlacement::AtEnd;
    bool allowTC = false;
    bool handTimed = false; // some races get a time by hand before scheduling
};

// Periods from the morning on: one to three, with gaps, of 1 to 5 hours,
// every 2 to 8 minutes or 6 to 30 races an hour; now and then two that
// overlap, or a rate that puts two time slots on one minute.
std::vector<RacePeriod> PeriodsOf(std::mt19937& random) {
    std::vector<RacePeriod> periods;
    int start = 7 * 60 + static_cast<int>(random() % 180);
    const int count = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < count; ++i) {
        const int length = 60 + static_cast<int>(random() % 240);
        const bool perHour = random() % 3 == 0;
        const int value =
            perHour ? 6 + static_cast<int>(random() % 25) : 2 + static_cast<int>(random() % 7);
        periods.push_back({MinutesToClock(start), MinutesToClock(start + length), value, perHour});
        start += length + static_cast<int>(random() % 90);
    }
    if (random() % 12 == 0)
        periods.push_back({periods.front().Start + 30, periods.front().End + 30, 5, 0});
    if (random() % 12 == 0)
        periods.back() = {periods.back().Start, periods.back().End, 90, 1};
    return periods;
}

Case CaseOf(std::mt19937& random) {
    Case c;
    const int crews = 8 + static_cast<int>(random() % 500);
    c.params.Crews = crews;
    c.params.Events = 1 + static_cast<int>(random() % std::min(40, crews / 2));
    c.params.Clubs = 1 + static_cast<int>(random() % 60);
    c.params.DoubleUps = static_cast<int>(random() % (crews / 4 + 1));
    c.params.BoatShares = static_cast<int>(random() % (crews / 4 + 1));
    c.periods = PeriodsOf(random);
    c.rest = static_cast<int>(random() % 70);
    c.mode = static_cast<ScheduleMode>(random() % 3);
    c.finals = static_cast<FinalsPlacement>(random() % 3);
    c.allowTC = random() % 5 == 0;
    c.handTimed = random() % 6 == 0;
    return c;
}

std::unique_ptr<Boatmeet> MeetOf(const Case& c) {
    std::string error;
    std::unique_ptr<Boatmeet> meet = GenerateMeet(c.params, error);
    meet->RaceTimes.SetPeriods(c.periods);
    meet->BRTime = c.rest;
    meet->SType = c.mode;
    meet->FType = c.finals;
    return meet;
}

// Gives the first-round races of every third event the latest time slots of
// the periods, as an organiser might have set them by hand.
void TimeSomeByHand(Boatmeet& meet) {
    int slot = meet.RaceTimes.SlotsInPeriods(MaxCountedSlots);
    for (std::size_t d = 0; d < meet.Draws.size(); d += 3) {
        Draw& draw = *meet.Draws[d];
        for (int i = draw.Size / 2; i < draw.Size; ++i)
            if (draw.RaceAt(i).IsContested() && slot > 0)
                draw.RaceAt(i).Time = meet.RaceTimes.SlotTime(--slot);
    }
    meet.CollectRaces();
}

std::string Described(const Case& c) {
    std::ostringstream text;
    text << c.params.Crews << " crews, " << c.params.Events << " events, rest " << c.rest
         << ", mode " << static_cast<int>(c.mode) << ", finals " << static_cast<int>(c.finals)
         << (c.allowTC ? ", AllowTC" : "") << (c.handTimed ? ", hand-timed" : "") << ", periods";
    for (const RacePeriod& p : c.periods)
        text << " " << p.Start << "-" << p.End << "/" << p.Interval << (p.RIType ? "ph" : "");
    return text.str();
}

// Every start the plan gives as the earliest holds in the schedule.
void ExpectEarliestStartsHold(Boatmeet& scheduled, const DayPlan& plan) {
    for (std::size_t e = 0; e < plan.Events.size(); ++e) {
        const PlanEvent& event = plan.Events[e];
        const Draw* draw = scheduled.FindDraw(scheduled.Events.KeyAt(static_cast<int>(e)));
        ASSERT_NE(draw, nullptr);
        const int rounds = static_cast<int>(event.Rounds.size());
        for (int i = 1; i < draw->Size; ++i) {
            const Race& race = draw->RaceAt(i);
            if (!race.IsContested())
                continue;
            const int minutes = ClockToMinutes(race.Time);
            const int round = rounds - BitLength(i);
            EXPECT_GE(minutes, event.Rounds[static_cast<std::size_t>(round)].Earliest)
                << event.Name << " race " << i;
            if (i == 1) {
                EXPECT_GE(minutes, event.EarliestFinal) << event.Name << " final";
            }
        }
    }
}

class DayPlanTest : public ::testing::Test {
protected:
    void TearDown() override { CurrentSettings() = Settings{}; }
};

// The one that matters: the scheduler never times more races within the
// periods than the plan allows, and never starts a round or a final earlier
// than the plan says, before the draw or after it.
TEST_F(DayPlanTest, TheSchedulerNeverBeatsThePlan) {
    std::mt19937 random(20240601);
    int fits = 0;
    int fitsOnTime = 0;
    int late = 0;
    const int cases = 60;
    for (int n = 0; n < cases; ++n) {
        const Case c = CaseOf(random);
        SCOPED_TRACE(Described(c));
        CurrentSettings().AllowTC = c.allowTC;
        std::unique_ptr<Boatmeet> meet = MeetOf(c);
        const DayPlan before = PlanTheDay(*meet, CurrentSettings());
        DrawAllEvents(*meet);
        if (c.handTimed)
            TimeSomeByHand(*meet);
        const DayPlan after = PlanTheDay(*meet, CurrentSettings());
        if (!c.handTimed) {
            // The draw makes the knock-out the plan counted on.
            EXPECT_EQ(before.AtLeastLate, after.AtLeastLate);
            ASSERT_EQ(before.Events.size(), after.Events.size());
            for (std::size_t e = 0; e < after.Events.size(); ++e)
                EXPECT_EQ(before.Events[e].EarliestFinal, after.Events[e].EarliestFinal);
        }
        std::unique_ptr<Boatmeet> automatic = meet->Clone();
        EXPECT_EQ(ScheduleRaces(*automatic, c.mode, c.finals, nullptr, nullptr), "");
        const int timedLate = LateRacesOf(*automatic).Count;
        EXPECT_GE(timedLate, after.AtLeastLate);
        ExpectEarliestStartsHold(*automatic, after);
        std::unique_ptr<Boatmeet> fixed = meet->Clone();
        ScheduleFixedOrder(*fixed);
        EXPECT_GE(LateRacesOf(*fixed).Count, after.CapacityLate);
        fits += after.Fits();
        fitsOnTime += after.Fits() && timedLate == 0;
        late += !after.Fits();
    }
    // Both kinds of day were tried.
    EXPECT_GT(fits, 5);
    EXPECT_GT(late, 5);
    std::cout << "plans that fit: " << fits << " of " << cases
              << ", scheduled without a late race: " << fitsOnTime << "\n";
    RecordProperty("fits", fits);
    RecordProperty("fitsOnTime", fitsOnTime);
}

// A small meet: a four, a pair and an eight on one hour every 10 minutes, a
// crew's races 40 minutes apart, finals at any time.
std::unique_ptr<Boatmeet> SmallMeet() {
    auto meet = std::make_unique<Boatmeet>();
    meet->Title = "Spring Regatta";
    const int club = meet->Clubs.Add("Club");
    for (const auto& [name, crews] :
         std::vector<std::pair<std::string, int>>{{"Single", 4}, {"Pair", 2}, {"Eight", 8}}) {
        const int key = meet->Events.Add(name);
        for (int i = 0; i < crews; ++i) {
            auto crew = std::make_unique<Crew>();
            crew->EventKey = key;
            crew->ClubKey = club;
            meet->AddCrew(std::move(crew));
        }
    }
    meet->LinkDoubleUp(1, 5);
    meet->RaceTimes.SetPeriods({{900, 1000, 10, 0}});
    meet->FType = FinalsPlacement::Anytime;
    return meet;
}

// Its eight needs three rounds, each 40 minutes after the one before, so its
// final cannot start before 10:30, and the hour holds 7 of the 11 races.
TEST_F(DayPlanTest, TheTextOfASmallMeet) {
    const std::unique_ptr<Boatmeet> meet = SmallMeet();
    std::ostringstream out;
    WriteDayPlanText(out, meet->TitleText(), PlanTheDay(*meet, CurrentSettings()));
    EXPECT_EQ(out.str(),
              "Plan of the Day: Spring Regatta\n"
              "===============================\n"
              "\n"
              "Race periods\n"
              "  09:00 to 10:00, a race every 10 minutes: 7 time slots\n"
              "\n"
              "Events\n"
              "  Single: 4 crews, 3 races in 2 rounds (2 + 1), earliest final 09:50\n"
              "  Pair: 2 crews, 1 race in 1 round (1), earliest final 09:00\n"
              "  Eight: 8 crews, 7 races in 3 rounds (4 + 2 + 1), earliest final 10:30, past the "
              "end of the race periods\n"
              "\n"
              "Races and time slots\n"
              "  11 races to time; the race periods offer 7 free time slots (7 in all)\n"
              "\n"
              "Crews shared between events\n"
              "  Single and Pair: 1 double-up\n"
              "\n"
              "What does not fit\n"
              "At least 4 races cannot be timed within the race periods\n"
              "Event Eight cannot reach its final before 10:30\n"
              "\n"
              "Proposals\n"
              "Proposal: cap Eight at 4 crews, refusing 4. Reason: 11 races to time, but the "
              "race periods offer only 7 free time slots. Effect: every race and round can fit "
              "within the race periods.\n"
              "Proposal: add a race period of 1 hour, 10:10 to 11:10, a race every 10 minutes. "
              "Reason: 11 races to time, but the race periods offer only 7 free time slots. "
              "Effect: every race and round can fit within the race periods.\n"
              "\n");
}

// Carries the proposal out on the meet as the organiser would: the event
// splitter, refusing the last crews entered, the race editor's periods.
void CarryOut(Boatmeet& meet, const PlanProposal& proposal) {
    std::string error;
    std::vector<RacePeriod> periods = meet.RaceTimes.GetPeriods();
    switch (proposal.Kind) {
    case ProposalKind::Split:
        ASSERT_TRUE(SplitEvent(
            meet, proposal.Event, proposal.Divisions, [](const std::string&) { return true; },
            error));
        return;
    case ProposalKind::Cap:
        for (int i = 0; i < proposal.Refused; ++i)
            meet.DeleteCrew(meet.ListEventCrews(meet.Events.KeyOf(proposal.Event), true).back());
        return;
    case ProposalKind::AddPeriod:
        periods.push_back(proposal.Period);
        break;
    case ProposalKind::Interval:
        for (RacePeriod& period : periods)
            period = {period.Start, period.End, proposal.Interval, 0};
        break;
    }
    meet.RaceTimes.SetPeriods(periods);
}

// Sixteen crews of one club on 09:00 to 10:45 every 5 minutes: the races fit,
// but four rounds 40 minutes apart put the final at 11:00.
TEST_F(DayPlanTest, EachProposalDoesWhatItSays) {
    auto meet = std::make_unique<Boatmeet>();
    const int club = meet->Clubs.Add("Club");
    const int key = meet->Events.Add("Junior");
    for (int i = 0; i < 16; ++i) {
        auto crew = std::make_unique<Crew>();
        crew->EventKey = key;
        crew->ClubKey = club;
        meet->AddCrew(std::move(crew));
    }
    meet->RaceTimes.SetPeriods({{900, 1045, 5, 0}});
    const DayPlan plan = PlanTheDay(*meet, CurrentSettings());
    EXPECT_EQ(DayPlanProblems(plan),
              (std::vector<std::string>{"At least 1 race cannot be timed within the race periods",
                                        "Event Junior cannot reach its final before 11:00"}));
    ASSERT_EQ(plan.Proposals.size(), 3u);
    EXPECT_EQ(plan.Proposals[0].Text,
              "Proposal: split Junior into 2 divisions. Reason: its 15 races in 4 rounds, a "
              "crew's races at least 40 minutes apart, keep its final from starting before "
              "11:00. Effect: the finals of its divisions can start from 10:20; every race and "
              "round can fit within the race periods.");
    for (const PlanProposal& proposal : plan.Proposals) {
        SCOPED_TRACE(proposal.Text);
        EXPECT_EQ(proposal.LateAfter, 0);
        std::unique_ptr<Boatmeet> changed = meet->Clone();
        CarryOut(*changed, proposal);
        EXPECT_TRUE(PlanTheDay(*changed, CurrentSettings()).Fits());
    }
}

} // namespace
