// The main window's File and Operations commands: the meet session's flows
// with the window's dialogs, and the refresh that follows each change.
#include "gui/mainwindow/mainwindow.h"

#include "engine/import/vexaapply.h"
#include "engine/reports/reportoutput.h"
#include "gui/common/dialogprovider.h"
#include "gui/common/textconversion.h"
#include "gui/dialogs/lockwait.h"
#include "gui/draweditor/eventsplitter.h"
#include "gui/import/testdatawindow.h"
#include "gui/mainwindow/reportview.h"
#include "gui/raceday/planwindow.h"
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

std::string TForm1::ReadSettings() {
    return bm::LoadCurrentSettings(store_);
}

std::vector<std::string> TForm1::RecentFiles() {
    return store_.RecentFiles();
}

void TForm1::AddRecentFile(const std::string& name) {
    store_.AddRecentFile(name);
}

// A save waiting for another program to finish writing the file shows the
// waiting, with Cancel.
bool TForm1::KeepWaitingForLock(const std::string& name) {
    return lockWait_->KeepWaiting(name);
}

void TForm1::LockWaitOver() {
    lockWait_->Over();
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
    session_.OpenLast();
}

void TForm1::OpenFile(const QString& name) {
    session_.OpenFile(name.toStdString());
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
}

void TForm1::OpsChangeTitle() {
    session_.ChangeTitleAndDate();
}

void TForm1::OpnsSplit() {
    ESplitF->Split();
}

void TForm1::OpnsPlanDay() {
    Plan_F->ShowPlan();
}

void TForm1::OpnsDraw() {
    session_.DrawAllEvents();
}

void TForm1::OpnsNumberRaces() {
    session_.NumberRaces();
}

void TForm1::OpnsNumberCrews(bool byEvent) {
    session_.NumberCrews(byEvent);
}

void TForm1::OpnsTestData() {
    MakeData_F->Open();
}

// The import asks through the program's messages and the open dialog; the
// crews it made are a change of the meet, and its report stays on screen
// under "Display Locked" (a view locked before keeps its text).
void TForm1::VEXATest() {
    bm::MessageHandler& messages = session_.Messages();
    bm::VexaLoadDialogs load;
    load.Ask = messages.Confirmation();
    load.Inform = [&messages](const std::string& text) { messages.Inform(text); };
    load.ChooseCsvFile = [this](const std::string& title) {
        return dialogs_.OpenFileName(this, QStringLiteral("CSV files (*.csv)"), Text(title))
            .toStdString();
    };
    std::string report;
    if (!bm::RunVexaLoad(session_.Meet(), QCoreApplication::applicationDirPath().toStdString(),
                         load, report))
        return;
    session_.Changed("Load VEXA");
    Panel1->LoadView(bm::ReportLines(report));
    Panel1->LockDisplay();
}
