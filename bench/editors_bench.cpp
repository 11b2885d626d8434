// The crew editor on a championship (3,000 crews, 150 events, 200 clubs, 600
// double-ups and 300 boat shares, drawn): opening it (sorting the crews and
// making the list lines), selecting a crew with what the window then shows,
// changing a crew's event, and a new crew (whose missing event the sort must
// place last).
#include "benchmeets.h"
#include "engine/editors/creweditor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

bm::Boatmeet& LargeMeet() {
    static std::unique_ptr<bm::Boatmeet> meet = bm::bench::DrawnMeet(bm::bench::Championship());
    return *meet;
}

// A crew in the middle of the list that has links to show.
int LinkedCrewLine(const bm::CrewEditor& editor, bm::Boatmeet& meet) {
    for (std::size_t line = editor.Lines().size() / 2; line < editor.Lines().size(); ++line) {
        const bm::Crew* crew = meet.FindCrew(editor.Lines()[line].Id);
        if (!crew->DoubleUps.empty() || !crew->BoatShares.empty())
            return static_cast<int>(line);
    }
    return 0;
}

void Report(benchmark::State& state, const bm::Boatmeet& meet) {
    state.counters["crews"] = static_cast<double>(meet.Crews.size());
}

// Opening on crews in generated (arg 0: shuffled) or already sorted (arg 1) order.
void OpenCrewEditor(benchmark::State& state) {
    bm::Boatmeet& meet = LargeMeet();
    std::mt19937 shuffle(7);
    for (auto _ : state) {
        if (state.range(0) == 0) {
            state.PauseTiming();
            std::shuffle(meet.Crews.begin(), meet.Crews.end(), shuffle);
            state.ResumeTiming();
        }
        const bm::CrewEditor editor(meet);
        benchmark::DoNotOptimize(editor.Lines().data());
    }
    Report(state, meet);
}
BENCHMARK(OpenCrewEditor)->Arg(0)->Arg(1)->ArgName("sorted")->Unit(benchmark::kMillisecond);

void SelectCrew(benchmark::State& state) {
    bm::Boatmeet& meet = LargeMeet();
    bm::CrewEditor editor(meet);
    const int line = LinkedCrewLine(editor, meet);
    for (auto _ : state) {
        editor.SelectLine(line);
        const bm::CrewFields fields = editor.Fields();
        benchmark::DoNotOptimize(fields.Name.data());
        benchmark::DoNotOptimize(editor.CurrentLine());
        benchmark::DoNotOptimize(editor.LengthLabel().data());
    }
    Report(state, meet);
}
BENCHMARK(SelectCrew)->Unit(benchmark::kMillisecond);

// The crew goes back and forth between two events; the move is not recorded.
void ChangeEvent(benchmark::State& state) {
    bm::Boatmeet& meet = LargeMeet();
    bm::CrewEditor editor(meet);
    editor.SelectLine(LinkedCrewLine(editor, meet));
    const bm::Confirm no = [](const std::string&) { return false; };
    const std::string events[2] = {meet.Events.TextAt(3), meet.Events.TextAt(100)};
    int turn = 0;
    for (auto _ : state) {
        const bm::CrewEditResult result = editor.ChooseEvent(events[turn ^= 1], no);
        benchmark::DoNotOptimize(editor.Fields().Name.data());
        benchmark::DoNotOptimize(result.Messages.data());
    }
    Report(state, meet);
}
BENCHMARK(ChangeEvent)->Unit(benchmark::kMillisecond);

void NewCrew(benchmark::State& state) {
    bm::Boatmeet& meet = LargeMeet();
    bm::CrewEditor editor(meet);
    const bm::Confirm yes = [](const std::string&) { return true; };
    for (auto _ : state) {
        const bm::CrewEditResult result = editor.New();
        benchmark::DoNotOptimize(result.Refilled);
        state.PauseTiming();
        editor.Delete(yes);
        state.ResumeTiming();
    }
    Report(state, meet);
}
BENCHMARK(NewCrew)->Unit(benchmark::kMillisecond);

} // namespace
