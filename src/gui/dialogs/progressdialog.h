// TProgressF: the window shown while races are being scheduled, with a bar
// that follows the share of races that have a time. The work runs on the
// window's own thread: while the window shows, it is modal, so no other
// command can start, and it has the windows painted between the work's steps.
// The same window, with a caption of its own and a Cancel button, waits for
// work whose share done is unknown: a long report made on another thread,
// shown beside the windows, which keep the keys; or another program's write
// that a save waits for, blocking the windows meanwhile.
#pragma once

#include "engine/schedule/progresssteps.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class QProgressBar;
class QPushButton;

// How a waiting window stands to the others: Beside, it is neither modal
// nor made active, so keys go on reaching the window they are typed in;
// Blocking, it is modal and its Cancel has the focus.
enum class WaitMode { Beside, Blocking };

class TProgressF : public QWidget {
    Q_OBJECT
public:
    explicit TProgressF(QWidget* parent = nullptr);

    // Shows the window with the bar at 0, for a new run.
    void ShowProgress();
    // Moves the bar for the percentage of work done, and lets the windows
    // repaint when they last could a while ago.
    void Advance(int percent);
    // Hides the window; what the user typed or clicked while it blocked the
    // windows is dropped.
    void HideProgress();
    // Shows the window for work going on elsewhere: the caption says what it
    // is, the bar runs to and fro, and Cancel (or closing the window) hides
    // it and calls cancel. HideProgress hides it when the work is done.
    void ShowWaiting(const QString& caption, std::function<void()> cancel, WaitMode mode);

    int Position() const;
    // How often the windows were let repaint since the window was shown.
    int PaintRounds() const { return paintRounds_; }

protected:
    // The window goes when the work ends, not before.
    void closeEvent(QCloseEvent* event) override;

private:
    // Pending paint and window events are handled; input waits (and, the
    // window being modal, goes nowhere).
    void LetPaint();

    void CancelWaiting();
    void SetMode(WaitMode mode);

    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* Cancel_B = nullptr;
    std::function<void()> cancel_;
    bm::ProgressSteps steps_;
    QElapsedTimer sincePaint_;
    int paintRounds_ = 0;
};
