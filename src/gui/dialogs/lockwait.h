// LockWait: what the desktop program shows while a save waits for another
// program (boatmeet-cli, another window) to finish writing the meet file:
// after a moment the progress window, modal, with Cancel; the windows keep
// being painted meanwhile, so the program never looks frozen.
#pragma once

#include <QElapsedTimer>

#include <string>

class QWidget;
class TProgressF;

class LockWait {
public:
    // The progress window is a child of the parent window.
    explicit LockWait(QWidget* parent);

    // One turn of the waiting (the session calls it about every 10 ms):
    // false once the user cancelled.
    bool KeepWaiting(const std::string& fileName);
    // The waiting is over: the window goes.
    void Over();

private:
    TProgressF* window_;
    QElapsedTimer waiting_;
    bool cancelled_ = false;
};
