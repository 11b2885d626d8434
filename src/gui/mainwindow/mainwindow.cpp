#include "gui/mainwindow/mainwindow.h"

#include "engine/model/settings.h"
#include "gui/common/accessibility.h"
#include "gui/common/dialogprovider.h"
#include "gui/common/menuactions.h"
#include "gui/common/textconversion.h"
#include "gui/dialogs/aboutbox.h"
#include "gui/dialogs/helpwindow.h"
#include "gui/dialogs/lockwait.h"
#include "gui/dialogs/preferencesdialog.h"
#include "gui/dialogs/progressdialog.h"
#include "gui/draweditor/draweditor.h"
#include "gui/draweditor/eventsplitter.h"
#include "gui/editors/creweditorwindow.h"
#include "gui/editors/listeditorwindow.h"
#include "gui/import/testdatawindow.h"
#include "gui/mainwindow/reportview.h"
#include "gui/raceday/infowindow.h"
#include "gui/raceday/planwindow.h"
#include "gui/raceday/raceeditor.h"
#include "gui/raceday/resultswindow.h"
#include "store/settingsstore.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The menu items and tool buttons that work on the open meet: disabled while
// none is open.
constexpr const char* MeetCommands[] = {
    "FileSave",    "FileSaveAs",      "FileSaveKey",     "OpsChangeTitle",    "OpnsSplit",
    "OpnsDraw",    "OpnsNumberRaces", "OpnsNumberCrews", "EditCrew",          "EditEvent",
    "EditClub",    "EditRace",        "EditDraw",        "ShowResultsEditor", "EditInfo",
    "Save_SB",     "CrewEdit_SB",     "EventEdit_SB",    "ClubEdit_SB",       "DrawEdit_SB",
    "RaceEdit_SB", "Results_SB",      "Info_SB",         "PublishToFolder",   "OpnsPlanDay"};

} // namespace

TForm1::TForm1(bm::SettingsStore& store, DialogProvider& dialogs, bm::MessageHandler& messages,
               QWidget* parent)
    : QMainWindow(parent), store_(store), dialogs_(dialogs), session_(*this, messages),
      helpFolder_(QCoreApplication::applicationDirPath()) {
    InstallAccessibleInterfaces();
    setObjectName(Text("Form1"));
    session_.AddObserver(*this);
    auto* client = new QWidget(this);
    client->setObjectName(Text("Client"));
    setCentralWidget(client);
    BuildToolButtons();
    Panel1 = new ReportView(session_, dialogs_, client);
    BuildMenus();
    LayOutClient();
    BuildWindows();
    recoveryCheck_.setSingleShot(true);
    recoveryCheck_.setInterval(2000);
    connect(&recoveryCheck_, &QTimer::timeout, this, &TForm1::CheckRecoveryCopy);
    RefreshDisplay();
    UpdateEditActions();
    SetWindowTitle();
    EnableMeetCommands();
    resize(960, 680);
}

// Every window is made once and reused; each takes the session (and the
// dialogs it needs) and follows the meet as the session's observer.
void TForm1::BuildWindows() {
    ListEdit_F = new TListEdit_F(session_, this);
    CEdit = new TCEdit(session_, this);
    ProgressF = new TProgressF(this);
    lockWait_ = std::make_unique<LockWait>(this);
    PrefsF = new TPrefsF(session_.Messages(), this);
    AboutBox = new TAboutBox(this);
    HelpF = new THelpF(this);
    DEdit = new TDEdit(session_, this);
    // While the draw editor is open the report view shows the draw it edits.
    Panel1->SetTakenOver([this] { return DEdit->isVisible(); });
    connect(DEdit, &TDEdit::ViewChanged, this, [this] { Panel1->LoadView(DEdit->ViewLines()); });
    connect(DEdit, &QDialog::finished, Panel1, &ReportView::RefreshDisplay);
    ESplitF = new TESplitF(session_, this);
    MakeData_F = new TMakeData_F(dialogs_, session_, this);
    RaceEdit_F = new TRaceEdit_F(session_, *ProgressF, this);
    RaceResults = new TRaceResults(session_, this);
    Info_F = new TInfo_F(session_, this);
    // The plan of the day is reached from the race editor too, and its
    // proposed splits open the event splitter.
    Plan_F = new TPlan_F(session_, this);
    connect(RaceEdit_F, &TRaceEdit_F::PlanRequested, this, &TForm1::OpnsPlanDay);
    connect(Plan_F, &TPlan_F::SplitProposed, this,
            [this](const QString& event, int divisions) { ESplitF->Split(event, divisions); });
}

// The windows observe the session, a member of this window: they go first.
TForm1::~TForm1() {
    for (QWidget* window :
         std::initializer_list<QWidget*>{ListEdit_F, CEdit, DEdit, ESplitF, MakeData_F, RaceEdit_F,
                                         RaceResults, Info_F, Plan_F})
        delete window;
    delete takeCentralWidget();
    session_.RemoveObserver(*this);
}

QAction* TForm1::AddAction(QMenu* menu, const char* caption, const char* name,
                           void (TForm1::*handler)()) {
    return AddMenuAction(menu, caption, name, this, handler);
}

void TForm1::BuildMenus() {
    BuildFileMenu();
    BuildEditMenu();
    BuildOperationsMenu();
    QMenu* output = menuBar()->addMenu(Text("&Output"));
    output->setObjectName(Text("OutputMenu"));
    BuildOutputMenu(output);
    QMenu* editors = menuBar()->addMenu(Text("&Editors"));
    AddAction(editors, "&Crew Editor", "EditCrew", &TForm1::EditCrew);
    AddAction(editors, "&Event Editor", "EditEvent", &TForm1::EditEvent);
    AddAction(editors, "Cl&ub Editor", "EditClub", &TForm1::EditClub);
    AddAction(editors, "&Race Editor", "EditRace", &TForm1::EditRace);
    AddAction(editors, "&Draw Editor", "EditDraw", &TForm1::EditDraw);
    SetStandardShortcut(
        AddAction(editors, "&Preferences", "EditPreferences", &TForm1::EditPreferences),
        QKeySequence::Preferences, "Ctrl+,");
    AddAction(editors, "Re&sults Editor", "ShowResultsEditor", &TForm1::ShowResultsEditor);
    AddAction(editors, "&Info Editor", "EditInfo", &TForm1::EditInfo);
    QMenu* help = menuBar()->addMenu(Text("&Help"));
    SetStandardShortcut(AddAction(help, "&Help", "DoHelp", &TForm1::DoHelp),
                        QKeySequence::HelpContents, "F1");
    AddAction(help, "&About", "DoAbout", &TForm1::DoAbout);
}

void TForm1::BuildFileMenu() {
    FileMenu = menuBar()->addMenu(Text("&File"));
    FileMenu->setObjectName(Text("FileMenu"));
    connect(FileMenu, &QMenu::aboutToShow, this, &TForm1::DoFileReopen);
    SetStandardShortcut(AddAction(FileMenu, "&Open..", "FileOpen", &TForm1::FileOpen),
                        QKeySequence::Open, "Ctrl+O");
    Reopen = FileMenu->addMenu(Text("&Reopen"));
    Reopen->setObjectName(Text("Reopen"));
    Reopen->setEnabled(false);
    SetStandardShortcut(AddAction(FileMenu, "&Save", "FileSave", &TForm1::FileSave),
                        QKeySequence::Save, "Ctrl+S");
    SetStandardShortcut(AddAction(FileMenu, "S&ave As..", "FileSaveAs", &TForm1::FileSaveAs),
                        QKeySequence::SaveAs, "Ctrl+Shift+S");
    AddAction(FileMenu, "Save &Key Data", "FileSaveKey", &TForm1::FileSaveKey);
    FileMenu->addSeparator();
    SetStandardShortcut(AddAction(FileMenu, "&Exit", "FileExit", &TForm1::FileExit),
                        QKeySequence::Quit, "Ctrl+Q");
}

// Undo and Redo act on the meet while this window is active; in every other
// window the keys stay with that window's controls (an edit undoes its typing).
void TForm1::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(Text("E&dit"));
    edit->setObjectName(Text("EditMenu"));
    UndoItem = AddAction(edit, "&Undo", "EditUndo", &TForm1::EditUndo);
    UndoItem->setShortcut(Text("Ctrl+Z"));
    RedoItem = AddAction(edit, "&Redo", "EditRedo", &TForm1::EditRedo);
    RedoItem->setShortcuts({QKeySequence(Text("Ctrl+Shift+Z")), QKeySequence(Text("Ctrl+Y"))});
    for (QAction* item : {UndoItem, RedoItem})
        item->setShortcutContext(Qt::WindowShortcut);
}

void TForm1::BuildOperationsMenu() {
    QMenu* ops = menuBar()->addMenu(Text("&Operations"));
    SetStandardShortcut(
        AddAction(ops, "&Create New Boatmeet", "OpsCreateNew", &TForm1::OpsCreateNew),
        QKeySequence::New, "Ctrl+N");
    AddAction(ops, "C&hange Boatmeet Title/Date", "OpsChangeTitle", &TForm1::OpsChangeTitle);
    AddAction(ops, "&Split Event", "OpnsSplit", &TForm1::OpnsSplit);
    AddAction(ops, "&Draw all Events", "OpnsDraw", &TForm1::OpnsDraw);
    AddAction(ops, "Number &Races", "OpnsNumberRaces", &TForm1::OpnsNumberRaces);
    AddAction(ops, "&Plan the Day...", "OpnsPlanDay", &TForm1::OpnsPlanDay);
    QMenu* numberCrews = ops->addMenu(Text("&Number Crews"));
    numberCrews->menuAction()->setObjectName(Text("OpnsNumberCrews"));
    QAction* byEvent = numberCrews->addAction(Text("By Event"));
    byEvent->setObjectName(Text("NumberCrewsByEvent"));
    connect(byEvent, &QAction::triggered, this, [this] { OpnsNumberCrews(true); });
    QAction* byClub = numberCrews->addAction(Text("By Club"));
    byClub->setObjectName(Text("NumberCrewsByClub"));
    connect(byClub, &QAction::triggered, this, [this] { OpnsNumberCrews(false); });
    AddAction(ops, "&Test Data", "OpnsTestData", &TForm1::OpnsTestData);
    AddAction(ops, "Load VEXA", "VEXATest", &TForm1::VEXATest);
}

void TForm1::BuildOutputMenu(QMenu* menu) {
    ReportView* view = Panel1;
    AddMenuAction(menu, "Save to &Text File..", "SaveViewAsText", view,
                  &ReportView::SaveViewAsText);
    AddMenuAction(menu, "Save to &RTF File..", "SaveViewAsRtf", view, &ReportView::SaveViewAsRtf);
    AddMenuAction(menu, "Save to &HTML File..", "SaveViewAsHtml", view,
                  &ReportView::SaveViewAsHtml);
    AddMenuAction(menu, "Save to &PDF File..", "SaveViewAsPdf", view, &ReportView::SaveViewAsPdf);
    AddMenuAction(menu, "&Copy to Clipboard", "CopyViewToClipboard", view,
                  &ReportView::CopyViewToClipboard)
        ->setShortcut(Text("Ctrl+Shift+C"));
    SetStandardShortcut(AddMenuAction(menu, "&Print", "PrintView", view, &ReportView::PrintView),
                        QKeySequence::Print, "Ctrl+P");
    AddMenuAction(menu, "Printer &Setup..", "PrinterSetup", view, &ReportView::PrinterSetup);
    AddMenuAction(menu, "&Font..", "ChooseViewFont", view, &ReportView::ChooseViewFont);
    menu->addSeparator();
    AddAction(menu, "Pu&blish to Folder...", "PublishToFolder", &TForm1::PublishToFolder);
}

QToolButton* TForm1::AddToolButton(const char* name, const char* text, const char* hint,
                                   void (TForm1::*handler)()) {
    auto* button = new QToolButton(Panel2);
    button->setObjectName(Text(name));
    button->setText(Text(text));
    button->setToolTip(Text(hint));
    button->setAccessibleName(Text(hint));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, handler);
    Panel2->layout()->addWidget(button);
    return button;
}

void TForm1::BuildToolButtons() {
    Panel2 = new QWidget(centralWidget());
    Panel2->setObjectName(Text("Panel2"));
    auto* row = new QHBoxLayout(Panel2);
    row->setContentsMargins(0, 2, 0, 2);
    row->setSpacing(2);
    AddToolButton("Open_SB", "Open", "Open", &TForm1::FileOpen);
    AddToolButton("OpenLast_SB", "Open Last", "Open Last", &TForm1::OpenLast);
    AddToolButton("Save_SB", "Save", "Save", &TForm1::FileSave);
    AddToolButton("CrewEdit_SB", "Crews", "Crew Editor", &TForm1::EditCrew);
    AddToolButton("EventEdit_SB", "Events", "Events Editor", &TForm1::EditEvent);
    AddToolButton("ClubEdit_SB", "Clubs", "Club Editor", &TForm1::EditClub);
    AddToolButton("DrawEdit_SB", "Draws", "Draw Editor", &TForm1::EditDraw);
    AddToolButton("RaceEdit_SB", "Races", "Race Editor", &TForm1::EditRace);
    AddToolButton("Results_SB", "Results", "Results Editor", &TForm1::ShowResultsEditor);
    AddToolButton("Info_SB", "Info", "Crew / Race Info", &TForm1::EditInfo);
    AddToolButton("Prefs_SB", "Preferences", "Preferences", &TForm1::EditPreferences);
    AddToolButton("Help_SB", "Help", "Help", &TForm1::DoHelp);
    row->addStretch();
}

// The tool buttons along the top; the report panel below takes all the room
// the window gains when it grows.
void TForm1::LayOutClient() {
    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(5, 0, 5, 5);
    layout->setSpacing(0);
    layout->addWidget(Panel2);
    layout->addWidget(Panel1, 1);
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        DoRefresh();
}

// Back at the window: a meet file that another program changed meanwhile is
// offered for reloading while the meet holds nothing unsaved.
void TForm1::DoRefresh() {
    if (!offeringReload_) {
        offeringReload_ = true;
        const bool reloaded = session_.OfferReload();
        offeringReload_ = false;
        if (reloaded)
            return;
    }
    RefreshDisplay();
}

void TForm1::RefreshDisplay() {
    Panel1->RefreshDisplay();
}

void TForm1::closeEvent(QCloseEvent* event) {
    CheckClose(event);
}

void TForm1::CheckClose(QCloseEvent* event) {
    if (!session_.QueryExit()) {
        event->ignore();
        return;
    }
    HelpF->hide();
    ProgressF->hide();
    event->accept();
}

void TForm1::MeetChanged(const bm::MeetChanges&) {
    SetWindowTitle();
    UpdateEditActions();
    // The recovery copy of this change is written shortly: look at how that went.
    if (!recoveryFolder_.isEmpty() && !recoveryWarned_)
        recoveryCheck_.start();
    EnableMeetCommands();
}

void TForm1::MeetReplaced() {
    SetWindowTitle();
    UpdateEditActions();
    EnableMeetCommands();
}

void TForm1::RefreshAll() {
    session_.SettingsChanged();
    session_.NotifyObservers();
}

// The observers are told once the event that made the changes is handled:
// the call is posted to this window, so none runs after it is gone.
void TForm1::Post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void TForm1::EnableMeetCommands() {
    const bool open = session_.HasMeet();
    for (const char* name : MeetCommands) {
        if (QAction* action = findChild<QAction*>(Text(name)))
            action->setEnabled(open);
        else if (QWidget* control = findChild<QWidget*>(Text(name)))
            control->setEnabled(open);
    }
}

void TForm1::SetWindowTitle() {
    setWindowTitle(QString::fromStdString(session_.WindowTitle()));
}

void TForm1::EditCrew() {
    CEdit->OpenCrewEditor();
}

void TForm1::EditEvent() {
    ListEdit_F->OpenListEditor(bm::EditedList::Events);
}

void TForm1::EditClub() {
    ListEdit_F->OpenListEditor(bm::EditedList::Clubs);
}

void TForm1::EditRace() {
    RaceEdit_F->OpenRaceEditor();
}

void TForm1::EditDraw() {
    DEdit->Open();
}

void TForm1::ShowResultsEditor() {
    RaceResults->ShowResults();
}

void TForm1::EditInfo() {
    Info_F->ShowInfo();
}

void TForm1::EditPreferences() {
    if (const std::string problem = ReadSettings(); !problem.empty())
        session_.Messages().Inform(problem);
    PrefsF->Fill(bm::CurrentSettings());
    if (PrefsF->exec() != QDialog::Accepted)
        return;
    PrefsF->Apply(bm::CurrentSettings());
    store_.Write(bm::CurrentSettings());
    session_.SettingsChanged();
}

void TForm1::DoHelp() {
    const QString name = QDir(helpFolder_).filePath(Text("Boatmeet.html"));
    if (!QFileInfo(name).isFile()) {
        session_.Messages().Inform("Cannot find Help File: " +
                                   QDir::toNativeSeparators(name).toStdString());
        return;
    }
    HelpF->ShowContents(name);
}

void TForm1::DoAbout() {
    AboutBox->exec();
}
