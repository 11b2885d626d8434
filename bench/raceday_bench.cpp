// Scheduling the drawn 3,000-crew meet of the scheduler benchmark (one period
// from 0800 every 2 minutes, Moderate, finals At end) from the race editor's
// "Schedule Races" button, offscreen: the time from the click until the
// window is back, how often the windows were let repaint meanwhile, and the
// longest time the program handled no event while the progress window showed.
// And the plan window's picture of the 20,000-crew meet: painting what the
// view shows, and laying it out anew, as a resize of the window does.
#include "benchmeets.h"
#include "engine/model/settings.h"
#include "engine/schedule/dayplan.h"
#include "engine/schedule/numbering.h"
#include "engine/session/messages.h"
#include "gui/common/dialogprovider.h"
#include "gui/dialogs/progressdialog.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/raceday/planpicture.h"
#include "store/settingsstore.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollArea>
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

// The picture in a view of 1000 x 700 pixels.
class PlanView {
public:
    PlanView() : view_(new PlanPictureView) {
        std::unique_ptr<bm::Boatmeet> meet = bm::bench::GeneratedMeet(bm::bench::Festival());
        meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
        plan_ = bm::PlanTheDay(*meet, bm::Settings{});
        area_.setWidgetResizable(true);
        area_.setWidget(view_);
        area_.resize(1000, 700);
        area_.show();
        view_->ShowPlan(plan_);
        QCoreApplication::processEvents();
    }
    QWidget& Viewport() { return *area_.viewport(); }
    PlanPictureView& View() { return *view_; }
    const bm::DayPlan& Plan() const { return plan_; }

private:
    bm::DayPlan plan_;
    QScrollArea area_;
    PlanPictureView* view_;
};

PlanView& ThePlanView() {
    static PlanView view;
    return view;
}

// The part of the picture the view shows, painted into an image as the
// window's backing store would be.
void PlanPicturePaint(benchmark::State& state) {
    PlanView& view = ThePlanView();
    QImage image(view.Viewport().size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        view.View().render(&image, QPoint(), QRegion(view.Viewport().rect()));
    state.counters["shapes"] = static_cast<double>(view.View().Picture().Shapes.size());
}
BENCHMARK(PlanPicturePaint)->Unit(benchmark::kMillisecond);

void PlanPictureLayOut(benchmark::State& state) {
    PlanView& view = ThePlanView();
    for (auto _ : state)
        view.View().ShowPlan(view.Plan());
}
BENCHMARK(PlanPictureLayOut)->Unit(benchmark::kMillisecond);

} // namespace
