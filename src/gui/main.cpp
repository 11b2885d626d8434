#include "gui/common/dialogprovider.h"
#include "gui/common/messageboxes.h"
#include "gui/mainwindow/mainwindow.h"
#include "store/settingsstore.h"

#include <QApplication>

// Boatmeet [MEETFILE]: with a meet file (as a file manager passes it) the
// window opens it at once; without one it greets with the About box.
int main(int argc, char** argv) {
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
