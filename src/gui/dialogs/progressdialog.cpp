#include "gui/dialogs/progressdialog.h"

#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

TProgressF::TProgressF(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("ProgressF"));
    setWindowTitle(QStringLiteral("Busy Scheduling Races..."));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
}

void TProgressF::ShowProgress() {
    steps_.Restart();
    ProgressBar1->setValue(0);
    show();
    raise();
}

void TProgressF::Advance(int percent) {
    const int step = steps_.Step(percent);
    if (step == 0)
        return;
    ProgressBar1->setValue(std::min(100, ProgressBar1->value() + step));
    // The work runs on this thread: draw the bar now rather than after the run.
    ProgressBar1->repaint();
}

void TProgressF::HideProgress() {
    hide();
}

int TProgressF::Position() const {
    return ProgressBar1->value();
}
