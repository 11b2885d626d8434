// The draw editor and the event splitter driven through their controls, and
// an organiser's road through the windows (import, split, draw, a late entry
// into a bye, a withdrawn crew taken out) that must leave the same meet as
// the same steps with boatmeet-cli.
#include "guitestsupport.h"

#include "cli/cli.h"
#include "engine/model/random.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <sstream>

using namespace guitest;

namespace {

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

std::string SourcePath(const std::string& relative) {
    return (std::filesystem::path(BM_TEST_DATA_DIR).parent_path().parent_path() / relative)
        .string();
}

// Runs boatmeet-cli in this process with default settings; its stdout.
std::string RunCli(std::vector<std::string> args) {
    args.push_back("--defaults");
    std::ostringstream out;
    std::ostringstream err;
    bm::cli::Streams io{out, err};
    const int status = bm::cli::Run(args, io);
    if (status != 0)
        qWarning("boatmeet-cli %s: %s", args.front().c_str(), err.str().c_str());
    return out.str();
}

} // namespace

class DrawEditorTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void organiserRoadGivesTheMeetOfTheCommandLine();
    void buttonsEditTheSlotsAndTheViewShowsTheDraw();
    void slotsShownAreTheDrawAfterEveryRebuild();
    void splitterRefusesThenSplits();

private:
    QWidget* Editor() { return Form().findChild<QWidget*>(QStringLiteral("DEdit")); }
    QListWidget* List(const char* name) { return Child<QListWidget>(Editor(), name); }
    QString Label(const char* name) { return Child<QLabel>(Editor(), name)->text(); }
    // What a screen reader reads as the control's name.
    QString Spoken(const char* name) {
        return QAccessible::queryAccessibleInterface(Child<QWidget>(Editor(), name))
            ->text(QAccessible::Name);
    }
    QColor StatusColour() {
        return Child<QLabel>(Editor(), "Status_L")->palette().color(QPalette::WindowText);
    }
    void Click(const char* name) { Child<QPushButton>(Editor(), name)->click(); }
    void Choose(const char* event) {
        auto* events = Child<QComboBox>(Editor(), "REEvents_CB");
        events->setCurrentIndex(events->findText(QString::fromUtf8(event)));
    }
    // Chooses a slot and an unplaced crew (-1: none) and presses Move To Draw.
    void Move(int slot, int crew) {
        List("RaceSlot_E")->setCurrentRow(slot);
        List("UnPlaced_E")->setCurrentRow(crew);
        Click("Move_B");
    }
    QString ViewText(std::size_t lines) {
        QStringList shown;
        for (std::size_t i = 0; i < lines && i < Form().Report().ViewLines().size(); ++i)
            shown << Q(Form().Report().ViewLines()[i]);
        return shown.join(QLatin1Char('\n'));
    }
    // Load VEXA with the configuration and the two export files.
    void LoadVexa(const std::string& entries, const std::string& members, bool detect) {
        messages_->SetAnswers({true, detect});
        dialogs_->openNames = {Q(SourcePath("data/VexaConfig.csv")), Q(entries), Q(members)};
        Action(Form(), "VEXATest")->trigger();
    }
};

void DrawEditorTest::init() {
    OpenWindow();
}

void DrawEditorTest::cleanup() {
    CloseWindow();
}

void DrawEditorTest::organiserRoadGivesTheMeetOfTheCommandLine() {
    const std::string entries = SourcePath("examples/vexa/entries.csv");
    const std::string members = SourcePath("examples/vexa/members.csv");
    const std::string lateEntries = dir_->File("late-entries.csv");
    const std::string lateMembers = dir_->File("late-members.csv");
    bm::test::WriteFile(lateEntries, "Entry No,Event,Club,Crew Name,Division,Withdrawn,Paid,Notes\n"
                                     "1022,\"MJ18 1x\",\"Harbour City Rowing Club\",,A,N,N,Late\n");
    bm::test::WriteFile(lateMembers, "Entry No,Member No,Surname,First Name,Club,Seat\n"
                                     "1022,30122,KEREAMA,Ari,\"Harbour City Rowing Club\",1\n");
    // Each boatmeet-cli run starts the random generator afresh; so does each
    // random step here, as if the program had just been started.
    bm::ResetRandom();
    ModalDriver driver;
    messages_->SetNextText("Spring Regatta");
    messages_->SetNextText("12 April");
    Action(Form(), "OpsCreateNew")->trigger();
    LoadVexa(entries, members, true);
    QCOMPARE(dialogs_->openTitles,
             (std::vector<QString>{QStringLiteral("Specify Configuration Filename"),
                                   QStringLiteral("Specify filename for : entries"),
                                   QStringLiteral("Specify filename for : members")}));
    QCOMPARE(dialogs_->openFilters.back(), QStringLiteral("CSV files (*.csv)"));
    QCOMPARE(ViewText(1),
             QStringLiteral("MS 8+   1001             Riverside Rowing Club 1001      "));
    QVERIFY(Child<QCheckBox>(&Form(), "DisplayLock_CB")->isChecked());
    QCOMPARE(Form().Session().History().UndoText(), std::string("Undo Load VEXA"));
    Child<QCheckBox>(&Form(), "DisplayLock_CB")->click();

    bm::ResetRandom();
    messages_->SetAnswers({true});
    driver.Then([](QWidget* splitter) {
        auto* events = Child<QComboBox>(splitter, "Split_CB");
        events->setCurrentIndex(events->findText(QStringLiteral("MS 1x")));
        Child<QPushButton>(splitter, "Split_B")->click();
    });
    Action(Form(), "OpnsSplit")->trigger();
    bm::ResetRandom();
    messages_->SetAnswers({true});
    Action(Form(), "OpnsDraw")->trigger();
    LoadVexa(lateEntries, lateMembers, false);
    Child<QCheckBox>(&Form(), "DisplayLock_CB")->click();

    Form().findChild<QToolButton*>(QStringLiteral("DrawEdit_SB"))->click();
    Choose("MJ18 1x");
    QCOMPARE(
        Items(List("RaceSlot_E")),
        (QStringList{QStringLiteral("***"), QStringLiteral("() Lakeside Rowing Club (Turner)")}));
    QCOMPARE(Label("Status_L"), QStringLiteral("Invalid"));
    // A screen reader reads the counts and the status in words, and the
    // lists and the drop-down by their labels, not by the row or item shown.
    QCOMPARE(Spoken("Status_L"), QStringLiteral("Status: Invalid"));
    QCOMPARE(Spoken("NCrews_L"), QStringLiteral("Crews: ") + Label("NCrews_L"));
    QCOMPARE(Spoken("UnPlaced_L"), QStringLiteral("UnPlaced: ") + Label("UnPlaced_L"));
    QCOMPARE(Spoken("RaceSlot_E"), QStringLiteral("Crew Slots"));
    QCOMPARE(Spoken("UnPlaced_E"), QStringLiteral("UnPlaced Crews"));
    QCOMPARE(Spoken("REEvents_CB"), QStringLiteral("Event"));
    Move(0, 0); // the late entry into the bye
    QCOMPARE(Label("Status_L"), QStringLiteral("Valid"));
    QCOMPARE(StatusColour(), QColor(0, 128, 0));
    QCOMPARE(Spoken("Status_L"), QStringLiteral("Status: Valid"));
    QCOMPARE(ViewText(4), QStringLiteral("\n** WINDOW used by Draw Editor\n"
                                         " Unavailable until Draw Editor is closed\n"));
    Choose("MS 1x (A)");
    const QString withdrawn = List("RaceSlot_E")->item(0)->text();
    List("RaceSlot_E")->setCurrentRow(0);
    Click("Remove_B");
    QCOMPARE(Items(List("UnPlaced_E")), QStringList{withdrawn});
    QCOMPARE(Label("Status_L"), QStringLiteral("Invalid"));
    QCOMPARE(StatusColour(), QColor(Qt::red));
    QCOMPARE(Form().Session().History().UndoText(), std::string("Undo Draw edit"));
    Click("Close_C");
    QCOMPARE(ViewText(1), QStringLiteral("Spring Regatta  on  12 April"));
    dialogs_->saveNames = {Q(dir_->File("window.bmf"))};
    Action(Form(), "FileSave")->trigger();

    const std::string cli = dir_->File("cli.bmf");
    RunCli({"new", cli, "--title", "Spring Regatta", "--date", "12 April"});
    RunCli({"import", cli, "--config", SourcePath("data/VexaConfig.csv"), "--file",
            "entries=" + entries, "--file", "members=" + members, "--detect-doubling-up"});
    RunCli({"split", cli, "MS 1x", "2"});
    RunCli({"draw", cli});
    RunCli({"import", cli, "--config", SourcePath("data/VexaConfig.csv"), "--file",
            "entries=" + lateEntries, "--file", "members=" + lateMembers});
    const std::string shown = RunCli({"draw-edit", cli, "MJ18 1x"});
    const std::string lateId = shown.substr(shown.find("UnPlaced Crews:\n") + 16);
    RunCli({"draw-edit", cli, "MJ18 1x", "place", "1", lateId.substr(0, lateId.find('\t'))});
    RunCli({"draw-edit", cli, "MS 1x (A)", "remove", "1"});
    QCOMPARE(Q(bm::test::ReadFile(dir_->File("window.bmf"))), Q(bm::test::ReadFile(cli)));
    QCOMPARE(driver.Unanswered(), 0);
}

void DrawEditorTest::buttonsEditTheSlotsAndTheViewShowsTheDraw() {
    Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf")));
    const QString report = ViewText(3);
    Action(Form(), "EditDraw")->trigger();
    QVERIFY(Editor()->isVisible());
    QCOMPARE(Editor()->windowTitle(), QStringLiteral("Draw Editor"));
    QCOMPARE(Label("NCrews_L"), QStringLiteral("<none>"));
    QCOMPARE(ViewText(3), report);
    // Without choices the buttons tell what is missing or do nothing.
    Move(-1, -1);
    Click("Remove_B");
    for (const char* button : {"Expand_B", "Contact_B", "Auto_B"})
        Click(button);
    QCOMPARE(messages_->informed,
             (std::vector<std::string>{"Select Unplaced Crew and Crew Slot",
                                       "Select a Crew Slot to remove crew from"}));
    QVERIFY(messages_->asked.empty());

    Choose("MS 4-");
    QCOMPARE(List("RaceSlot_E")->count(), 0);
    QCOMPARE(Items(List("UnPlaced_E")).front(), QStringLiteral("() Riverside Alpha"));
    QCOMPARE(Label("UnPlaced_L"), QStringLiteral("4"));
    Click("Expand_B"); // a final of two empty slots
    Move(0, 0);
    Move(1, 0);
    Click("Expand_B");
    Click("Expand_B");
    QCOMPARE(Items(List("RaceSlot_E")),
             (QStringList{QStringLiteral("() Riverside Alpha"), QStringLiteral("***"),
                          QStringLiteral("***"), QStringLiteral("***"),
                          QStringLiteral("() Lakeview Bravo"), QStringLiteral("***"),
                          QStringLiteral("***"), QStringLiteral("***")}));
    QCOMPARE(Label("Placed_L"), QStringLiteral("2"));
    messages_->SetAnswers({false});
    Click("Contact_B");
    QCOMPARE(List("RaceSlot_E")->count(), 8);
    messages_->SetAnswers({true});
    Click("Contact_B");
    QCOMPARE(List("RaceSlot_E")->count(), 4);
    // A crew moved onto another: asked first, and the one taken out is unplaced.
    messages_->SetAnswers({false, true});
    Move(0, 0);
    QCOMPARE(List("RaceSlot_E")->item(0)->text(), QStringLiteral("() Riverside Alpha"));
    Move(0, 0);
    QCOMPARE(List("RaceSlot_E")->item(0)->text(), QStringLiteral("() Harbour Charlie"));
    QVERIFY(Items(List("UnPlaced_E")).contains(QStringLiteral("() Riverside Alpha")));
    // The view follows the editor and not the selector; undo reaches the window.
    QCOMPARE(ViewText(7).section(QLatin1Char('\n'), 4),
             QStringLiteral("MS 4-\n"
                            "=====\n"
                            "() Harbour Charlie ...... } (NT) "));
    Child<QComboBox>(&Form(), "DSelect_CB")->setCurrentIndex(12);
    QVERIFY(ViewText(2).contains(QStringLiteral("WINDOW used by Draw Editor")));
    Form().Session().Undo();
    Form().RefreshAll();
    QCOMPARE(List("RaceSlot_E")->item(0)->text(), QStringLiteral("() Riverside Alpha"));
    messages_->SetAnswers({true});
    Click("Auto_B");
    QCOMPARE(Label("UnPlaced_L"), QStringLiteral("0"));
    QCOMPARE(Label("Status_L"), QStringLiteral("Valid"));
    QCOMPARE(messages_->asked.back(),
             std::string("Drawing event will clear race times for event. OK to continue?"));
    // Another meet closes the window and gives the view back.
    Form().OpenFile(Q(WriteRegatta(*dir_, "autumn.bmf")));
    Settle();
    QVERIFY(!Editor()->isVisible());
    QCOMPARE(ViewText(1), QStringLiteral("Riverside No colours information"));
}

// Removing a crew moves its opponent, now walking over a bye, to the first
// slot of their pair: the window shows the draw as rebuilt, and the next
// Remove acts on the slot as shown.
void DrawEditorTest::slotsShownAreTheDrawAfterEveryRebuild() {
    Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf", true)));
    Action(Form(), "EditDraw")->trigger();
    auto* events = Child<QComboBox>(Editor(), "REEvents_CB");
    ChooseInOpenList(events, events->findText(QStringLiteral("MS 4-")), InList::Keys);
    const QStringList drawn = Items(List("RaceSlot_E"));
    QCOMPARE(drawn.size(), 4);
    QVERIFY(!drawn.contains(QStringLiteral("***")));
    List("RaceSlot_E")->setCurrentRow(0);
    Click("Remove_B");
    QCOMPARE(Items(List("RaceSlot_E")),
             (QStringList{drawn[1], QStringLiteral("***"), drawn[2], drawn[3]}));
    List("RaceSlot_E")->setCurrentRow(1);
    Click("Remove_B");
    QCOMPARE(Items(List("UnPlaced_E")), QStringList{drawn[0]});
    QCOMPARE(Items(List("RaceSlot_E")),
             (QStringList{drawn[1], QStringLiteral("***"), drawn[2], drawn[3]}));
}

void DrawEditorTest::splitterRefusesThenSplits() {
    Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf", true)));
    ModalDriver driver;
    driver.Then([](QWidget* splitter) { Child<QPushButton>(splitter, "Cancel_B")->click(); });
    driver.Then([this](QWidget* splitter) {
        auto* events = Child<QComboBox>(splitter, "Split_CB");
        auto* divisions = Child<QLineEdit>(splitter, "NDivs_E");
        auto* split = Child<QPushButton>(splitter, "Split_B");
        QCOMPARE(divisions->text(), QStringLiteral("2"));
        split->click();
        ChooseInOpenList(events, 0, InList::Click);
        for (const char* count : {"1", "x", "27"}) {
            divisions->setText(QString::fromUtf8(count));
            split->click();
        }
        divisions->setText(QStringLiteral("2"));
        messages_->SetAnswers({false, true});
        split->click();
        QVERIFY(splitter->isVisible());
        split->click();
    });
    Action(Form(), "OpnsSplit")->trigger();
    Action(Form(), "OpnsSplit")->trigger();
    Settle();
    QCOMPARE(driver.Captions(),
             (QStringList{QStringLiteral("Event Splitter"), QStringLiteral("Event Splitter")}));
    QCOMPARE(messages_->informed,
             (std::vector<std::string>{"You must select an event to split",
                                       "You must split into 2 or more divisions!",
                                       "You must split into 2 or more divisions!",
                                       "You can split into at most 26 divisions!"}));
    QCOMPARE(messages_->asked.front(), std::string("OK to split  MS 4-  into 2 divisions?"));
    QCOMPARE(Form().Session().Meet()->Events.Texts(),
             (std::vector<std::string>{"MS 4- (A)", "MS 4- (B)", "WS 1x"}));
    QCOMPARE(Form().Session().History().UndoText(), std::string("Undo Split Event"));
    QVERIFY(ReportShown(Form()));
    QVERIFY(ViewText(12).contains(QStringLiteral("WS 1x")));
    QVERIFY(!ViewText(12).contains(QStringLiteral("MS 4-")));
    QCOMPARE(driver.Unanswered(), 0);
}

QTEST_MAIN(DrawEditorTest)
#include "draweditor_test.moc"
