// The engine's scheduler keeps what it can across steps; the plain scheduler
// in literal_scheduler.cpp recomputes everything. On random meets both must
// give the same times, numbers, questions, progress and messages.
#include "literal_scheduler.h"

#include "engine/draw/randomdraw.h"
#include "engine/import/makedata.h"
#include "engine/model/clockmoney.h"
#include "engine/model/random.h"
#include "engine/model/settings.h"
#include "engine/schedule/scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

using namespace bm;

namespace {

int Pick(std::mt19937& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// Extra links, so that some crews have several partners, and now and then
// links to ids that name no crew (a positive id, or 0 from a damaged file).
void AddLinks(Boatmeet& meet, std::mt19937& rng) {
    const int crews = static_cast<int>(meet.Crews.size());
    for (int i = Pick(rng, 0, crews / 6); i > 0; --i) {
        const int a = Pick(rng, 1, crews);
        const int b = Pick(rng, 1, crews);
        if (Pick(rng, 0, 1) == 0)
            meet.LinkDoubleUp(a, b);
        else
            meet.LinkBoatShare(a, b);
    }
    if (Pick(rng, 0, 9) == 0)
        meet.Crews.front()->DoubleUps.push_back(crews + 50);
    if (Pick(rng, 0, 9) == 0) {
        meet.Crews.back()->BoatShares.push_back(0);
        meet.Crews[crews / 2]->DoubleUps.push_back(0);
    }
}

void SetPeriods(Boatmeet& meet, std::mt19937& rng) {
    std::vector<RacePeriod> periods;
    // Now and then a period from a damaged file that starts before midnight.
    int start = Pick(rng, 0, 15) == 0 ? -Pick(rng, 10, 40) : Pick(rng, 7, 10) * 100;
    for (int i = Pick(rng, 1, 3); i > 0; --i) {
        const int end = start + Pick(rng, 1, 3) * 100;
        if (Pick(rng, 0, 3) == 0)
            periods.push_back({start, end, Pick(rng, 4, 120), 1});
        else
            periods.push_back({start, end, Pick(rng, 2, 15), 0});
        start = end + Pick(rng, 0, 1) * 100;
    }
    meet.RaceTimes.SetPeriods(periods);
    meet.BRTime = Pick(rng, 0, 60);
    meet.DUTime = Pick(rng, 0, 60);
    meet.BSTime = Pick(rng, 0, 40);
}

// Times set by hand before the run: on time slots, between them, on races of
// later rounds, and now and then on a race that is not rowed.
void SetSomeTimes(Boatmeet& meet, std::mt19937& rng) {
    meet.CollectRaces();
    if (meet.RaceList.empty() || Pick(rng, 0, 2) != 0)
        return;
    for (int i = Pick(rng, 1, 4); i > 0; --i) {
        Race* race = meet.RaceList[Pick(rng, 0, static_cast<int>(meet.RaceList.size()) - 1)];
        race->Time = Pick(rng, 0, 1) == 0 ? meet.RaceTimes.SlotTime(Pick(rng, 0, 40))
                                          : MinutesToClock(Pick(rng, 420, 900));
    }
    Draw& draw = *meet.Draws[Pick(rng, 0, static_cast<int>(meet.Draws.size()) - 1)];
    if (draw.Size > 2 && Pick(rng, 0, 1) == 0)
        draw.RaceAt(Pick(rng, 1, draw.Size - 1)).Time = meet.RaceTimes.SlotTime(Pick(rng, 0, 20));
}

// Now and then a crew taken out of its draw without redrawing, which can leave
// races that no step can time.
void BreakSomeDraw(Boatmeet& meet, std::mt19937& rng) {
    if (Pick(rng, 0, 11) != 0)
        return;
    const Crew& crew = *meet.Crews[Pick(rng, 0, static_cast<int>(meet.Crews.size()) - 1)];
    meet.DrawOfEvent(crew.EventKey).RemoveCrew(crew.Id);
}

std::string RandomMeetText(int seed) {
    std::mt19937 rng(static_cast<unsigned>(seed));
    GenerateParams params;
    params.Crews = Pick(rng, 6, 48);
    params.Events = Pick(rng, 1, 7);
    params.Clubs = Pick(rng, 2, 12);
    params.DoubleUps = Pick(rng, 0, params.Crews / 3);
    params.BoatShares = Pick(rng, 0, params.Crews / 4);
    std::string error;
    auto meet = GenerateMeet(params, error);
    AddLinks(*meet, rng);
    DrawAllEvents(*meet);
    BreakSomeDraw(*meet, rng);
    SetPeriods(*meet, rng);
    SetSomeTimes(*meet, rng);
    std::ostringstream text;
    meet->WriteTo(text, true);
    return text.str();
}

// Everything a run shows to the outside.
struct RunRecord {
    std::string message;
    std::vector<std::string> questions;
    std::vector<int> progress;
    std::vector<std::array<int, 2>> races; // time, number, draw by draw
};

RunRecord Schedule(const std::string& text, ScheduleMode mode, FinalsPlacement finals,
                   bool literal) {
    auto meet = Boatmeet::LoadFromText(text);
    meet->CollectRaces();
    const std::size_t draws = meet->Draws.size();
    RunRecord record;
    const auto confirm = [&](int cursor, const std::vector<Race*>& races) {
        std::string question = std::to_string(cursor) + ":";
        for (const Race* race : races)
            question += " " + std::to_string(race->EventKey) + "/" + std::to_string(race->Index);
        record.questions.push_back(question);
        return record.questions.size() % 3 != 1;
    };
    const auto progress = [&](int percent) { record.progress.push_back(percent); };
    record.message = literal ? literal::ScheduleRaces(*meet, mode, finals, progress, confirm)
                             : ScheduleRaces(*meet, mode, finals, progress, confirm);
    for (std::size_t d = 0; d < meet->Draws.size(); ++d) {
        const Draw& draw = *meet->Draws[d];
        if (d >= draws) {
            EXPECT_EQ(draw.Size, 0) << "the plain scheduler only adds empty draws";
            continue;
        }
        for (int i = 1; i < draw.Size; ++i)
            record.races.push_back({draw.RaceAt(i).Time, draw.RaceAt(i).Number});
    }
    return record;
}

class SchedulerEquivalence : public ::testing::Test {
protected:
    void SetUp() override { ResetRandom(); }
    void TearDown() override { CurrentSettings() = Settings{}; }
};

TEST_F(SchedulerEquivalence, SameTimesAndNumbersAsThePlainScheduler) {
    constexpr int meets = 216; // every mode, finals choice and constraint setting 12 times
    int questionsAsked = 0;
    int stopped = 0;
    for (int i = 0; i < meets; ++i) {
        const auto mode = static_cast<ScheduleMode>(i % 3);
        const auto finals = static_cast<FinalsPlacement>((i / 3) % 3);
        CurrentSettings().AllowTC = (i / 9) % 2 == 1;
        CurrentSettings().CheckTC = (i / 18) % 2 == 1;
        const std::string text = RandomMeetText(i);
        const RunRecord fast = Schedule(text, mode, finals, false);
        const RunRecord plain = Schedule(text, mode, finals, true);
        SCOPED_TRACE("meet " + std::to_string(i));
        EXPECT_EQ(fast.message, plain.message);
        EXPECT_EQ(fast.questions, plain.questions);
        EXPECT_EQ(fast.progress, plain.progress);
        ASSERT_EQ(fast.races, plain.races);
        questionsAsked += !fast.questions.empty();
        stopped += !fast.message.empty();
    }
    // The random meets reach the question and the stop, not only plain runs.
    EXPECT_GT(questionsAsked, 10);
    EXPECT_GT(stopped, 0);
}

// The benchmark's default meet, at the size organisers run.
TEST_F(SchedulerEquivalence, DefaultGeneratedMeet) {
    std::string error;
    auto meet = GenerateMeet({}, error);
    DrawAllEvents(*meet);
    meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
    std::ostringstream text;
    meet->WriteTo(text, true);
    for (const auto& [mode, finals] : {std::pair{ScheduleMode::Moderate, FinalsPlacement::AtEnd},
                                       {ScheduleMode::Flexible, FinalsPlacement::Anytime}}) {
        const RunRecord fast = Schedule(text.str(), mode, finals, false);
        const RunRecord plain = Schedule(text.str(), mode, finals, true);
        EXPECT_EQ(fast.message, "");
        EXPECT_EQ(fast.races, plain.races);
    }
}

} // namespace
