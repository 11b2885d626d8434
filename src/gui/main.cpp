#include "gui/commandline.h"
#include "gui/common/dialogprovider.h"
#include "gui/common/messageboxes.h"
#include "gui/mainwindow/mainwindow.h"
#include "store/settingsstore.h"

#include <QApplication>

#include <csignal>
#include <iostream>

// Boatmeet [MEETFILE]: with a meet file (as a file manager passes it) the
// window opens it at once; without one it greets with the About box.
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
    MessageBoxes messages;
    TForm1 window(store, dialogs);
    messages.SetParent(&window);
    window.show();
    const QString meetFile = MeetFileArgument(QApplication::arguments());
    if (!meetFile.isEmpty())
        window.OpenFile(meetFile);
    else
        window.DoAbout();
    return QApplication::exec();
}
