// Loading and saving a large meet (20,000 crews in 400 events, 500 clubs, every
// event drawn), and crew lookup by id.
#include "engine/draw/randomdraw.h"
#include "engine/import/makedata.h"
#include "engine/model/boatmeet.h"
#include "engine/model/random.h"
#include "engine/model/textfile.h"
#include "engine/schedule/numbering.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

using bm::Boatmeet;

// The meet, its file text, and the file on disk, made once for every benchmark.
struct BigMeet {
    std::unique_ptr<Boatmeet> meet;
    std::string text;
    std::string path;

    BigMeet() {
        bm::ResetRandom();
        std::string error;
        meet = bm::GenerateMeet({"Benchmark Regatta", 20000, 400, 500, 2000, 1000}, error);
        DrawAllEvents(*meet);
        NumberRaces(*meet);
        meet->NumberCrewsByEvent();
        std::ostringstream out;
        meet->WriteTo(out, true);
        text = out.str();
        path = (std::filesystem::temp_directory_path() /
                ("bench_meetfile_" + std::to_string(::getpid()) + ".bmf"))
                   .string();
        bm::WriteFileSafely(path, text);
    }
    ~BigMeet() { std::remove(path.c_str()); }
};

BigMeet& Big() {
    static BigMeet big;
    return big;
}

void SetCounters(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Big().text.size()));
    state.counters["crews"] = static_cast<double>(Big().meet->Crews.size());
}

// Loading only: each loaded meet is destroyed outside the timed part.
template <typename Load> void MeasureLoading(benchmark::State& state, Load load) {
    Big();
    for (auto _ : state) {
        std::unique_ptr<Boatmeet> meet = load();
        benchmark::DoNotOptimize(meet.get());
        state.PauseTiming();
        meet.reset();
        state.ResumeTiming();
    }
    SetCounters(state);
}

void BM_LoadFromText(benchmark::State& state) {
    MeasureLoading(state, [] { return Boatmeet::LoadFromText(Big().text); });
}
BENCHMARK(BM_LoadFromText)->Unit(benchmark::kMillisecond);

void BM_LoadFromFile(benchmark::State& state) {
    MeasureLoading(state, [] { return Boatmeet::LoadFromFile(Big().path); });
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

// What "wc -l" does on the same file: read it and count its line ends.
void BM_CountLinesOfFile(benchmark::State& state) {
    std::vector<char> buffer(1 << 16);
    Big();
    for (auto _ : state) {
        std::FILE* file = std::fopen(Big().path.c_str(), "rb");
        long lines = 0;
        for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;)
            lines += std::count(buffer.data(), buffer.data() + got, '\n');
        std::fclose(file);
        benchmark::DoNotOptimize(lines);
    }
    SetCounters(state);
}
BENCHMARK(BM_CountLinesOfFile)->Unit(benchmark::kMillisecond);

void BM_WriteTo(benchmark::State& state) {
    Big();
    for (auto _ : state) {
        std::ostringstream out;
        Big().meet->WriteTo(out, true);
        benchmark::DoNotOptimize(out.str().size());
    }
    SetCounters(state);
}
BENCHMARK(BM_WriteTo)->Unit(benchmark::kMillisecond);

// Saving as the program does: the whole text, a temporary file flushed to the
// disk, then renamed over the old file.
void BM_SaveToFile(benchmark::State& state) {
    const std::string target = Big().path + ".saved";
    for (auto _ : state)
        benchmark::DoNotOptimize(Big().meet->SaveToFile(target, true));
    std::remove(target.c_str());
    SetCounters(state);
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

// Every crew looked up once, in a scattered order, then as many ids no crew bears.
void BM_FindCrew(benchmark::State& state) {
    Boatmeet& meet = *Big().meet;
    const int count = static_cast<int>(meet.Crews.size());
    for (auto _ : state) {
        long found = 0;
        for (int i = 0; i < count; ++i)
            found += meet.FindCrew(1 + (i * 7919) % count)->Id;
        for (int i = 0; i < count; ++i)
            found += meet.FindCrew(count + 1 + i)->Id;
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * 2 * count);
}
BENCHMARK(BM_FindCrew)->Unit(benchmark::kMicrosecond);

} // namespace
