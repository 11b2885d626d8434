// Scheduling the drawn 3,000-crew meet of the scheduler benchmark (one period
// from 0800 every 2 minutes, Moderate, finals At end) from the race editor's
// "Schedule Races" button, offscreen: the time from the click until the
// window is back, how often the windows were let repaint meanwhile, and the
// longest time the program handled no event while the progress window showed.
#include "benchmeets.h"
#include "engine/model/settings.h"
#include "engine/schedule/numbering.h"
#include "engine/session/messages.h"
#include "gui/common/dialogprovider.h"
#include "gui/dialogs/progressdialog.h"
#include "gui/mainwindow/mainwindow.h"
#include "store/settingsstore.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

std::string WriteDrawnMeet(const QTemporaryDir& dir) {
    const std::unique_ptr<bm::Boatmeet> meet = bm::bench::DrawnMeet(bm::bench::Championship());
    meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
    meet->SType = bm::ScheduleMode::Moderate;
    meet->FType = bm::FinalsPlacement::AtEnd;
    const std::string path = QDir(dir.path()).filePath(QStringLiteral("meet.bmf")).toStdString();
    meet->SaveToFile(path, true);
    return path;
}

// The main window with the meet open and the race editor showing.
class Window {
public:
    Window()
        : store_(QDir(dir_.path()).filePath(QStringLiteral("settings.ini")).toStdString()),
          form_(store_, dialogs_, messages_) {
        const std::string meet = WriteDrawnMeet(dir_);
        form_.resize(1000, 720);
        form_.show();
        form_.OpenFile(QString::fromStdString(meet));
        bm::CurrentSettings() = bm::Settings{};
        form_.findChild<QAction*>(QStringLiteral("EditRace"))->trigger();
    }
    TForm1& Form() { return form_; }
    QAbstractButton& Schedule() {
        return *form_.findChild<QAbstractButton*>(QStringLiteral("Schedule_B"));
    }

private:
    QTemporaryDir dir_;
    bm::SettingsStore store_;
    StandardDialogs dialogs_;
    bm::SilentMessages messages_;
    TForm1 form_;
};

// Measures the stretches between event-loop passes while the progress window shows.
class Gaps {
public:
    explicit Gaps(const TProgressF& progress) : progress_(progress) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Pass(); });
    }
    void Start() {
        longest_ = 0;
        since_.invalidate();
        timer_.start();
    }
    void Stop() { timer_.stop(); }
    qint64 LongestMs() const { return longest_; }

private:
    void Pass() {
        if (!progress_.isVisible())
            return;
        if (since_.isValid())
            longest_ = std::max(longest_, since_.elapsed());
        since_.start();
    }

    const TProgressF& progress_;
    QTimer timer_;
    QElapsedTimer since_;
    qint64 longest_ = 0;
};

void ScheduleInWindow(benchmark::State& state) {
    static Window window;
    bm::Boatmeet& meet = *window.Form().Session().Meet();
    const TProgressF& progress = *window.Form().ProgressWindow();
    Gaps gaps(progress);
    for (auto _ : state) {
        state.PauseTiming();
        ClearRaceTimes(meet);
        gaps.Start();
        state.ResumeTiming();
        window.Schedule().click();
        state.PauseTiming();
        gaps.Stop();
        state.ResumeTiming();
    }
    int timed = 0;
    for (const bm::Race* race : meet.OrderedRaces())
        timed += race->IsTimed();
    state.counters["races_timed"] = timed;
    state.counters["paint_rounds"] = progress.PaintRounds();
    state.counters["longest_gap_ms"] = static_cast<double>(gaps.LongestMs());
}
BENCHMARK(ScheduleInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
