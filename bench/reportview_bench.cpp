// Showing reports in the main window's report view, offscreen: each report of
// the drawn and scheduled 3,000-crew meet of the scheduler benchmark, from
// choosing it in the selector to the painted view; the refresh after an
// edit of the default 300-crew meet with the draw tree shown; and what a
// change and an undo cost the user in the main window, with the draw tree
// shown and recovery copies kept.
#include "benchmeets.h"
#include "engine/import/makedata.h"
#include "engine/model/settings.h"
#include "engine/reports/catalogue.h"
#include "gui/common/dialogprovider.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/reportview.h"
#include "store/settingsstore.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

// A generated meet, drawn and scheduled from 0800 every 2 minutes, written to
// the folder.
std::string WriteMeet(const QTemporaryDir& dir, const char* name,
                      const bm::GenerateParams& params) {
    const std::unique_ptr<bm::Boatmeet> meet = bm::bench::ScheduledMeet(params);
    const std::string path = QDir(dir.path()).filePath(QString::fromUtf8(name)).toStdString();
    meet->SaveToFile(path, true);
    return path;
}

// The main window, shown at its usual size, with a meet open.
class Window {
public:
    explicit Window(const bm::GenerateParams& params)
        : store_(QDir(dir_.path()).filePath(QStringLiteral("settings.ini")).toStdString()),
          form_(store_, dialogs_) {
        const std::string meet = WriteMeet(dir_, "meet.bmf", params);
        form_.SetRecoveryFolder(QDir(dir_.path()).filePath(QStringLiteral("recovery")));
        form_.resize(1000, 720);
        form_.show();
        form_.OpenFile(QString::fromStdString(meet));
        bm::CurrentSettings() = bm::Settings{};
    }
    TForm1& Form() { return form_; }
    QComboBox& Selector() { return *form_.findChild<QComboBox*>(QStringLiteral("DSelect_CB")); }
    void Paint() {
        form_.findChild<QAbstractScrollArea*>(QStringLiteral("REdit"))->viewport()->repaint();
    }

private:
    QTemporaryDir dir_;
    bm::SettingsStore store_;
    StandardDialogs dialogs_;
    TForm1 form_;
};

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
        window.Form().MeetChanged("Crew change", group);
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
    window.Form().MeetChanged("Crew change");
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
