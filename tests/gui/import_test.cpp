// Load VEXA and the test data window through the main window: files the
// import cannot use leave the meet as it was, the import report stays under
// "Display Locked", and generated meets are written without touching the
// open one.
#include "guitestsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <filesystem>

using namespace guitest;

namespace {

std::string SourcePath(const std::string& relative) {
    return (std::filesystem::path(BM_TEST_DATA_DIR).parent_path().parent_path() / relative)
        .string();
}

} // namespace

class ImportTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }
    void loadVexaRefusesWhatItCannotUseAndKeepsTheReportOnScreen();
    void testDataWindowWritesTheChosenSizeBesideTheMeet();

private:
    // Load VEXA answering the questions and file dialogs from the lists.
    void LoadVexa(std::deque<bool> answers, std::deque<QString> files) {
        for (bool yes : answers)
            messages_->SetNextAnswer(yes);
        dialogs_->openNames = std::move(files);
        Action(Form(), "VEXATest")->trigger();
    }
    QCheckBox* Lock() { return Child<QCheckBox>(&Form(), "DisplayLock_CB"); }
};

void ImportTest::loadVexaRefusesWhatItCannotUseAndKeepsTheReportOnScreen() {
    Action(Form(), "VEXATest")->trigger();
    const std::string spring = WriteRegatta(*dir_, "spring.bmf");
    Form().OpenFile(Q(spring));
    const std::vector<std::string> report = Form().Report().ViewLines();
    const QString config = Q(SourcePath("data/VexaConfig.csv"));
    const QString members = Q(SourcePath("examples/vexa/members.csv"));
    const QString empty = Q(dir_->File("empty.csv"));
    bm::test::WriteFile(empty.toStdString(), "");
    LoadVexa({false}, {});          // the configuration beside the program: none there
    LoadVexa({true}, {empty});      // an empty configuration asks for no files
    LoadVexa({true}, {config, {}}); // the export dialog cancelled
    LoadVexa({true}, {config, empty, members});
    LoadVexa({true}, {config, Q(spring), members}); // a meet file is no export
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    const std::string patient = "Press OK to load crews ... and then be patient!";
    QCOMPARE(messages_->informed,
             (std::vector<std::string>{"Must create a Boatmeet before loading...",
                                       "Could not open file : " + folder + "/VexaConfig.csv",
                                       patient, "ID is not defined", "VEXA load abandoned", patient,
                                       empty.toStdString() + " has invalid format", patient,
                                       "Could not find ID in " + spring}));
    QCOMPARE(Form().Session().Meet()->Crews.size(), std::size_t{7});
    QVERIFY(!Form().Session().History().CanUndo());
    QCOMPARE(Form().Report().ViewLines(), report);
    QVERIFY(!Lock()->isChecked());

    // An export from an older Windows program (Windows-1252) reads as such.
    const QString entries = Q(dir_->File("entries.csv"));
    bm::test::WriteFile(entries.toStdString(),
                        "Entry No,Event,Club,Crew Name,Division,Withdrawn,Paid,Notes\r\n"
                        "1001,MS 2x,Riverside,M\xfcller,A,N,Y,\r\n");
    LoadVexa({true, false}, {config, entries, members});
    QCOMPARE(Form().Session().Meet()->Crews.back()->Name, std::string("(Müller)"));
    QCOMPARE(Q(Form().Report().ViewLines().front()),
             QStringLiteral("MS 2x   1001  Müller     Riverside Rowing Club 1001      "));
    QVERIFY(Lock()->isChecked());
    QVERIFY(!Child<QComboBox>(&Form(), "DSelect_CB")->isEnabled());
    QCOMPARE(Form().Session().History().UndoText(), std::string("Undo Load VEXA"));
    // A view locked before keeps its text; the export is applied all the
    // same: downloaded again with a late entry, it adds that crew alone, in
    // one step of the undo history.
    const std::vector<std::string> firstReport = Form().Report().ViewLines();
    const std::size_t steps = Form().Session().History().UndoCount();
    bm::test::WriteFile(entries.toStdString(),
                        "Entry No,Event,Club,Crew Name,Division,Withdrawn,Paid,Notes\r\n"
                        "1001,MS 2x,Riverside,M\xfcller,A,N,Y,\r\n"
                        "1002,MS 2x,Riverside,,A,N,Y,\r\n");
    LoadVexa({true, false}, {config, entries, members});
    QCOMPARE(Form().Report().ViewLines(), firstReport);
    QCOMPARE(Form().Session().Meet()->Crews.size(), std::size_t{9});
    QCOMPARE(Form().Session().History().UndoCount(), steps + 1);
    QVERIFY(Form().Session().Undo());
    QCOMPARE(Form().Session().Meet()->Crews.size(), std::size_t{8});
}

void ImportTest::testDataWindowWritesTheChosenSizeBesideTheMeet() {
    const std::string spring = WriteRegatta(*dir_, "spring.bmf");
    Form().OpenFile(Q(spring));
    Action(Form(), "OpnsTestData")->trigger();
    auto* window = Form().findChild<QWidget*>(QStringLiteral("MakeData_F"));
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Test Data Generation"));
    auto edit = [window](const char* name) { return Child<QLineEdit>(window, name); };
    QCOMPARE(edit("OFName_E")->text(), Q(dir_->File("")));
    QCOMPARE(edit("NCrews_E")->text() + edit("NEvents_E")->text() + edit("NClubs_E")->text() +
                 edit("DUp_E")->text() + edit("BS_E")->text(),
             QStringLiteral("30030503030"));
    const QString trial = Q(dir_->File("trial.bmf"));
    dialogs_->saveNames = {trial};
    Child<QPushButton>(window, "Browse_B")->click();
    QCOMPARE(dialogs_->saveRequests.back().filter, QStringLiteral("Boatmeet Files (*.bmf)"));
    QCOMPARE(dialogs_->saveRequests.back().defaultSuffix, QStringLiteral("bmf"));
    QCOMPARE(edit("OFName_E")->text(), trial);
    edit("Title_E")->setText(QStringLiteral("Trial \"Head\""));
    edit("NCrews_E")->setText(QStringLiteral(" 40 crews"));
    edit("NEvents_E")->setText(QStringLiteral("4"));
    edit("NClubs_E")->setText(QStringLiteral("+5"));
    auto* generate = Child<QPushButton>(window, "Generate_B");
    generate->click();
    // Refused: a folder that cannot be written, a negative count, the open meet's own file.
    edit("OFName_E")->setText(Q(dir_->File("missing/trial.bmf")));
    generate->click();
    edit("OFName_E")->setText(Q(spring));
    generate->click();
    edit("OFName_E")->setText(trial);
    edit("NCrews_E")->setText(QStringLiteral("-1"));
    generate->click();
    QCOMPARE(messages_->informed,
             (std::vector<std::string>{
                 "Data Generation Complete", "Could not open file!",
                 "This file holds the open Boatmeet; choose another file for the test data.",
                 "The numbers to generate must not be negative"}));
    const auto generated = bm::Boatmeet::LoadFromFile(trial.toStdString());
    QCOMPARE(generated->Title, std::string("Trial 'Head'"));
    QCOMPARE(generated->Crews.size(), std::size_t{40});
    QCOMPARE(generated->Events.Count(), 4);
    QCOMPARE(generated->Clubs.Count(), 5);
    QCOMPARE(Form().Session().Meet()->Crews.size(), std::size_t{7});
    QCOMPARE(bm::test::ReadFile(spring), bm::test::ReadFile(WriteRegatta(*dir_, "again.bmf")));
    QVERIFY(!std::filesystem::exists(dir_->File("missing")));
    Child<QPushButton>(window, "Close_B")->click();
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(ImportTest)
#include "import_test.moc"
