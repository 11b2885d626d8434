#include "gui/commandline.h"
#include "gui/common/dialogprovider.h"
#include "gui/dialogs/windowmessages.h"
#include "gui/mainwindow/mainwindow.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QStandardPaths>

#include <csignal>
#include <iostream>

// Boatmeet [MEETFILE]: with a meet file (as a file manager passes it) the
// window opens it at once; without one it greets with the About box and
// offers the unsaved changes a crash left behind.
int main(int argc, char** argv) {
    if (AnswerOnTerminal(std::vector<std::string>(argv + 1, argv + argc), std::cout))
        return 0;
    // A save past the file-size limit (ulimit -f) then fails with EFBIG and
    // says so, leaving no temporary file, instead of the program being killed.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Boatmeet"));
    QApplication::setOrganizationName(QStringLiteral("Keelworks"));
    bm::SettingsStore store;
    StandardDialogs dialogs;
    WindowMessages messages;
    TForm1 window(store, dialogs, messages);
    messages.SetParent(&window);
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!appData.isEmpty())
        window.SetRecoveryFolder(appData + QStringLiteral("/recovery"));
    window.show();
    window.StartUp(MeetFileArgument(QApplication::arguments()));
    return QApplication::exec();
}
