// A program for the undo test to kill: it opens the meet file in the real main
// window, with the settings file and recovery folder given, numbers the crews
// by club through the Operations menu, waits until the recovery copy of that
// change is on disk, prints "ready" and runs on until it is killed.
// Usage: bm_recovery_child SETTINGS RECOVERYFOLDER MEETFILE
#include "engine/session/messages.h"
#include "gui/common/dialogprovider.h"
#include "gui/mainwindow/mainwindow.h"
#include "store/settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    bm::SettingsStore store(arguments.at(1).toStdString());
    StandardDialogs dialogs; // never shown: the change asks nothing
    bm::SilentMessages messages;
    TForm1 window(store, dialogs, messages);
    window.SetRecoveryFolder(arguments.at(2));
    window.show();
    window.StartUp(arguments.at(3));
    window.findChild<QAction*>(QStringLiteral("NumberCrewsByClub"))->trigger();
    const QString copy = QString::fromStdString(window.Session().RecoveryCopyPath());
    const QDeadlineTimer deadline(10000);
    while (copy.isEmpty() || !QFileInfo::exists(copy)) {
        if (deadline.hasExpired())
            return 3;
        QApplication::processEvents();
        QThread::msleep(10);
    }
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
