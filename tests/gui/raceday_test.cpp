// The race-day windows driven as an organiser would, through their controls:
// the race editor with its period dialog, the race check offered while
// scheduling, the results window and the information window. What they leave
// in the meet file is held against what boatmeet-cli gives for the same steps.
#include "guitestsupport.h"

#include "cli/cli.h"
#include "engine/draw/crewraceinfo.h"
#include "engine/draw/results.h"
#include "engine/editors/periodeditor.h"
#include "engine/editors/raceeditor.h"
#include "engine/schedule/schedulefit.h"
#include "gui/dialogs/progressdialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>

#include <algorithm>
#include <sstream>

using namespace guitest;
using bm::test::ReadFile;

namespace {

// Types into the edit as a user would, replacing what it held.
void Type(QWidget* parent, const char* name, const QString& text) {
    auto* edit = Child<QLineEdit>(parent, name);
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

void Click(QWidget* parent, const char* name) {
    Child<QAbstractButton>(parent, name)->click();
}

// Checks or unchecks the button as a screen reader does: through its
// accessibility action, which toggles it without a click.
void Toggle(QWidget* parent, const char* name) {
    QAccessibleInterface* button =
        QAccessible::queryAccessibleInterface(Child<QAbstractButton>(parent, name));
    QVERIFY(button->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::toggleAction()));
    button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

QString EditText(QWidget* parent, const char* name) {
    return Child<QLineEdit>(parent, name)->text();
}

// Runs boatmeet-cli in this process with every setting at its default, as a
// script would; the text it writes on stdout and stderr.
std::string Cli(std::vector<std::string> args) {
    args.push_back("--defaults");
    std::ostringstream out;
    std::ostringstream err;
    bm::cli::Streams io{out, err, false};
    const int status = bm::cli::Run(args, io);
    if (status != bm::cli::Done && status != bm::cli::Problem)
        qWarning("boatmeet-cli %s: %s", args[0].c_str(), err.str().c_str());
    return out.str() + err.str();
}

// The period dialog filled in and confirmed.
std::function<void(QWidget*)> EnterPeriod(QString start, QString end, QString value, bool perHour) {
    return [=](QWidget* dialog) {
        Type(dialog, "Start_E", start);
        Type(dialog, "End_E", end);
        Type(dialog, "Interval_E", value);
        Click(dialog, perHour ? "RIType_RG1" : "RIType_RG0");
        Click(dialog, "OK_B");
    };
}

} // namespace

class RaceDayTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void raceEditorSetsPeriodsSchedulesAndSetsATimeAsTheCliDoes();
    void raceCheckAcceptsOrSkipsWhatBreaksALeastTime();
    void resultsOfAWholeRegattaAsTheCliRecordsThem();
    void informationOnACrewAndARace();
    void choicesMadeThroughTheAccessibilityActionHold();
    void planTheDayOpensTheSplitterOnAProposedSplit();

private:
    QWidget* Window(const char* name) { return Child<QWidget>(&Form(), name); }
    void Trigger(const char* name) {
        Action(Form(), name)->trigger();
        Settle();
    }
    // Opens the meet file in the window; a copy of it for the CLI.
    std::string OpenWithCliCopy(const std::string& file) {
        const std::string copy = dir_->File("cli.bmf");
        std::filesystem::copy_file(file, copy);
        Form().OpenFile(Q(file));
        return copy;
    }
};

void RaceDayTest::init() {
    OpenWindow();
}

void RaceDayTest::cleanup() {
    CloseWindow();
}

// sched_drawn: MS 1x of four crews (two heats, a final) and the WS 2x final,
// whose Smith doubles up with Smith of MS 1x; one period 0900-1200 every 10
// minutes; least times 40, 40 and 20.
void RaceDayTest::raceEditorSetsPeriodsSchedulesAndSetsATimeAsTheCliDoes() {
    const std::string file = bm::test::CopyFixture(*dir_, "sched_drawn.bmf");
    const std::string cliFile = OpenWithCliCopy(file);
    Trigger("EditRace");
    QWidget* editor = Window("RaceEdit_F");
    QVERIFY(editor->isVisible());
    QCOMPARE(EditText(editor, "BRTime_E"), QStringLiteral("40"));
    QCOMPARE(
        Child<QLabel>(editor, "Capacity_L")->text(),
        QStringLiteral("4 races to time; the race periods offer 19 free time slots (19 in all)"));
    auto* periods = Child<QListWidget>(editor, "RaceP_LB");
    QCOMPARE(periods->count(), 1);

    // Return on the row opens the period dialog: Delete.
    ModalDriver driver;
    driver.Then([](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Race Periods"));
        QCOMPARE(EditText(dialog, "Start_E"), QStringLiteral("900"));
        Click(dialog, "Delete_B");
    });
    periods->setCurrentRow(0);
    QTest::keyClick(periods, Qt::Key_Return);
    QCOMPARE(periods->count(), 0);

    // A zero interval beeps and keeps the dialog; a start that is no clock
    // value is refused; then the period is taken.
    driver.Then([this](QWidget* dialog) {
        QVERIFY(Child<QLabel>(dialog, "ZWarn_L")->isVisibleTo(dialog));
        QVERIFY(!Child<QPushButton>(dialog, "Delete_B")->isEnabled());
        EnterPeriod(QStringLiteral("0900"), QStringLiteral("0915"), QStringLiteral("0"),
                    false)(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(messages_->informed.empty());
        Type(dialog, "Interval_E", QStringLiteral("15"));
        QVERIFY(!Child<QLabel>(dialog, "ZWarn_L")->isVisibleTo(dialog));
        Type(dialog, "Start_E", QStringLiteral("9:00"));
        Click(dialog, "OK_B");
        QVERIFY(dialog->isVisible());
        QCOMPARE(messages_->informed, std::vector<std::string>{bm::ClockValueRefusal});
        Type(dialog, "Start_E", QStringLiteral("0900"));
        Click(dialog, "OK_B");
    });
    Click(editor, "AddRP_B");
    driver.Then([](QWidget* dialog) {
        Click(dialog, "RIType_RG1");
        QCOMPARE(Child<QLabel>(dialog, "Interval_L")->text(), QStringLiteral("Races/Hour:"));
        EnterPeriod(QStringLiteral("1300"), QStringLiteral("1300"), QStringLiteral("12"),
                    true)(dialog);
    });
    Click(editor, "AddRP_B");
    QCOMPARE(driver.Pending(), 0);
    QCOMPARE(periods->item(0)->text(), QStringLiteral(" 0900 0915    15 I"));
    QCOMPARE(periods->item(1)->text(), QStringLiteral(" 1300 1300    12 PH"));

    Type(editor, "BRTime_E", QStringLiteral("30"));
    Type(editor, "DUTime_E", QStringLiteral("25"));
    Type(editor, "BSTime_E", QStringLiteral("x10"));
    QCOMPARE(EditText(editor, "BSTime_E"), QStringLiteral("10"));
    Click(editor, "SType_RG1");
    Click(editor, "fType_RG1");
    messages_->informed.clear();
    Click(editor, "Schedule_B");
    QVERIFY(!Form().ProgressWindow()->isVisible());
    QCOMPARE(Form().ProgressWindow()->Position(), 100);
    // The WS 2x final waits for the doubling-up Smith, past the last period.
    QCOMPARE(messages_->informed,
             std::vector<std::string>{
                 "1 race was timed after the end of the last race period (latest 1325)."});

    // Race numbers and times as typed, right and wrong.
    messages_->informed.clear();
    Type(editor, "RaceNo_E", QStringLiteral("3"));
    QCOMPARE(EditText(editor, "Time_E"), QStringLiteral("1300"));
    QVERIFY(
        Child<QPlainTextEdit>(editor, "RMemo")->toPlainText().contains(QStringLiteral("MS 1x")));
    for (const char* time : {"abc", "", "12345", "9:30"}) {
        Type(editor, "Time_E", QString::fromUtf8(time));
        Click(editor, "SetTime_B");
    }
    Type(editor, "RaceNo_E", QStringLiteral("77"));
    QCOMPARE(EditText(editor, "Time_E"), QString());
    Click(editor, "SetTime_B");
    QCOMPARE(
        messages_->informed,
        (std::vector<std::string>{bm::NotValidTimeText, bm::NotValidTimeText, bm::NotValidTimeText,
                                  bm::NotValidTimeText, bm::NotValidRaceNumberText}));
    Type(editor, "RaceNo_E", QStringLiteral("3"));
    Type(editor, "Time_E", QStringLiteral("1415"));
    QTest::keyClick(Child<QLineEdit>(editor, "Time_E"), Qt::Key_Return);
    QCOMPARE(EditText(editor, "Time_E"), QStringLiteral("1415"));
    Trigger("FileSave");

    Cli({"periods", cliFile, "--clear", "--add", "0900", "0915", "15", "i", "--add", "1300", "1300",
         "12", "ph", "--least-times", "30,25,10"});
    Cli({"schedule", cliFile, "--mode", "moderate", "--finals", "preferably"});
    Cli({"set-time", cliFile, "3", "1415"});
    QCOMPARE(ReadFile(file), ReadFile(cliFile));
}

void RaceDayTest::raceCheckAcceptsOrSkipsWhatBreaksALeastTime() {
    const std::string file = bm::test::CopyFixture(*dir_, "sched_drawn.bmf");
    const std::string cliFile = OpenWithCliCopy(file);
    bm::CurrentSettings().AllowTC = true;
    bm::CurrentSettings().CheckTC = true;
    Trigger("EditRace");
    QWidget* editor = Window("RaceEdit_F");
    ModalDriver driver;
    bool accept = false;
    int asked = 0;
    std::function<void(QWidget*)> answer = [&](QWidget* dialog) {
        ++asked;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Placing an Invalid Race"));
        // Scheduling waits behind the question, its progress window up and
        // blocking every other window.
        QVERIFY(Form().ProgressWindow()->isVisible());
        QVERIFY(Form().ProgressWindow()->isModal());
        const QString time = Child<QLabel>(dialog, "Time_L")->text();
        QCOMPARE(time.size(), 4);
        QVERIFY(Child<QPlainTextEdit>(dialog, "Memo1")
                    ->toPlainText()
                    .startsWith(QStringLiteral("\nProposed race at : ") + time));
        Click(dialog, accept ? "Accept_B" : "Skip_B");
        driver.Then(answer);
    };
    driver.Then(answer);
    Click(editor, "Schedule_B");
    QVERIFY(asked > 0);
    Trigger("FileSave");
    const std::string savedSkipping = ReadFile(file);

    messages_->SetNextAnswer(true);
    Click(editor, "Clear_B");
    QCOMPARE(messages_->asked.back(), std::string(bm::ClearTimesQuestion));
    accept = true;
    asked = 0;
    Click(editor, "Schedule_B");
    QVERIFY(asked > 0);
    Trigger("FileSave");

    std::vector<std::string> schedule = {"schedule",  cliFile, "--set",
                                         "AllowTC=1", "--set", "CheckTC=1"};
    Cli(schedule);
    QCOMPARE(savedSkipping, ReadFile(cliFile));
    Cli({"clear-times", cliFile});
    schedule.push_back("--accept-conflicts");
    Cli(schedule);
    QCOMPARE(ReadFile(file), ReadFile(cliFile));
    QVERIFY(ReadFile(file) != savedSkipping);
}

// A regatta of two events: MS 4- (two semi-finals and a final) and WS 1x
// (three crews: a first-round race, the bye, and the final).
void RaceDayTest::resultsOfAWholeRegattaAsTheCliRecordsThem() {
    const std::string file = WriteRegatta(*dir_, "regatta.bmf", true);
    const std::string cliFile = OpenWithCliCopy(file);
    Trigger("OpnsNumberRaces");
    Cli({"number-races", cliFile});
    const int races = static_cast<int>(Form().Session().Meet()->RaceList.size());
    QCOMPARE(races, 5);

    Trigger("ShowResultsEditor");
    QWidget* results = Window("RaceResults");
    QVERIFY(results->isVisible());
    auto* winner = Child<QComboBox>(results, "Winner_CB");
    auto* verdict = Child<QComboBox>(results, "Verdict_CB");
    QCOMPARE(verdict->count(), 25);

    // The MS 4- final before its semi-finals are decided.
    Type(results, "RaceNo_ME", QStringLiteral("3"));
    QCOMPARE(Child<QLabel>(results, "Event_L")->text(), QStringLiteral("MS 4-"));
    winner->showPopup();
    QCOMPARE(winner->count(), 0);
    QCOMPARE(messages_->informed, std::vector<std::string>{bm::NoCrewListText});

    // Every race in number order: the verdict typed or chosen, then the
    // winner chosen from the list as it opens; the last race's verdict is
    // typed after its winner.
    QStringList winners;
    for (int race = 1; race <= races; ++race) {
        const int place = race % 2 == 0 ? 2 : 1;
        const QString text = race == 2 ? QStringLiteral("1 1/2L") : QStringLiteral("Easily");
        Type(results, "RaceNo_ME", QString::number(race));
        if (race == 2)
            verdict->setCurrentIndex(verdict->findText(text));
        else if (race != races)
            QTest::keyClicks(verdict->lineEdit(), text);
        ChooseInOpenList(winner, place - 1, race % 2 == 0 ? InList::Keys : InList::Click);
        QCOMPARE(winner->count(), 3);
        QCOMPARE(winner->itemText(2), QStringLiteral("Clear Result"));
        if (race == 3) // the final offers the winners of the semi-finals
            QCOMPARE(QStringList({winner->itemText(0), winner->itemText(1)}), winners);
        winners << winner->itemText(place - 1);
        QCOMPARE(winner->currentText(), winners.back());
        if (race == races)
            QTest::keyClicks(verdict->lineEdit(), text);
        Cli({"set-result", cliFile, std::to_string(race), std::to_string(place), "--verdict",
             text.toStdString()});
    }
    QCOMPARE(messages_->informed.size(), std::size_t{1});

    // A result cleared and recorded again is undone step by step in the list.
    Type(results, "RaceNo_ME", QStringLiteral("1"));
    QCOMPARE(winner->currentText(), winners.front());
    QCOMPARE(verdict->currentText(), QStringLiteral("Easily"));
    winner->showPopup();
    winner->view()->setCurrentIndex(winner->model()->index(2, 0));
    QTest::keyClick(winner->view(), Qt::Key_Return);
    QCOMPARE(verdict->currentText(), QString());
    // The final that race 1 feeds was decided already: the window says so in
    // words a screen reader reads, and so does the command line.
    auto* warning = Child<QLabel>(results, "Warning_L");
    const QString check = QStringLiteral("Race 3 already has a result: check it");
    QCOMPARE(warning->text(), check);
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->accessibleName(), QStringLiteral("Warning: ") + check);
    QCOMPARE(Cli({"set-result", cliFile, "1", "clear"}), check.toStdString() + "\n");
    QCOMPARE(bm::SetRaceResult(*Form().Session().Meet(), "1", 1, std::string("Easily")),
             std::string());
    Cli({"set-result", cliFile, "1", "1", "--verdict", "Easily"});
    Form().Session().Changed("Result");
    Settle();
    QCOMPARE(winner->currentText(), winners.front());
    QVERIFY(!warning->isVisible());

    Trigger("FileSave");
    QCOMPARE(ReadFile(file), ReadFile(cliFile));
    // The draw display shows the results.
    Child<QComboBox>(&Form(), "DrawShowType_CB")->setCurrentIndex(1);
    const std::vector<std::string>& lines = Form().Report().ViewLines();
    QVERIFY(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("} 1 1/2L") != std::string::npos;
    }));
}

void RaceDayTest::informationOnACrewAndARace() {
    const std::string file = WriteRegatta(*dir_, "regatta.bmf", true);
    Form().OpenFile(Q(file));
    Trigger("OpnsNumberRaces");
    Trigger("NumberCrewsByEvent");
    Trigger("EditInfo");
    QWidget* info = Window("Info_F");
    QVERIFY(info->isVisible());
    auto* label = Child<QLabel>(info, "DataType_L");
    auto* text = Child<QPlainTextEdit>(info, "Data_M");
    QCOMPARE(label->text(), QStringLiteral("Race Number"));

    Click(info, "RaceOrCrew_RG1");
    QCOMPARE(label->text(), QStringLiteral("Crew Number:"));
    QCOMPARE(Child<QLineEdit>(info, "Number_ME")->accessibleName(), QStringLiteral("Crew Number:"));
    Type(info, "Number_ME", QStringLiteral("2"));
    Trigger("FileSave");
    QCOMPARE(text->toPlainText() + QLatin1Char('\n'), Q(Cli({"info", file, "--crew", "2"})));
    Type(info, "Number_ME", QStringLiteral("99"));
    QCOMPARE(text->toPlainText(), QStringLiteral("\n  99 : Not a valid Crew Number"));

    Click(info, "RaceOrCrew_RG0");
    Type(info, "Number_ME", QStringLiteral("1"));
    const QString race = text->toPlainText() + QLatin1Char('\n');
    QCOMPARE(race, Q(Cli({"info", file, "--race", "1"})));
    QVERIFY(race.contains(QStringLiteral("Crews that could be in second slot of race:")));

    // Refresh all reads the number again: a result shows, with no new empty
    // line on top.
    QCOMPARE(bm::SetRaceResult(*Form().Session().Meet(), "1", 1, std::nullopt), std::string());
    Form().Session().Changed("Result");
    Settle();
    Trigger("FileSave");
    QCOMPARE(QLatin1Char('\n') + text->toPlainText() + QLatin1Char('\n'),
             Q(Cli({"info", file, "--race", "1"})));
    QVERIFY(text->toPlainText().contains(QStringLiteral(" Race was won by above crew")));
}

// Every radio group and check box that the windows act on: what a screen
// reader's toggle shows checked is what the meet, the period and the window
// then hold.
void RaceDayTest::choicesMadeThroughTheAccessibilityActionHold() {
    const std::string file = bm::test::CopyFixture(*dir_, "sched_drawn.bmf");
    Form().OpenFile(Q(file));
    Trigger("EditRace");
    QWidget* editor = Window("RaceEdit_F");
    const auto stored = [this] { return bm::RaceEditorFieldsOf(*Form().Session().Meet()); };
    for (int mode : {2, 0, 1}) {
        Toggle(editor, ("SType_RG" + std::to_string(mode)).c_str());
        QCOMPARE(stored().SType, mode);
    }
    for (int finals : {0, 2}) {
        Toggle(editor, ("fType_RG" + std::to_string(finals)).c_str());
        QCOMPARE(stored().FType, finals);
    }
    Trigger("FileSave");
    QCOMPARE(bm::RaceEditorFieldsOf(*bm::Boatmeet::LoadFromFile(file)).SType, 1);
    QCOMPARE(bm::RaceEditorFieldsOf(*bm::Boatmeet::LoadFromFile(file)).FType, 2);

    ModalDriver driver;
    driver.Then([](QWidget* dialog) {
        Toggle(dialog, "RIType_RG1");
        QCOMPARE(Child<QLabel>(dialog, "Interval_L")->text(), QStringLiteral("Races/Hour:"));
        Type(dialog, "Start_E", QStringLiteral("1300"));
        Type(dialog, "End_E", QStringLiteral("1400"));
        Type(dialog, "Interval_E", QStringLiteral("12"));
        Click(dialog, "OK_B");
    });
    Click(editor, "AddRP_B");
    QCOMPARE(Child<QListWidget>(editor, "RaceP_LB")->item(1)->text(),
             QStringLiteral(" 1300 1400    12 PH"));

    Trigger("EditInfo");
    Toggle(Window("Info_F"), "RaceOrCrew_RG1");
    QCOMPARE(Child<QLabel>(Window("Info_F"), "DataType_L")->text(), QStringLiteral("Crew Number:"));

    Trigger("EditCrew");
    const auto paid = [this] {
        const auto& all = Form().Session().Meet()->Crews;
        return std::count_if(all.begin(), all.end(),
                             [](const auto& crew) { return crew->FeePaid; });
    };
    auto* list = Child<QListView>(Window("CEdit"), "CrewList_LB");
    const QPoint first = list->visualRect(list->model()->index(0, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
    const auto before = paid();
    auto* fee = Child<QCheckBox>(Window("CEdit"), "EntryFee_CB");
    Toggle(Window("CEdit"), "EntryFee_CB");
    QCOMPARE(paid(), before + (fee->isChecked() ? 1 : -1));

    Toggle(&Form(), "DisplayLock_CB");
    QVERIFY(!Child<QWidget>(&Form(), "DSelect_CB")->isEnabled());
    Toggle(&Form(), "DisplayLock_CB");
    QVERIFY(Child<QWidget>(&Form(), "DSelect_CB")->isEnabled());
}

// Sixteen juniors of one club on 09:00 to 10:45 every 5 minutes: the races
// fit, but four rounds 40 minutes apart keep the final from starting before
// 11:00. The plan, opened from the race editor, proposes a split first; its
// button opens the event splitter on it, and the plan then fits.
void RaceDayTest::planTheDayOpensTheSplitterOnAProposedSplit() {
    bm::Boatmeet meet;
    const int club = meet.Clubs.Add("Riverside");
    const int key = meet.Events.Add("Junior");
    for (int i = 0; i < 16; ++i) {
        auto crew = std::make_unique<bm::Crew>();
        crew->EventKey = key;
        crew->ClubKey = club;
        meet.AddCrew(std::move(crew));
    }
    meet.RaceTimes.SetPeriods({{900, 1045, 5, 0}});
    const std::string file = dir_->File("juniors.bmf");
    meet.SaveToFile(file, true);
    Form().OpenFile(Q(file));
    Settle();
    Trigger("EditRace");
    Click(Window("RaceEdit_F"), "Plan_B");
    QWidget* plan = Window("Plan_F");
    QVERIFY(plan->isVisible());
    const QString verdict =
        QStringLiteral("Does not fit: At least 1 race cannot be timed within the race periods.");
    QCOMPARE(Child<QLabel>(plan, "Verdict_L")->text(), verdict);
    QCOMPARE(Child<QWidget>(plan, "Picture_PB")->accessibleDescription(), verdict);
    QVERIFY(Child<QPlainTextEdit>(plan, "PlanMemo")
                ->toPlainText()
                .contains(QStringLiteral("\nEvent Junior cannot reach its final before 11:00\n")));

    // Only a split opens the splitter: the proposals are chosen from the keyboard.
    auto* proposals = Child<QListWidget>(plan, "Proposals_LB");
    QCOMPARE(proposals->count(), 3);
    QVERIFY(proposals->item(0)->text().startsWith(
        QStringLiteral("Proposal: split Junior into 2 divisions. Reason: ")));
    auto* split = Child<QPushButton>(plan, "Split_B");
    QVERIFY(!split->isEnabled());
    proposals->setFocus();
    QTest::keyClick(proposals, Qt::Key_Down);
    QVERIFY(split->isEnabled());
    QTest::keyClick(proposals, Qt::Key_End);
    QVERIFY(!split->isEnabled());
    QTest::keyClick(proposals, Qt::Key_Home);
    QVERIFY(split->isEnabled());

    ModalDriver driver;
    driver.Then([](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Event Splitter"));
        QCOMPARE(Child<QComboBox>(dialog, "Split_CB")->currentText(), QStringLiteral("Junior"));
        QCOMPARE(EditText(dialog, "NDivs_E"), QStringLiteral("2"));
        Click(dialog, "Split_B");
    });
    messages_->SetNextAnswer(true);
    split->click();
    Settle();
    QCOMPARE(driver.Pending(), 0);
    QCOMPARE(messages_->asked.back(), std::string("OK to split  Junior  into 2 divisions?"));
    QCOMPARE(Form().Session().Meet()->Events.Texts(),
             (std::vector<std::string>{"Junior (A)", "Junior (B)"}));
    QCOMPARE(Child<QLabel>(plan, "Verdict_L")->text(),
             QStringLiteral("Fits: every race and round can fit within the race periods."));
    QVERIFY(!split->isEnabled());
}

QTEST_MAIN(RaceDayTest)
#include "raceday_test.moc"
