// The plan of the day of the 20,000-crew meet on one day from 0800 to 1800
// every 2 minutes (far too many races: the proposals are worked out too),
// before the draw and after it, and of the 3,000-crew championship; and the
// big meet's picture laid out and written as SVG.
#include "benchmeets.h"
#include "engine/model/settings.h"
#include "engine/reports/dayplanpicture.h"
#include "engine/schedule/dayplan.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

// The 3,000-crew championship drawn, on the same day: the plan the window
// works out again after every change while it is open.
bm::Boatmeet& ChampionshipMeet() {
    static std::unique_ptr<bm::Boatmeet> meet = [] {
        std::unique_ptr<bm::Boatmeet> drawn = bm::bench::DrawnMeet(bm::bench::Championship());
        drawn->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
        return drawn;
    }();
    return *meet;
}

bm::Boatmeet& FestivalMeet(bool drawn) {
    static const auto make = [](bool draw) {
        std::unique_ptr<bm::Boatmeet> meet = draw ? bm::bench::DrawnMeet(bm::bench::Festival())
                                                  : bm::bench::GeneratedMeet(bm::bench::Festival());
        meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
        return meet;
    };
    static std::unique_ptr<bm::Boatmeet> undrawn = make(false);
    static std::unique_ptr<bm::Boatmeet> drawnMeet = make(true);
    return drawn ? *drawnMeet : *undrawn;
}

void PlanTheDay(benchmark::State& state) {
    const bm::Boatmeet& meet = FestivalMeet(state.range(0) == 1);
    const bm::Settings settings;
    bm::DayPlan plan;
    for (auto _ : state) {
        plan = bm::PlanTheDay(meet, settings);
        benchmark::DoNotOptimize(plan.AtLeastLate);
    }
    state.counters["crews"] = static_cast<double>(meet.Crews.size());
    state.counters["races"] = plan.Races;
    state.counters["at_least_late"] = plan.AtLeastLate;
    state.counters["proposals"] = static_cast<double>(plan.Proposals.size());
}
BENCHMARK(PlanTheDay)->Arg(0)->Arg(1)->ArgName("drawn")->Unit(benchmark::kMillisecond);

void PlanTheChampionship(benchmark::State& state) {
    const bm::Boatmeet& meet = ChampionshipMeet();
    for (auto _ : state)
        benchmark::DoNotOptimize(bm::PlanTheDay(meet, bm::Settings{}).AtLeastLate);
}
BENCHMARK(PlanTheChampionship)->Unit(benchmark::kMillisecond);

void PlanPicture(benchmark::State& state) {
    const bm::DayPlan plan = bm::PlanTheDay(FestivalMeet(false), bm::Settings{});
    std::size_t shapes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        const bm::PlanPicture picture = bm::LayOutDayPlan(plan);
        bm::WriteDayPlanSvg(out, picture);
        shapes = picture.Shapes.size();
        benchmark::DoNotOptimize(out.tellp());
    }
    state.counters["shapes"] = static_cast<double>(shapes);
}
BENCHMARK(PlanPicture)->Unit(benchmark::kMillisecond);

} // namespace
