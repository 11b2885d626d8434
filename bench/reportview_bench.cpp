// Showing reports in the main window's report view, offscreen: each report of
// the drawn and scheduled 3,000-crew meet of the scheduler benchmark, from
// choosing it in the selector to the painted view; and the refresh after an
// edit of the default 300-crew meet with the draw tree shown.
#include "benchwindow.h"
#include "engine/reports/catalogue.h"
#include "gui/mainwindow/reportview.h"

#include <QSignalBlocker>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

using benchwindow::Window;

Window& LargeMeetWindow() {
    static Window window({"", 3000, 150, 200, 600, 300});
    return window;
}

Window& DefaultMeetWindow() {
    static Window window(bm::GenerateParams{});
    return window;
}

// Each iteration starts from an empty view with another report chosen, then
// chooses the report and paints the view.
void ShowReport(benchmark::State& state) {
    Window& window = LargeMeetWindow();
    const int index = static_cast<int>(state.range(0));
    std::size_t lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            const QSignalBlocker blocker(window.Selector());
            window.Selector().setCurrentIndex(index == 0 ? 1 : 0);
        }
        window.Form().Report().LoadView({});
        state.ResumeTiming();
        window.Selector().setCurrentIndex(index);
        window.Paint();
        state.PauseTiming();
        lines = window.Form().Report().ViewLines().size();
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetLabel(std::string(bm::ReportCaptions[static_cast<std::size_t>(index)]));
}
BENCHMARK(ShowReport)->DenseRange(0, bm::ReportCount - 1)->Unit(benchmark::kMillisecond);

// A crew renamed, then everything refreshed as after any editor's change.
void RefreshAfterEdit(benchmark::State& state) {
    Window& window = DefaultMeetWindow();
    window.Selector().setCurrentIndex(0);
    bm::Crew& crew = *window.Form().Session().Meet()->Crews[150];
    const std::string names[] = {crew.Name, crew.Name + " B"};
    int turn = 0;
    for (auto _ : state) {
        crew.Name = names[++turn % 2];
        window.Form().RefreshAll();
        window.Paint();
    }
    // 1 when the refreshed view shows the edited name.
    crew.Name = names[1];
    window.Form().RefreshAll();
    const std::vector<std::string>& lines = window.Form().Report().ViewLines();
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["edit_shown"] =
        std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(names[1]) != std::string::npos;
        });
    crew.Name = names[0];
}
BENCHMARK(RefreshAfterEdit)->Unit(benchmark::kMillisecond);

} // namespace
