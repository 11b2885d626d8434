// Drawing every event of a large meet, and writing its draw displays.
#include "benchmeets.h"
#include "engine/draw/drawdisplay.h"
#include "engine/draw/randomdraw.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

std::unique_ptr<bm::Boatmeet> DrawnMeet(int crews, int events, int clubs) {
    return bm::bench::DrawnMeet({"Benchmark Regatta", crews, events, clubs});
}

// A meet of 20,000 crews in 400 events from 500 clubs, drawn once.
bm::Boatmeet& LargeMeet() {
    static std::unique_ptr<bm::Boatmeet> meet = DrawnMeet(20000, 400, 500);
    return *meet;
}

// 20,000 crews in one event: a first round of 32,768 entries.
bm::Boatmeet& WideEvent() {
    static std::unique_ptr<bm::Boatmeet> meet = DrawnMeet(20000, 1, 500);
    return *meet;
}

void DrawAllEvents(benchmark::State& state) {
    bm::Boatmeet& meet = state.range(0) == 0 ? LargeMeet() : WideEvent();
    for (auto _ : state) {
        DrawAllEvents(meet);
        benchmark::DoNotOptimize(meet.RaceList.data());
    }
    state.counters["crews"] = static_cast<double>(meet.Crews.size());
}
BENCHMARK(DrawAllEvents)->Arg(0)->Arg(1)->ArgName("wide")->Unit(benchmark::kMillisecond);

void WriteAllDraws(benchmark::State& state) {
    bm::Boatmeet& meet = state.range(1) == 0 ? LargeMeet() : WideEvent();
    const int layout = static_cast<int>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        bm::WriteAllDraws(meet, out, static_cast<bm::DrawLayout>(layout), bm::ShowType::Races);
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(WriteAllDraws)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"layout", "wide"})
    ->Unit(benchmark::kMillisecond);

} // namespace
