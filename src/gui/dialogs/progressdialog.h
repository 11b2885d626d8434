// TProgressF: the window shown while races are being scheduled, with a bar
// that follows the share of races that have a time.
#pragma once

#include "engine/schedule/progresssteps.h"

#include <QWidget>

class QProgressBar;

class TProgressF : public QWidget {
    Q_OBJECT
public:
    explicit TProgressF(QWidget* parent = nullptr);

    // Shows the window with the bar at 0, for a new run.
    void ShowProgress();
    // Moves the bar for the percentage of work done.
    void Advance(int percent);
    void HideProgress();

    int Position() const;

private:
    QProgressBar* ProgressBar1 = nullptr;
    bm::ProgressSteps steps_;
};
