// Scheduling a drawn meet with the automatic scheduler (Moderate, finals At
// end, one period from 0800 every 2 minutes), and the same with the plain
// scheduler that the tests hold it against.
#include "benchmeets.h"
#include "engine/schedule/numbering.h"
#include "engine/schedule/scheduler.h"
#include "literal_scheduler.h"

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<bm::Boatmeet> DrawnMeet(const bm::GenerateParams& params) {
    std::unique_ptr<bm::Boatmeet> meet = bm::bench::DrawnMeet(params);
    meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
    return meet;
}

// The default generated meet: 300 crews, 30 events, 50 clubs, 30 double-ups
// and 30 boat shares.
bm::Boatmeet& DefaultMeet() {
    static std::unique_ptr<bm::Boatmeet> meet = DrawnMeet({});
    return *meet;
}

bm::Boatmeet& LargeMeet() {
    static std::unique_ptr<bm::Boatmeet> meet = DrawnMeet(bm::bench::Championship());
    return *meet;
}

bm::Boatmeet& MeetOf(const benchmark::State& state) {
    return state.range(0) == 0 ? DefaultMeet() : LargeMeet();
}

template <typename Schedule> void Run(benchmark::State& state, Schedule schedule) {
    bm::Boatmeet& meet = MeetOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        ClearRaceTimes(meet);
        meet.CollectRaces();
        state.ResumeTiming();
        const std::string message = schedule(meet);
        benchmark::DoNotOptimize(message.data());
    }
    int timed = 0;
    for (const bm::Race* race : meet.RaceList)
        timed += race->IsTimed();
    state.counters["crews"] = static_cast<double>(meet.Crews.size());
    state.counters["races"] = static_cast<double>(meet.RaceList.size());
    state.counters["timed"] = timed;
}

void ScheduleRaces(benchmark::State& state) {
    Run(state, [](bm::Boatmeet& meet) {
        return ScheduleRaces(meet, bm::ScheduleMode::Moderate, bm::FinalsPlacement::AtEnd, nullptr,
                             nullptr);
    });
}
BENCHMARK(ScheduleRaces)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);

void PlainScheduleRaces(benchmark::State& state) {
    Run(state, [](bm::Boatmeet& meet) {
        return bm::literal::ScheduleRaces(meet, bm::ScheduleMode::Moderate,
                                          bm::FinalsPlacement::AtEnd, nullptr, nullptr);
    });
}
BENCHMARK(PlainScheduleRaces)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("large")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
