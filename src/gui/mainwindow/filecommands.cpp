// The main window's File and Operations commands: the meet session's flows
// with the window's dialogs, and the refresh that follows each change.
#include "gui/mainwindow/mainwindow.h"

#include "engine/session/messages.h"
#include "gui/common/dialogprovider.h"
#include "gui/common/textconversion.h"
#include "gui/dialogs/inputdialog.h"
#include "store/settingsstore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

QString MeetFileArgument(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments.at(1).isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(arguments.at(1)).absoluteFilePath());
}

std::string TForm1::ChooseMeetFile(const std::string& proposed) {
    const SaveRequest request{
        QStringLiteral("Boatmeet Files (*.bmf);;Text Files (*.txt);;RTF files (*.rtf);;"
                       "HTML files (*.html);;All Files (*)"),
        QStringLiteral("bmf"), Text(proposed)};
    return dialogs_.SaveFileName(this, request).toStdString();
}

std::string TForm1::AskText(const std::string& caption, const std::string& prompt,
                            const std::string& text) {
    return GetData->Ask(Text(caption), Text(prompt), Text(text)).toStdString();
}

void TForm1::ReadSettings() {
    bm::LoadCurrentSettings(store_);
}

std::vector<std::string> TForm1::RecentFiles() {
    return store_.RecentFiles();
}

void TForm1::AddRecentFile(const std::string& name) {
    store_.AddRecentFile(name);
}

void TForm1::DoFileReopen() {
    Reopen->clear();
    Reopen->setEnabled(false);
    for (const std::string& name : store_.RecentFiles()) {
        QString caption = Text(name);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = Reopen->addAction(caption);
        const QString file = Text(name);
        connect(entry, &QAction::triggered, this, [this, file] { FileReopen(file); });
    }
    Reopen->setEnabled(!Reopen->actions().isEmpty());
}

void TForm1::FileOpen() {
    const QString name = dialogs_.OpenFileName(
        this, QStringLiteral("Boatmeet Files (*.bmf);;Text Files (*.txt);;CSV files (*.csv);;"
                             "All Files (*)"));
    if (!name.isEmpty())
        OpenFile(name);
}

void TForm1::FileReopen(const QString& name) {
    OpenFile(name);
}

void TForm1::OpenLast() {
    if (session_.OpenLast())
        MeetReplaced();
}

void TForm1::OpenFile(const QString& name) {
    if (session_.OpenFile(name.toStdString()))
        MeetReplaced();
}

void TForm1::FileSave() {
    session_.Save();
}

void TForm1::FileSaveAs() {
    session_.SaveAs();
}

void TForm1::FileSaveKey() {
    session_.SaveKeyData();
}

void TForm1::FileExit() {
    close();
}

void TForm1::OpsCreateNew() {
    session_.CreateNew();
    MeetReplaced();
}

void TForm1::OpsChangeTitle() {
    if (session_.ChangeTitleAndDate())
        RefreshAll();
}

void TForm1::OpnsSplit() {
    NotAvailable("Event Split", true);
}

void TForm1::OpnsDraw() {
    if (session_.DrawAllEvents())
        RefreshAll();
}

void TForm1::OpnsNumberRaces() {
    if (session_.NumberRaces())
        RefreshAll();
}

void TForm1::OpnsNumberCrews(bool byEvent) {
    if (session_.NumberCrews(byEvent))
        RefreshAll();
}

void TForm1::OpnsTestData() {
    NotAvailable("Test Data generator", false);
}

void TForm1::VEXATest() {
    NotAvailable("Load VEXA entry import", false);
}
