// The main window's File and Operations commands: the meet session's flows
// with the window's dialogs, and the refresh that follows each change.
#include "gui/mainwindow/mainwindow.h"

#include "engine/import/vexaapply.h"
#include "engine/reports/reportoutput.h"
#include "engine/session/messages.h"
#include "gui/common/dialogprovider.h"
#include "gui/common/textconversion.h"
#include "gui/dialogs/inputdialog.h"
#include "gui/draweditor/eventsplitter.h"
#include "gui/import/testdatawindow.h"
#include "gui/mainwindow/reportview.h"
#include "store/settingsstore.h"

#include <QAction>
#include <QCoreApplication>
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
    bm::Boatmeet* meet = session_.Meet();
    if (meet && ESplitF->Split(*meet))
        MeetChanged("Split Event");
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
    MakeData_F->Open();
}

// The import asks through the program's messages and the open dialog; the
// crews it made are a change of the meet, and its report stays on screen
// under "Display Locked" (a view locked before keeps its text).
void TForm1::VEXATest() {
    bm::VexaLoadDialogs load;
    load.Ask = [](const std::string& question) { return bm::Messages().Ask(question); };
    load.Inform = [](const std::string& text) { bm::Messages().Inform(text); };
    load.ChooseCsvFile = [this](const std::string& title) {
        return dialogs_.OpenFileName(this, QStringLiteral("CSV files (*.csv)"), Text(title))
            .toStdString();
    };
    std::string report;
    if (!bm::RunVexaLoad(session_.Meet(), QCoreApplication::applicationDirPath().toStdString(),
                         load, report))
        return;
    MeetChanged("Load VEXA");
    Panel1->LoadView(bm::ReportLines(report));
    Panel1->LockDisplay();
}
