// Publishing the 3,000-crew championship (150 events, 100 clubs), drawn,
// scheduled and numbered: the first publication into an empty folder, a
// publication with nothing changed (which must write no file), and one after
// a single race time changed.
#include "benchmeets.h"

#include "engine/publish/publish.h"
#include "engine/schedule/numbering.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

bm::Boatmeet& Championship() {
    static std::unique_ptr<bm::Boatmeet> meet = [] {
        bm::GenerateParams params = bm::bench::Championship();
        params.Clubs = 100;
        std::unique_ptr<bm::Boatmeet> scheduled = bm::bench::ScheduledMeet(params);
        NumberRaces(*scheduled);
        scheduled->NumberCrewsByEvent();
        return scheduled;
    }();
    return *meet;
}

// The site's folder, of the benchmark's own and removed when it ends.
const fs::path& SiteFolder() {
    static const struct Folder {
        fs::path path = fs::temp_directory_path() / ("bench_publish_" + std::to_string(::getpid()));
        ~Folder() { fs::remove_all(path); }
    } folder;
    return folder.path;
}

bm::PublishResult Publish() {
    return bm::PublishSite(Championship(), {SiteFolder().string(), "2024-03-12 10:15", false});
}

void Report(benchmark::State& state, const bm::PublishResult& result) {
    if (!result.Ok)
        state.SkipWithError(result.Error.c_str());
    state.counters["written"] = result.Written;
    state.counters["crews"] = static_cast<double>(Championship().Crews.size());
}

void BM_PublishIntoEmptyFolder(benchmark::State& state) {
    Championship();
    bm::PublishResult result;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(SiteFolder());
        state.ResumeTiming();
        result = Publish();
    }
    Report(state, result);
}
BENCHMARK(BM_PublishIntoEmptyFolder)->Unit(benchmark::kMillisecond);

void BM_PublishNothingChanged(benchmark::State& state) {
    Publish();
    bm::PublishResult result;
    for (auto _ : state)
        result = Publish();
    if (!result.NothingChanged || result.Written != 0)
        state.SkipWithError("a publication with nothing changed wrote files");
    Report(state, result);
}
BENCHMARK(BM_PublishNothingChanged)->Unit(benchmark::kMillisecond);

void BM_PublishOneTimeChanged(benchmark::State& state) {
    Publish();
    bm::Race* race = Championship().RaceList.front();
    bm::PublishResult result;
    for (auto _ : state) {
        race->Time = race->Time == 700 ? 701 : 700;
        result = Publish();
    }
    Report(state, result);
}
BENCHMARK(BM_PublishOneTimeChanged)->Unit(benchmark::kMillisecond);

} // namespace
