#include "gui/dialogs/lockwait.h"

#include "gui/dialogs/progressdialog.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// A wait shorter than this shows nothing.
constexpr qint64 ShowAfterMs = 100;

QString WaitingCaption(const std::string& fileName) {
    return QStringLiteral("Waiting for another program to finish writing %1...")
        .arg(QFileInfo(QString::fromStdString(fileName)).fileName());
}

} // namespace

LockWait::LockWait(QWidget* parent) : window_(new TProgressF(parent)) {}

bool LockWait::KeepWaiting(const std::string& fileName) {
    if (!waiting_.isValid()) {
        waiting_.start();
        cancelled_ = false;
    }
    if (window_->isVisible()) {
        // The window is modal: only it takes the user's input.
        QCoreApplication::processEvents();
    } else {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (waiting_.hasExpired(ShowAfterMs))
            window_->ShowWaiting(
                WaitingCaption(fileName), [this] { cancelled_ = true; }, WaitMode::Blocking);
    }
    return !cancelled_;
}

void LockWait::Over() {
    waiting_.invalidate();
    window_->HideProgress();
}
