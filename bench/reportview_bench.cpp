// Showing reports in the main window's report view, offscreen: each report of
// the drawn and scheduled 3,000-crew meet of the scheduler benchmark, from
// choosing it in the selector to the painted view; "Draws for each Club" of a
// drawn meet of 20,000 crews in 400 events from 300 clubs, until it shows; the refresh after an
// edit of the default 300-crew meet with the draw tree shown; and what a
// change and an undo cost the user in the main window, with the draw tree
// shown and recovery copies kept.
#include "benchmeets.h"
#include "benchwindow.h"
#include "engine/reports/catalogue.h"
#include "gui/common/reportlinesview.h"
#include "gui/mainwindow/reportview.h"

#include <QSignalBlocker>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

using benchwindow::Window;

Window& LargeMeetWindow() {
    static Window window(bm::bench::Championship());
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
        lines = static_cast<std::size_t>(window.Form().findChild<ReportLinesView*>()->LineCount());
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetLabel(std::string(bm::ReportCaptions[static_cast<std::size_t>(index)]));
}
BENCHMARK(ShowReport)->DenseRange(0, bm::ReportCount - 1)->Unit(benchmark::kMillisecond);

// Choosing "Draws for each Club" of the 20,000-crew meet until the view shows
// it (a report not ready within half a second shows when it is, behind the
// progress window).
void ShowLargeReport(benchmark::State& state) {
    static Window window(bm::GenerateParams{"", 20000, 400, 300, 0, 0}, false);
    const int index = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        {
            const QSignalBlocker blocker(window.Selector());
            window.Selector().setCurrentIndex(0);
        }
        window.Form().Report().LoadView({});
        state.ResumeTiming();
        window.Selector().setCurrentIndex(index);
        window.WaitForReport();
        window.Paint();
    }
    state.counters["lines"] =
        static_cast<double>(window.Form().findChild<ReportLinesView*>()->LineCount());
    state.SetLabel(std::string(bm::ReportCaptions[static_cast<std::size_t>(index)]));
}
BENCHMARK(ShowLargeReport)->Arg(15)->Unit(benchmark::kMillisecond)->Iterations(1);

// "Draw all Events" in the main window on a drawn meet of 100,000 crews in
// 2,000 events from 1,500 clubs, the draw tree shown and recovery copies
// kept: from the command until the window shows the new draws (the step
// recorded, the recovery copy handed to its writer, the view refreshed).
// boatmeet-cli's draw on the same meet is the yardstick.
void DrawAllInWindow(benchmark::State& state) {
    static Window window(bm::GenerateParams{"", 100000, 2000, 1500, 0, 0}, false);
    window.Selector().setCurrentIndex(0);
    window.WaitForReport();
    for (auto _ : state) {
        state.PauseTiming();
        // No draws, so no question before drawing.
        window.Form().Session().Meet()->Draws.clear();
        state.ResumeTiming();
        window.Form().OpnsDraw();
        window.Paint();
        window.WaitForReport();
        window.Paint();
    }
    window.Form().Session().FlushRecovery();
    state.counters["draws"] = static_cast<double>(window.Form().Session().Meet()->Draws.size());
}
BENCHMARK(DrawAllInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

// A crew renamed, then everything refreshed as after any editor's change,
// until the view shows the report made again (made at once here: no pause
// for more changes).
void RefreshAfterEdit(benchmark::State& state) {
    Window& window = DefaultMeetWindow();
    window.Selector().setCurrentIndex(0);
    window.Form().Report().SetChangePause(std::chrono::milliseconds(0));
    bm::Crew& crew = *window.Form().Session().Meet()->Crews[150];
    const std::string names[] = {crew.Name, crew.Name + " B"};
    int turn = 0;
    for (auto _ : state) {
        crew.Name = names[++turn % 2];
        window.Form().RefreshAll();
        window.WaitForReport();
        window.Paint();
    }
    // 1 when the refreshed view shows the edited name.
    crew.Name = names[1];
    window.Form().RefreshAll();
    window.WaitForReport();
    const std::vector<std::string>& lines = window.Form().Report().ViewLines();
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["edit_shown"] =
        std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(names[1]) != std::string::npos;
        });
    crew.Name = names[0];
}
BENCHMARK(RefreshAfterEdit)->Unit(benchmark::kMillisecond);

Window& MeetWindow(const benchmark::State& state) {
    return state.range(0) == 0 ? DefaultMeetWindow() : LargeMeetWindow();
}

// A crew renamed as the crew editor does it at each key: the step recorded,
// the recovery copy handed to its writer, every view refreshed and the view
// painted; the time until the window is the user's again.
void ChangeInMainWindow(benchmark::State& state) {
    Window& window = MeetWindow(state);
    window.Selector().setCurrentIndex(0);
    bm::Boatmeet& meet = *window.Form().Session().Meet();
    const int id = meet.Crews[150]->Id;
    const std::string group = bm::TypingGroup("crew", id, "name");
    std::int64_t i = 0;
    for (auto _ : state) {
        meet.FindCrew(id)->Name = "Typed " + std::to_string(++i);
        window.Form().Session().Changed("Crew change", group);
        window.Paint();
    }
    window.Form().Session().FlushRecovery();
}
BENCHMARK(ChangeInMainWindow)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);

// Undo and then redo a step through the Edit menu's handlers: two restores of
// the meet, each followed by refresh all and the painted view.
void UndoRedoInMainWindow(benchmark::State& state) {
    Window& window = MeetWindow(state);
    window.Selector().setCurrentIndex(0);
    window.Form().Session().Meet()->Crews[150]->Name = "Changed";
    window.Form().Session().Changed("Crew change");
    for (auto _ : state) {
        window.Form().EditUndo();
        window.Paint();
        window.Form().EditRedo();
        window.Paint();
    }
    window.Form().Session().FlushRecovery();
}
BENCHMARK(UndoRedoInMainWindow)->Arg(0)->Arg(1)->ArgName("large")->Unit(benchmark::kMillisecond);

} // namespace
