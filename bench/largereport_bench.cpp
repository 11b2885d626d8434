// Championship-size reports as boatmeet-cli writes them: "Draws for each
// Club" (the largest text of all: each club gets the whole draw of every
// event it has a crew in) of a drawn meet of 20,000 and 100,000 crews, as
// plain text and as HTML, streamed into a sink that only counts the bytes.
// The peak memory of the process is given beside the time; it must not grow
// with the report's size.
#include "engine/draw/randomdraw.h"
#include "engine/import/makedata.h"
#include "engine/model/random.h"
#include "engine/model/settings.h"
#include "engine/reports/catalogue.h"
#include "engine/reports/reportoutput.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <ostream>
#include <sys/resource.h>

namespace {

constexpr int DrawsForEachClub = 15;

// Counts what is written to it and keeps nothing.
class CountingBuffer : public std::streambuf {
public:
    std::size_t bytes = 0;

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            ++bytes;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize count) override {
        bytes += static_cast<std::size_t>(count);
        return count;
    }
};

// The generated meet of that many crews (30 events, 50 clubs, as boatmeet-cli
// generate makes it by default), every event drawn.
bm::Boatmeet& DrawnMeet(int crews) {
    static std::map<int, std::unique_ptr<bm::Boatmeet>> meets;
    std::unique_ptr<bm::Boatmeet>& meet = meets[crews];
    if (!meet) {
        bm::ResetRandom();
        bm::GenerateParams params;
        params.Crews = crews;
        std::string error;
        meet = bm::GenerateMeet(params, error);
        bm::DrawAllEvents(*meet);
    }
    return *meet;
}

void SetCounters(benchmark::State& state, std::size_t bytes) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["report_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_RSS_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void DrawsByClubText(benchmark::State& state) {
    bm::CurrentSettings() = bm::Settings{};
    const bm::Boatmeet& meet = DrawnMeet(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer sink;
        std::ostream out(&sink);
        bm::WriteReport(meet, DrawsForEachClub, bm::ShowType::Races, out);
        bytes = sink.bytes;
    }
    SetCounters(state, bytes);
}
BENCHMARK(DrawsByClubText)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

void DrawsByClubHtml(benchmark::State& state) {
    bm::CurrentSettings() = bm::Settings{};
    const bm::Boatmeet& meet = DrawnMeet(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer sink;
        std::ostream out(&sink);
        bm::WriteHtmlReport(out, meet.Title, meet.Date, "Draws for each Club",
                            bm::LinesOfReport([&meet](std::ostream& report) {
                                bm::WriteReport(meet, DrawsForEachClub, bm::ShowType::Races,
                                                report);
                            }));
        bytes = sink.bytes;
    }
    SetCounters(state, bytes);
}
BENCHMARK(DrawsByClubHtml)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
