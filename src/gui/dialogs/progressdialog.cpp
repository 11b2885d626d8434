#include "gui/dialogs/progressdialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The longest the windows go unpainted while the work runs: well under what
// the eye takes for a frozen window.
constexpr qint64 PaintIntervalMs = 25;

constexpr const char* SchedulingCaption = "Busy Scheduling Races...";

} // namespace

TProgressF::TProgressF(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("ProgressF"));
    setWindowTitle(QString::fromUtf8(SchedulingCaption));
    setWindowModality(Qt::ApplicationModal);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Races scheduled"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setMinimumWidth(320);
    Cancel_B = new QPushButton(QStringLiteral("&Cancel"), this);
    Cancel_B->setObjectName(QStringLiteral("Cancel_B"));
    Cancel_B->hide();
    connect(Cancel_B, &QPushButton::clicked, this, &TProgressF::CancelWaiting);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
    layout->addWidget(Cancel_B, 0, Qt::AlignHCenter);
}

void TProgressF::ShowProgress() {
    SetMode(WaitMode::Blocking);
    cancel_ = nullptr;
    Cancel_B->hide();
    setWindowTitle(QString::fromUtf8(SchedulingCaption));
    ProgressBar1->setAccessibleName(QStringLiteral("Races scheduled"));
    ProgressBar1->setRange(0, 100);
    steps_.Restart();
    ProgressBar1->setValue(0);
    paintRounds_ = 0;
    show();
    raise();
    LetPaint();
}

void TProgressF::Advance(int percent) {
    const int step = steps_.Step(percent);
    if (step > 0)
        ProgressBar1->setValue(std::min(100, ProgressBar1->value() + step));
    if (!sincePaint_.isValid() || sincePaint_.hasExpired(PaintIntervalMs))
        LetPaint();
}

void TProgressF::ShowWaiting(const QString& caption, std::function<void()> cancel, WaitMode mode) {
    SetMode(mode);
    cancel_ = std::move(cancel);
    setWindowTitle(caption);
    ProgressBar1->setAccessibleName(caption);
    // No range: the bar shows work going on without a share done.
    ProgressBar1->setRange(0, 0);
    Cancel_B->show();
    show();
    raise();
    if (mode == WaitMode::Beside)
        return;
    activateWindow();
    Cancel_B->setFocus();
}

void TProgressF::SetMode(WaitMode mode) {
    const bool beside = mode == WaitMode::Beside;
    if (isVisible() && beside == (windowModality() == Qt::NonModal))
        return;
    // Modality and focus are set while the window is hidden. Beside, the
    // window never takes the focus: its Cancel is clicked, or Escape is
    // pressed where the work was asked for.
    hide();
    setWindowModality(beside ? Qt::NonModal : Qt::ApplicationModal);
    setAttribute(Qt::WA_ShowWithoutActivating, beside);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, beside);
}

void TProgressF::CancelWaiting() {
    std::function<void()> cancel = std::move(cancel_);
    cancel_ = nullptr;
    hide();
    if (cancel)
        cancel();
}

void TProgressF::HideProgress() {
    cancel_ = nullptr;
    if (!isVisible())
        return;
    // Input held back during modal work reaches the windows now, while this
    // window still blocks them, and so is dropped. Beside, nothing was held.
    if (isModal())
        QCoreApplication::processEvents();
    hide();
}

int TProgressF::Position() const {
    return ProgressBar1->value();
}

// While races are scheduled the window goes when the work ends, not before;
// work that can be cancelled is cancelled.
void TProgressF::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (cancel_)
        CancelWaiting();
}

void TProgressF::LetPaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ++paintRounds_;
    sincePaint_.start();
}
