// Undo and redo through the main window's Edit menu and keys, and the
// recovery copy as a user meets it: a program killed after a change, the next
// start offering the change, and the warning when no copy can be written.
#include "guitestsupport.h"

#include "engine/session/meetfiles.h"
#include "engine/session/meetobserver.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>

using namespace guitest;

namespace {

// A window over the meet that counts how often it was told to show it anew.
class CountingView : public bm::MeetObserver {
public:
    void MeetChanged(const bm::MeetChanges&) override { ++reloads; }
    void MeetReplaced() override {}
    int reloads = 0;
};

} // namespace

class UndoTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandsAreUndoneAndRedoneByMenuAndKeys();
    void editKeysOfAnotherWindowStayWithItsControls();
    void aKilledProgramsChangeIsOfferedAtTheNextStart();
    void aCopyThatCannotBeWrittenIsReportedOnce();

private:
    void Trigger(const char* name) {
        QAction* action = Action(Form(), name);
        QVERIFY2(action, name);
        action->trigger();
        Settle();
    }
    // The meet as Save As writes it, to a file of its own.
    std::string SavedBytes() {
        const QString name = Q(dir_->File("saved" + std::to_string(++saves_) + ".bmf"));
        dialogs_->saveNames = {name};
        Trigger("FileSaveAs");
        return bm::test::ReadFile(name.toStdString());
    }
    // The texts and states of Undo and Redo, e.g. "&Undo Number Races|&Redo-".
    QString EditItems() {
        const auto item = [this](const char* name) {
            QAction* action = Action(Form(), name);
            return action->text() + (action->isEnabled() ? QString() : QStringLiteral("-"));
        };
        return item("EditUndo") + QLatin1Char('|') + item("EditRedo");
    }
    void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        Settle();
    }
    void Activate(QWidget* window) {
        window->show();
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }

    int saves_ = 0;
};

void UndoTest::init() {
    OpenWindow();
}

void UndoTest::cleanup() {
    CloseWindow();
}

void UndoTest::commandsAreUndoneAndRedoneByMenuAndKeys() {
    QCOMPARE(EditItems(), QStringLiteral("&Undo-|&Redo-"));
    Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf")));
    Settle();
    CountingView view;
    Form().Session().AddObserver(view);
    const std::vector<std::string> undrawnView = Form().Report().ViewLines();
    const std::string opened = SavedBytes();
    QCOMPARE(EditItems(), QStringLiteral("&Undo-|&Redo-"));

    messages_->SetNextText("Summer Regatta");
    messages_->SetNextText("5 July");
    Trigger("OpsChangeTitle");
    QCOMPARE(EditItems(), QStringLiteral("&Undo Change Boatmeet Title/Date|&Redo-"));
    const std::string retitled = SavedBytes();
    messages_->SetNextAnswer(true); // OK to overwrite Draw?
    Trigger("OpnsDraw");
    const std::string drawn = SavedBytes();
    Trigger("OpnsNumberRaces");
    const std::string numbered = SavedBytes();
    QCOMPARE(EditItems(), QStringLiteral("&Undo Number Races|&Redo-"));
    QVERIFY(retitled != opened && drawn != retitled && numbered != drawn);

    Form().show();
    Activate(&Form());
    view.reloads = 0;
    Trigger("EditUndo");
    QCOMPARE(SavedBytes(), drawn);
    QCOMPARE(EditItems(), QStringLiteral("&Undo Draw all Events|&Redo Number Races"));
    Press(&Form(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(SavedBytes(), retitled);
    Trigger("EditUndo");
    QCOMPARE(SavedBytes(), opened);
    QCOMPARE(EditItems(), QStringLiteral("&Undo-|&Redo Change Boatmeet Title/Date"));
    // Every view and the title show the meet as it was opened.
    QCOMPARE(view.reloads, 3);
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Spring Regatta  on  12 April"));
    QVERIFY(ReportShown(Form()));
    QCOMPARE(Form().Report().ViewLines(), undrawnView);
    Trigger("EditUndo"); // nothing left: no change, no refresh
    QCOMPARE(view.reloads, 3);

    Press(&Form(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(SavedBytes(), retitled);
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Summer Regatta  on  5 July"));
    Press(&Form(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(SavedBytes(), drawn);
    QVERIFY(ReportShown(Form()));
    QVERIFY(Form().Report().ViewLines() != undrawnView);
    Trigger("EditRedo");
    QCOMPARE(SavedBytes(), numbered);
    QCOMPARE(EditItems(), QStringLiteral("&Undo Number Races|&Redo-"));

    // A change after an undo drops what could be redone.
    Trigger("EditUndo");
    Trigger("NumberCrewsByClub");
    QCOMPARE(EditItems(), QStringLiteral("&Undo Number Crews By Club|&Redo-"));
    // Another meet starts with nothing to undo.
    messages_->SetNextAnswer(false); // Save Existing Data?
    Form().OpenFile(Q(WriteRegatta(*dir_, "autumn.bmf")));
    QCOMPARE(EditItems(), QStringLiteral("&Undo-|&Redo-"));
    Form().Session().RemoveObserver(view);
}

// An editor is a window of its own over the main window: while it is active,
// Ctrl+Z belongs to its controls and never takes back a step of the meet.
void UndoTest::editKeysOfAnotherWindowStayWithItsControls() {
    Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf")));
    Trigger("NumberCrewsByClub");
    Form().show();
    auto* editor = new QWidget(&Form(), Qt::Window);
    auto* name = new QLineEdit(editor);
    auto* button = new QPushButton(QStringLiteral("Close"), editor);
    auto* column = new QVBoxLayout(editor);
    column->addWidget(name);
    column->addWidget(button);
    Activate(editor);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Bow"));
    Press(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name->text(), QString());
    button->setFocus();
    Press(button, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(Form().Session().History().CanUndo());

    Activate(&Form());
    Press(&Form(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!Form().Session().History().CanUndo());
    QCOMPARE(EditItems(), QStringLiteral("&Undo-|&Redo Number Crews By Club"));
}

// A child program opens the meet in a real main window, makes a change and is
// killed once the copy is on disk; this window then starts over the same
// settings and recovery folder as the program does after a crash.
void UndoTest::aKilledProgramsChangeIsOfferedAtTheNextStart() {
    const std::string meetFile = WriteRegatta(*dir_, "spring.bmf");
    const std::string before = bm::test::ReadFile(meetFile);
    const QString folder = Q(dir_->File("recovery"));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(BM_RECOVERY_CHILD),
                {Q(dir_->File("settings.ini")), folder, Q(meetFile)});
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForReadyRead(20000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
    child.kill(); // SIGKILL: no close flow, no flush, no unlocking
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    Form().SetRecoveryFolder(folder);
    Form().show();
    ModalDriver driver;
    std::size_t askedBeforeAbout = 1;
    driver.Then([&](QWidget* about) {
        askedBeforeAbout = messages_->asked.size();
        about->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    messages_->SetNextAnswer(true);
    Form().StartUp({});
    Settle();
    QCOMPARE(askedBeforeAbout, std::size_t{0});
    QCOMPARE(messages_->asked.size(), std::size_t{1});
    const QRegularExpression question(QStringLiteral(
        "^Boatmeet was closed without saving changes to spring\\.bmf \\(last change at "
        "\\d\\d:\\d\\d\\)\\. Recover them\\?$"));
    QVERIFY2(question.match(Q(messages_->asked.front())).hasMatch(),
             messages_->asked.front().c_str());

    std::string error;
    auto expected = bm::OpenMeetFile(meetFile, error);
    expected->NumberCrewsByClub();
    QCOMPARE(Form().Session().Meet()->SavedText(), expected->SavedText());
    QVERIFY(Form().Session().IsModified());
    QCOMPARE(Form().Session().FileName(), meetFile);
    QCOMPARE(Form().windowTitle(), QStringLiteral("Boatmeet: Spring Regatta  on  12 April"));
    QVERIFY(!Form().Report().ViewLines().empty());
    QCOMPARE(EditItems(), QStringLiteral("&Undo-|&Redo-"));
    QCOMPARE(bm::test::ReadFile(meetFile), before);
    Trigger("FileSave");
    QCOMPARE(bm::test::ReadFile(meetFile), expected->SavedText());
    QVERIFY(!Form().Session().IsModified());
    QCOMPARE(driver.Unanswered(), 0);
}

void UndoTest::aCopyThatCannotBeWrittenIsReportedOnce() {
    const std::string blocker = dir_->File("blocker");
    bm::test::WriteFile(blocker, "a file where the folder should be");
    Form().SetRecoveryFolder(Q(blocker + "/recovery"));
    Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf")));
    Trigger("NumberCrewsByClub");
    const std::string warning = "Could not write the recovery copy of your changes to " + blocker +
                                "/recovery. If Boatmeet ends without saving, "
                                "unsaved changes are lost: save often.";
    QTRY_COMPARE_WITH_TIMEOUT(messages_->informed, std::vector<std::string>{warning}, 10000);
    Trigger("NumberCrewsByEvent");
    QTest::qWait(3000);
    QCOMPARE(messages_->informed.size(), std::size_t{1});
}

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
