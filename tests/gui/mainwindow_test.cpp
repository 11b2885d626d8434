// The main window driven as a user would: menu items and tool buttons
// triggered, questions answered from a script, dialogs answered by the driver.
#include "guitestsupport.h"

#include "engine/model/writelock.h"
#include "engine/session/meetsession.h"
#include "gui/dialogs/progressdialog.h"
#include "gui/mainwindow/mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace guitest;

class MainWindowTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandsWithNoMeetOpenDoNothing();
    void newMeetAsksTitleAndDateThenSaveGoesToSaveAs();
    void cancelledSaveAsKeepsTheMeetOpen();
    void openFlowsAndTheirFailureMessages();
    void seventeenOpenedFilesLeaveSixteenInReopen();
    void saveKeyDataProposesTheKeyName();
    void failedSaveKeepsTheFileName();
    void unchangedTitleInputKeepsTheTitle();
    void drawAllAsksBeforeOverwriting();
    void exitAsksAndCanBeRefused();
    void helpShowsTheManualOrSaysItIsMissing();
    void aboutShowsTheVersion();
    void toolButtonsShareTheMenuCommands();
    void menuItemsShowTheirShortcutsAndTheKeysWork();
    void theProgramAnswersHelpAndVersionWithoutADisplay();
    void resizingLaysOutTheReportPanel();
    void aFileArgumentIsOpenedAndListedByItsFullName();
    void aFileChangedOnDiskIsOfferedAgainAndNotOverwrittenUnasked();
    void saveWaitsForAnotherWriterAndAsksWithoutTheLock();

private:
    void Trigger(const char* name) {
        QAction* action = Action(Form(), name);
        QVERIFY2(action, name);
        action->trigger();
        Settle();
    }
    std::string OpenRegatta(const std::string& name) {
        const std::string path = WriteRegatta(*dir_, name);
        Form().OpenFile(Q(path));
        return path;
    }
};

void MainWindowTest::init() {
    OpenWindow();
}

void MainWindowTest::cleanup() {
    CloseWindow();
}

void MainWindowTest::commandsWithNoMeetOpenDoNothing() {
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet:  <No Boatmeet Loaded>"));
    // What needs a meet is greyed out until one is open; the rest is not.
    const auto enabled = [this](const char* name) {
        if (QAction* action = Action(Form(), name))
            return action->isEnabled();
        return Form().findChild<QToolButton*>(Q(name))->isEnabled();
    };
    const std::vector<const char*> needMeet = {
        "FileSave",    "FileSaveAs",      "FileSaveKey",     "OpsChangeTitle",    "OpnsSplit",
        "OpnsDraw",    "OpnsNumberRaces", "OpnsNumberCrews", "EditCrew",          "EditEvent",
        "EditClub",    "EditRace",        "EditDraw",        "ShowResultsEditor", "EditInfo",
        "Save_SB",     "CrewEdit_SB",     "EventEdit_SB",    "ClubEdit_SB",       "DrawEdit_SB",
        "RaceEdit_SB", "Results_SB",      "Info_SB"};
    const std::vector<const char*> always = {
        "FileOpen", "FileExit", "OpsCreateNew", "OpnsTestData", "VEXATest", "EditPreferences",
        "DoHelp",   "Open_SB",  "OpenLast_SB",  "Prefs_SB",     "Help_SB"};
    for (const char* name : needMeet)
        QVERIFY2(!enabled(name), name);
    for (const char* name : always)
        QVERIFY2(enabled(name), name);
    for (const char* name :
         {"FileSave", "FileSaveAs", "FileSaveKey", "EditEvent", "EditClub", "EditRace", "EditDraw",
          "ShowResultsEditor", "EditInfo", "OpnsSplit", "OpnsDraw", "OpnsNumberRaces",
          "NumberCrewsByEvent", "NumberCrewsByClub", "OpsChangeTitle", "SaveViewAsHtml"})
        Trigger(name);
    QVERIFY(messages_->asked.empty());
    QVERIFY(messages_->informed.empty());
    QVERIFY(dialogs_->saveRequests.empty());
    QVERIFY(Form().Report().ViewLines().empty());
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet:  <No Boatmeet Loaded>"));
    OpenRegatta("spring.bmf");
    for (const char* name : needMeet)
        QVERIFY2(enabled(name), name);
}

void MainWindowTest::newMeetAsksTitleAndDateThenSaveGoesToSaveAs() {
    messages_->SetNextText("Autumn Head");
    messages_->SetNextText("3 October");
    Trigger("OpsCreateNew");
    QCOMPARE(messages_->prompts,
             (std::vector<std::string>{"Boatmeet Title|Enter New Name for Boatmeet|",
                                       "Boatmeet Date|Enter New Date for Boatmeet|"}));
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Autumn Head  on  3 October"));
    QVERIFY(Form().Session().Meet()->Clubs.KeyOf("Winner Prev") >= 0);

    const QString target = Q(dir_->File("autumn.bmf"));
    dialogs_->saveNames = {target};
    Trigger("FileSave");
    QCOMPARE(dialogs_->saveRequests.size(), std::size_t{1});
    const SaveRequest& request = dialogs_->saveRequests.front();
    QVERIFY(
        request.filter.startsWith(QStringLiteral("Boatmeet Files (*.bmf);;Text Files (*.txt)")));
    QCOMPARE(request.defaultSuffix, QStringLiteral("bmf"));
    QCOMPARE(request.initialName, QString());
    QCOMPARE(bm::MeetFileKind(target.toStdString()), bm::FileKind::Meet);
    QCOMPARE(Q(Form().Session().FileName()), target);
    // Saved once named: Save writes there without a dialog.
    Trigger("FileSave");
    QCOMPARE(dialogs_->saveRequests.size(), std::size_t{1});
    QCOMPARE(store_->RecentFiles(), std::vector<std::string>{target.toStdString()});
}

// A Save As cancelled from "Save Existing Data?" keeps the meet open and its
// changes unsaved; so does Cancel; No lets them go.
void MainWindowTest::cancelledSaveAsKeepsTheMeetOpen() {
    for (const char* title : {"First", "", "First changed", ""})
        messages_->SetNextText(std::string(title));
    Trigger("OpsCreateNew");
    Trigger("OpsChangeTitle");
    for (bm::Answer answer : {bm::Answer::Yes, bm::Answer::Cancel, bm::Answer::No}) {
        messages_->SetNextText("Second");
        messages_->SetNextText("");
        messages_->SetNextAnswer(answer); // Save Existing Data?
        Trigger("OpsCreateNew");
        Settle();
        if (answer != bm::Answer::No)
            QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: First changed"));
    }
    QCOMPARE(messages_->asked, std::vector<std::string>(3, "Save Existing Data?"));
    QCOMPARE(dialogs_->saveRequests.size(), std::size_t{1});
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Second"));
    QVERIFY(std::filesystem::is_empty(dir_->Path()));
}

void MainWindowTest::openFlowsAndTheirFailureMessages() {
    const QString missing = Q(dir_->File("missing.bmf"));
    const QString foreign = Q(dir_->File("entries.csv"));
    bm::test::WriteFile(foreign.toStdString(), "Club,Crew\nRiverside,Alpha\n");
    dialogs_->openNames = {missing, foreign, QString()};
    Trigger("FileOpen");
    Trigger("FileOpen");
    Trigger("FileOpen"); // cancelled
    QCOMPARE(dialogs_->openFilters.front(),
             QStringLiteral("Boatmeet Files (*.bmf);;Text Files (*.txt);;CSV files (*.csv);;"
                            "All Files (*)"));
    Form().findChild<QToolButton*>(QStringLiteral("OpenLast_SB"))->click();
    QCOMPARE(messages_->informed,
             (std::vector<std::string>{"Could not open file : " + missing.toStdString(),
                                       "This file does not appear to be a Boatmeet file..",
                                       "No Previous file to Reopen. Use Open"}));
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet:  <No Boatmeet Loaded>"));

    const std::string path = WriteRegatta(*dir_, "spring.bmf");
    dialogs_->openNames = {Q(path)};
    Trigger("FileOpen");
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Spring Regatta  on  12 April"));
    QCOMPARE(Form().Session().FileName(), path);
    // A failed open leaves the open meet as it was, without asking to save it.
    Form().OpenFile(missing);
    QCOMPARE(Form().Session().FileName(), path);
    QVERIFY(messages_->asked.empty());
}

void MainWindowTest::seventeenOpenedFilesLeaveSixteenInReopen() {
    std::vector<std::string> paths;
    for (int i = 1; i <= 17; ++i)
        paths.push_back(OpenRegatta("meet" + std::to_string(i) + ".bmf"));
    QMenu* file = Form().findChild<QMenu*>(QStringLiteral("FileMenu"));
    QMenu* reopen = Form().findChild<QMenu*>(QStringLiteral("Reopen"));
    emit file->aboutToShow();
    QVERIFY(reopen->isEnabled());
    QList<QAction*> entries = reopen->actions();
    QCOMPARE(entries.size(), 16);
    QCOMPARE(entries.front()->text(), Q(paths[16]));
    QCOMPARE(entries.back()->text(), Q(paths[1]));
    // Reopening a listed file brings it to the front without a second entry.
    entries[5]->trigger();
    QCOMPARE(Form().Session().FileName(), paths[11]);
    emit file->aboutToShow();
    entries = reopen->actions();
    QCOMPARE(entries.size(), 16);
    QCOMPARE(entries.front()->text(), Q(paths[11]));
    QCOMPARE(entries[1]->text(), Q(paths[16]));
    QVERIFY(messages_->asked.empty()); // nothing unsaved: no "Save Existing Data?"
}

void MainWindowTest::saveKeyDataProposesTheKeyName() {
    const std::string spring = OpenRegatta("spring.bmf");
    messages_->SetNextAnswer(true);
    dialogs_->saveNames = {Q(dir_->File("springKey.bmf"))};
    Trigger("FileSaveKey");
    QCOMPARE(
        messages_->asked.back(),
        std::string("This saves only key data; NO crew, draw or race info is saved. Continue?"));
    QCOMPARE(dialogs_->saveRequests.back().initialName, Q(dir_->File("springKey.bmf")));
    QCOMPARE(dialogs_->saveRequests.back().defaultSuffix, QStringLiteral("bmf"));
    QCOMPARE(Form().Session().FileName(), spring);
    const std::string key = bm::test::ReadFile(dir_->File("springKey.bmf"));
    QVERIFY(key.find("Crew:") == std::string::npos && key.find("Draw:") == std::string::npos);

    OpenRegatta("spring.txt");
    messages_->SetNextAnswer(true);
    Trigger("FileSaveKey");
    QCOMPARE(dialogs_->saveRequests.back().initialName, Q(dir_->File("spring.txtKey")));
}

void MainWindowTest::failedSaveKeepsTheFileName() {
    const std::string path = OpenRegatta("spring.bmf");
    dialogs_->saveNames = {Q(dir_->File("no-such-folder/spring.bmf"))};
    Trigger("FileSaveAs");
    QCOMPARE(messages_->informed,
             std::vector<std::string>{"Failed to write to file. DATA NOT SAVED!"});
    QCOMPARE(Form().Session().FileName(), path);
}

void MainWindowTest::unchangedTitleInputKeepsTheTitle() {
    OpenRegatta("spring.bmf");
    // OK on the title as preset, then a new date; a cancelled dialog changes nothing.
    messages_->SetNextText("Spring Regatta");
    messages_->SetNextText("13 April");
    Trigger("OpsChangeTitle");
    Settle();
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Spring Regatta  on  13 April"));
    messages_->SetNextText("Autumn");
    messages_->SetNextText(std::nullopt);
    Trigger("OpsChangeTitle");
    Settle();
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Spring Regatta  on  13 April"));
}

void MainWindowTest::drawAllAsksBeforeOverwriting() {
    OpenRegatta("spring.bmf");
    Trigger("OpnsDraw");
    QCOMPARE(messages_->asked,
             std::vector<std::string>{"Some events may be drawn. OK to overwrite Draw?"});
}

void MainWindowTest::exitAsksAndCanBeRefused() {
    OpenRegatta("spring.bmf");
    Trigger("NumberCrewsByClub");
    Form().show();
    QVERIFY(!Form().close());
    QVERIFY(Form().isVisible());
    QVERIFY(Form().Session().HasMeet());
    messages_->SetNextAnswer(true);  // Ok to Exit?
    messages_->SetNextAnswer(false); // Save Existing Data?
    Trigger("FileExit");
    QVERIFY(!Form().isVisible());
    QVERIFY(!Form().Session().HasMeet());
    QCOMPARE(messages_->asked,
             (std::vector<std::string>{"Ok to Exit?", "Ok to Exit?", "Save Existing Data?"}));
}

void MainWindowTest::helpShowsTheManualOrSaysItIsMissing() {
    Form().SetHelpFolder(Q(dir_->Path().string()));
    Trigger("DoHelp");
    QCOMPARE(messages_->informed,
             std::vector<std::string>{"Cannot find Help File: " + dir_->File("Boatmeet.html")});
    std::filesystem::copy_file(BM_MANUAL, dir_->File("Boatmeet.html"));
    Trigger("DoHelp");
    QWidget* help = Form().findChild<QWidget*>(QStringLiteral("HelpF"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(messages_->informed.size(), std::size_t{1});
    help->close();
}

void MainWindowTest::aboutShowsTheVersion() {
    ModalDriver driver;
    QString version;
    driver.Then([&version](QWidget* dialog) {
        version = dialog->findChild<QLabel*>(QStringLiteral("Version"))->text();
        dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    Trigger("DoAbout");
    QCOMPARE(version, QStringLiteral(" 1.7.1   23/03/2008  "));
}

void MainWindowTest::toolButtonsShareTheMenuCommands() {
    const QStringList hints = {QStringLiteral("Open"),           QStringLiteral("Open Last"),
                               QStringLiteral("Save"),           QStringLiteral("Crew Editor"),
                               QStringLiteral("Events Editor"),  QStringLiteral("Club Editor"),
                               QStringLiteral("Draw Editor"),    QStringLiteral("Race Editor"),
                               QStringLiteral("Results Editor"), QStringLiteral("Crew / Race Info"),
                               QStringLiteral("Preferences"),    QStringLiteral("Help")};
    QStringList shown;
    for (QToolButton* button :
         Form().findChild<QWidget*>(QStringLiteral("Panel2"))->findChildren<QToolButton*>())
        shown << button->toolTip();
    QCOMPARE(shown, hints);
    Form().findChild<QToolButton*>(QStringLiteral("Open_SB"))->click();
    QCOMPARE(dialogs_->openFilters.size(), std::size_t{1});
    QCOMPARE(Action(Form(), "FileOpen")->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(Action(Form(), "PrintView")->shortcut(), QKeySequence(QKeySequence::Print));
    QCOMPARE(Action(Form(), "DoHelp")->shortcut(), QKeySequence(QKeySequence::HelpContents));
}

void MainWindowTest::menuItemsShowTheirShortcutsAndTheKeysWork() {
    // What each menu item shows beside its caption, also where the platform
    // has no key of its own for the command.
    const std::vector<std::pair<const char*, const char*>> shown = {
        {"FileOpen", "Ctrl+O"},
        {"FileSave", "Ctrl+S"},
        {"FileSaveAs", "Ctrl+Shift+S"},
        {"FileExit", "Ctrl+Q"},
        {"OpsCreateNew", "Ctrl+N"},
        {"PrintView", "Ctrl+P"},
        {"CopyViewToClipboard", "Ctrl+Shift+C"},
        {"EditPreferences", "Ctrl+,"},
        {"DoHelp", "F1"}};
    for (const auto& [name, keys] : shown)
        QCOMPARE(Action(Form(), name)->shortcut().toString(), QString::fromUtf8(keys));
    OpenRegatta("spring.bmf");
    Form().show();
    QApplication::setActiveWindow(&Form());
    QVERIFY(QTest::qWaitForWindowActive(&Form()));
    QTest::keyClick(&Form(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(dialogs_->saveRequests.size(), std::size_t{1});
    QCOMPARE(dialogs_->saveRequests.front().defaultSuffix, QStringLiteral("bmf"));
}

void MainWindowTest::theProgramAnswersHelpAndVersionWithoutADisplay() {
    const auto run = [this](const char* program, const char* option) {
        const std::string out = dir_->File("out.txt");
        const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u "
                                                "QT_QPA_PLATFORM '") +
                                    program + "' " + option + " >'" + out + "' 2>&1";
        QTest::qVerify(std::system(command.c_str()) == 0, option, program, __FILE__, __LINE__);
        return Q(bm::test::ReadFile(out));
    };
    const QString help = run(BM_GUI_PATH, "--help");
    QVERIFY2(help.startsWith(QStringLiteral("Usage: boatmeet [MEETFILE]\n")), qPrintable(help));
    QVERIFY(help.contains(QStringLiteral("--version")));
    const QString version = run(BM_GUI_PATH, "--version");
    QVERIFY2(version.startsWith(QStringLiteral("boatmeet ")), qPrintable(version));
    QCOMPARE(version.mid(9), run(BM_CLI_PATH, "--version").mid(13));
}

void MainWindowTest::resizingLaysOutTheReportPanel() {
    Form().resize(800, 600);
    Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form()));
    QWidget* client = Form().centralWidget();
    QWidget* panel = Form().findChild<QWidget*>(QStringLiteral("Panel1"));
    QWidget* view = Form().findChild<QWidget*>(QStringLiteral("REdit"));
    const auto check = [&] {
        QCOMPARE(panel->x(), 5);
        QCOMPARE(panel->width(), client->width() - 10);
        QCOMPARE(view->width(), panel->width() - 10);
    };
    check();
    const QSize clientBefore = client->size();
    const QSize panelBefore = panel->size();
    const QSize viewBefore = view->size();
    // Every pixel the window gains, in width and height, goes to the report
    // (the window may have started wider than asked, in a wide font).
    Form().resize(Form().size() + QSize(300, 220));
    QTRY_COMPARE(client->size(), clientBefore + QSize(300, 220));
    check();
    QCOMPARE(panel->size(), panelBefore + QSize(300, 220));
    QCOMPARE(view->size(), viewBefore + QSize(300, 220));
    QCOMPARE(Form().findChild<QWidget*>(QStringLiteral("Panel2"))->width(), panel->width());
}

void MainWindowTest::aFileArgumentIsOpenedAndListedByItsFullName() {
    QCOMPARE(MeetFileArgument({QStringLiteral("boatmeet")}), QString());
    const std::string path = WriteRegatta(*dir_, "spring.bmf");
    const QString before = QDir::currentPath();
    QDir::setCurrent(Q(dir_->Path().string()));
    // As typed in a shell inside the meet's folder: Open Last must find the
    // file again from any other folder.
    const QString argument =
        MeetFileArgument({QStringLiteral("boatmeet"), QStringLiteral("./sub/../spring.bmf")});
    QDir::setCurrent(before);
    QCOMPARE(argument, QFileInfo(Q(path)).canonicalFilePath());
    Form().OpenFile(argument);
    QCOMPARE(store_->RecentFiles(), std::vector<std::string>{argument.toStdString()});
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Spring Regatta  on  12 April"));
}

void MainWindowTest::aFileChangedOnDiskIsOfferedAgainAndNotOverwrittenUnasked() {
    const std::string path = OpenRegatta("spring.bmf");
    // Another program records a result: here, a new title.
    const auto writeTitle = [&](const char* title) {
        std::unique_ptr<bm::Boatmeet> meet = bm::Boatmeet::LoadFromFile(path);
        meet->Title = title;
        meet->SaveToFile(path, true);
    };
    writeTitle("Spring Regatta Results");
    messages_->SetNextAnswer(true);
    Form().show();
    QApplication::setActiveWindow(&Form());
    QTRY_COMPARE(Form().windowTitle(),
                 QStringLiteral("Boatmeet: Spring Regatta Results  on  12 April"));
    QCOMPARE(messages_->asked,
             std::vector<std::string>{"The file " + path +
                                      " was changed by another program. Reload it?"});
    Settle();
    QVERIFY(!Form().Report().ViewLines().empty());
    QVERIFY(Q(Form().Report().ViewLines().front()).contains(QStringLiteral("Results")));
    // Changed again while the window is busy: Save asks, and No keeps their file.
    writeTitle("Final Results");
    const std::string theirs = bm::test::ReadFile(path);
    Trigger("FileSave");
    QCOMPARE(messages_->asked.back(), "The file " + path +
                                          " was changed by another program since it was opened. "
                                          "Overwrite it?");
    QCOMPARE(bm::test::ReadFile(path), theirs);
    QCOMPARE(Form().windowTitle(),
             QStringLiteral("Boatmeet: Spring Regatta Results  on  12 April"));
}

namespace {

// Another program writing the meet file: it holds the file's lock from the
// start until it is told to finish (or two seconds have gone), then writes
// its meet and lets the lock go.
class Writer {
public:
    Writer(const std::string& path, std::string content)
        : thread_([this, path, content = std::move(content)] {
              const bm::WriteLock lock(path);
              locked_ = true;
              for (int i = 0; i < 200 && !finish_; ++i)
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              if (!content.empty())
                  bm::test::WriteFile(path, content);
          }) {
        while (!locked_)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~Writer() {
        finish_ = true;
        thread_.join();
    }
    void Finish() { finish_ = true; }

private:
    std::atomic<bool> locked_ = false;
    std::atomic<bool> finish_ = false;
    std::thread thread_;
};

// The window's waiting for the lock, once it shows; none before.
TProgressF* LockWaitWindow(QWidget& form) {
    for (TProgressF* window : form.findChildren<TProgressF*>())
        if (window->isVisible() && window->windowTitle().startsWith(QStringLiteral("Waiting")))
            return window;
    return nullptr;
}

// Calls the function once the window waits for the lock (checked every 10 ms).
void WhenWaiting(QWidget& form, QTimer& timer, std::function<void(TProgressF*)> then) {
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, &form, [&form, &timer, then] {
        if (TProgressF* window = LockWaitWindow(form)) {
            timer.stop();
            then(window);
        }
    });
    timer.start();
}

} // namespace

// Save while another program writes the file: the window waits behind its
// progress window, looks at the file once it holds the lock, and asks before
// overwriting what the other program wrote; Cancel while it waits writes nothing.
void MainWindowTest::saveWaitsForAnotherWriterAndAsksWithoutTheLock() {
    const std::string path = OpenRegatta("spring.bmf");
    Form().show();
    messages_->SetNextText("Mine");
    messages_->SetNextText("12 April");
    Trigger("OpsChangeTitle");
    const std::string theirs = bm::test::ReadFile(WriteRegatta(*dir_, "theirs.bmf", true));
    QString caption;
    {
        Writer writer(path, theirs);
        QTimer poll;
        WhenWaiting(Form(), poll, [&](TProgressF* window) {
            caption = window->windowTitle();
            writer.Finish();
        });
        messages_->SetNextAnswer(false);
        Trigger("FileSave");
    }
    QCOMPARE(caption,
             QStringLiteral("Waiting for another program to finish writing spring.bmf..."));
    QCOMPARE(messages_->asked.back(), "The file " + path +
                                          " was changed by another program since it was opened. "
                                          "Overwrite it?");
    QCOMPARE(bm::test::ReadFile(path), theirs);
    QVERIFY(!LockWaitWindow(Form()));

    const std::size_t asked = messages_->asked.size();
    {
        Writer writer(path, {});
        QTimer poll;
        WhenWaiting(Form(), poll,
                    [](TProgressF* window) { Child<QPushButton>(window, "Cancel_B")->click(); });
        Trigger("FileSave");
    }
    QCOMPARE(messages_->asked.size(), asked);
    QCOMPARE(bm::test::ReadFile(path), theirs);
    QVERIFY(Form().Session().IsModified());
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
