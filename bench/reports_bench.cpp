// All eighteen reports of a drawn and scheduled 3,000-crew meet.
#include "engine/draw/randomdraw.h"
#include "engine/import/makedata.h"
#include "engine/model/random.h"
#include "engine/model/settings.h"
#include "engine/reports/catalogue.h"
#include "engine/schedule/scheduler.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

bm::Boatmeet& LargeMeet() {
    static std::unique_ptr<bm::Boatmeet> meet = [] {
        bm::ResetRandom();
        bm::GenerateParams params;
        params.Title = "Benchmark Regatta";
        params.Crews = 3000;
        params.Events = 60;
        params.Clubs = 100;
        params.DoubleUps = 300;
        params.BoatShares = 300;
        std::string error;
        auto generated = bm::GenerateMeet(params, error);
        generated->RaceTimes.SetPeriods({{800, 2000, 1, 0}});
        DrawAllEvents(*generated);
        generated->NumberCrewsByEvent();
        generated->CollectRaces();
        ScheduleRaces(*generated, generated->SType, generated->FType, nullptr, nullptr);
        return generated;
    }();
    return *meet;
}

std::size_t WriteOne(int index) {
    std::ostringstream out;
    bm::WriteReport(LargeMeet(), index, bm::ShowType::Races, out);
    return out.str().size();
}

void AllReports(benchmark::State& state) {
    bm::CurrentSettings() = bm::Settings{};
    LargeMeet();
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (int index = 0; index < bm::ReportCount; ++index)
            bytes += WriteOne(index);
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(AllReports)->Unit(benchmark::kMillisecond);

void OneReport(benchmark::State& state) {
    bm::CurrentSettings() = bm::Settings{};
    LargeMeet();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteOne(static_cast<int>(state.range(0))));
}
BENCHMARK(OneReport)->DenseRange(0, bm::ReportCount - 1)->Unit(benchmark::kMillisecond);

} // namespace
