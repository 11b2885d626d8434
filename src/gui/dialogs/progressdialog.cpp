#include "gui/dialogs/progressdialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The longest the windows go unpainted while the work runs: well under what
// the eye takes for a frozen window.
constexpr qint64 PaintIntervalMs = 25;

} // namespace

TProgressF::TProgressF(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("ProgressF"));
    setWindowTitle(QStringLiteral("Busy Scheduling Races..."));
    setWindowModality(Qt::ApplicationModal);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(QStringLiteral("Races scheduled"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
}

void TProgressF::ShowProgress() {
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

void TProgressF::HideProgress() {
    if (!isVisible())
        return;
    // Input held back during the work reaches the windows now, while this
    // modal window still blocks them, and so is dropped.
    QCoreApplication::processEvents();
    hide();
}

int TProgressF::Position() const {
    return ProgressBar1->value();
}

void TProgressF::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void TProgressF::LetPaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ++paintRounds_;
    sincePaint_.start();
}
