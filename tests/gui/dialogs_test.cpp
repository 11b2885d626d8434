// The preferences dialog through the main window and the settings store, the
// input dialog and the progress window.
#include "guitestsupport.h"

#include "engine/model/settings.h"
#include "gui/dialogs/inputdialog.h"
#include "gui/dialogs/progressdialog.h"
#include "gui/dialogs/windowmessages.h"
#include "gui/mainwindow/mainwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

using namespace guitest;

namespace {

void SetText(QWidget* dialog, const char* name, const char* text) {
    Child<QLineEdit>(dialog, name)->setText(QString::fromUtf8(text));
}

void Tick(QWidget* dialog, const char* name, bool on) {
    Child<QCheckBox>(dialog, name)->setChecked(on);
}

QString Edit(QWidget* dialog, const char* name) {
    return Child<QLineEdit>(dialog, name)->text();
}

} // namespace

class DialogsTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void preferencesShowTheDefaultsOfAnEmptyStore();
    void preferencesRoundTripThroughTheStore();
    void cancelledPreferencesChangeNothing();
    void aNonNumericNameLengthBecomesZero();
    void okRefusesAmountsThatAreNoMoney();
    void inputDialogAndCloseQuestionCanBeCancelled();
    void progressStartsFromZeroAtEachRun();

private:
    // Opens the preferences from the menu and lets the handler work the dialog.
    void WithPreferences(std::function<void(QWidget*)> handler) {
        ModalDriver driver;
        driver.Then(std::move(handler));
        Action(Form(), "EditPreferences")->trigger();
        QCOMPARE(driver.Pending(), 0);
        QCOMPARE(driver.Unanswered(), 0);
    }
};

void DialogsTest::init() {
    OpenWindow();
}

void DialogsTest::cleanup() {
    CloseWindow();
}

void DialogsTest::preferencesShowTheDefaultsOfAnEmptyStore() {
    WithPreferences([](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Preferences"));
        auto* tabs = Child<QTabWidget>(dialog, "PageControl1");
        QStringList names;
        for (int i = 0; i < tabs->count(); ++i)
            names << tabs->tabText(i);
        QCOMPARE(names, (QStringList{QStringLiteral("Lane Info"), QStringLiteral("Draw Tree"),
                                     QStringLiteral("Misc"), QStringLiteral("Crew Edit"),
                                     QStringLiteral("Billing")}));
        QCOMPARE(Edit(dialog, "MaxNameLen_E"), QStringLiteral("999"));
        QCOMPARE(Edit(dialog, "SetCrewName_E"), QStringLiteral("<new crew>"));
        QCOMPARE(Edit(dialog, "DayLicCost_E"), QStringLiteral("0.00"));
        QVERIFY(Child<QCheckBox>(dialog, "CompressDT_CB")->isChecked());
        QVERIFY(!Child<QCheckBox>(dialog, "AllowTC_CB")->isChecked());
        QCOMPARE(Child<QCheckBox>(dialog, "SplitOnBlankLine_CB")->text(),
                 QStringLiteral("Try to print output blocks together on a page"));
        QVERIFY(Child<QRadioButton>(dialog, "PerSeat_RB")->isChecked());
        Child<QPushButton>(dialog, "Cancel_B")->click();
    });
}

void DialogsTest::preferencesRoundTripThroughTheStore() {
    WithPreferences([](QWidget* dialog) {
        SetText(dialog, "Lane1Info_E", "Bow side");
        SetText(dialog, "Lane2Info_E", "Stroke side");
        Tick(dialog, "ShowLaneInfo_CB", true);
        Tick(dialog, "CompressDT_CB", false);
        Tick(dialog, "SpacedDT_CB", false);
        Tick(dialog, "ShowRaceNoDT_CB", false);
        SetText(dialog, "MaxNameLen_E", "24");
        Tick(dialog, "ShowCrewNotes_CB", false);
        Tick(dialog, "ShowSponsor_CB", false);
        Tick(dialog, "PageEjectClub_CB", true);
        Tick(dialog, "AllowTC_CB", true);
        Tick(dialog, "CheckTC_CB", true);
        Tick(dialog, "SplitOnBlankLine_CB", true);
        Tick(dialog, "RecordMoves_CB", false);
        SetText(dialog, "SetCrewName_E", "Crew ?");
        SetText(dialog, "DayLicCost_E", "7.50");
        Tick(dialog, "Early_Pay_CB", true);
        Tick(dialog, "AutoEntry_CB", true);
        SetText(dialog, "PerSeat_E", "12.25");
        SetText(dialog, "EarlyPayment_E", "1.50");
        Child<QRadioButton>(dialog, "PerCrew_RB")->setChecked(true);
        Tick(dialog, "CoxesPay_CB", true);
        Child<QPushButton>(dialog, "OK_B")->click();
    });
    bm::Settings expected;
    expected.Lane1Info = "Bow side";
    expected.Lane2Info = "Stroke side";
    expected.ShowLaneInfo = true;
    expected.CompressDT = expected.SpacedDT = expected.ShowRaceNoDT = false;
    expected.MaxNameLen = 24;
    expected.ShowCrewNotes = expected.ShowSponsor = expected.RecordMoves = false;
    expected.PageEjectClub = expected.AllowTC = expected.CheckTC = expected.SplitOnBlankLine = true;
    expected.SetCrewName = "Crew ?";
    expected.DayLicCost = 750;
    expected.EarlyRegDiscountActive = true;
    expected.AutoFeeSTR = {1225, 150, 1, true, true};
    QCOMPARE(bm::CurrentSettings() == expected, true);
    QCOMPARE(bm::SettingsStore(dir_->File("settings.ini")).Read() == expected, true);
    // Opened again, the dialog shows what was stored.
    bm::CurrentSettings() = bm::Settings();
    WithPreferences([](QWidget* dialog) {
        QCOMPARE(Edit(dialog, "PerSeat_E"), QStringLiteral("12.25"));
        QCOMPARE(Edit(dialog, "EarlyPayment_E"), QStringLiteral("1.50"));
        QCOMPARE(Edit(dialog, "Lane2Info_E"), QStringLiteral("Stroke side"));
        QVERIFY(Child<QRadioButton>(dialog, "PerCrew_RB")->isChecked());
        QVERIFY(!Child<QCheckBox>(dialog, "SpacedDT_CB")->isChecked());
        Child<QPushButton>(dialog, "OK_B")->click();
    });
    QCOMPARE(bm::CurrentSettings() == expected, true);
}

void DialogsTest::cancelledPreferencesChangeNothing() {
    bm::Settings stored;
    stored.MaxNameLen = 30;
    store_->Write(stored);
    WithPreferences([](QWidget* dialog) {
        QCOMPARE(Edit(dialog, "MaxNameLen_E"), QStringLiteral("30"));
        SetText(dialog, "MaxNameLen_E", "5");
        Tick(dialog, "AllowTC_CB", true);
        dialog->close(); // the window button cancels like "&Cancel"
    });
    QCOMPARE(bm::CurrentSettings() == stored, true);
    QCOMPARE(bm::SettingsStore(dir_->File("settings.ini")).Read() == stored, true);
}

void DialogsTest::aNonNumericNameLengthBecomesZero() {
    WithPreferences([](QWidget* dialog) {
        SetText(dialog, "MaxNameLen_E", "wide");
        Child<QPushButton>(dialog, "OK_B")->click();
    });
    QCOMPARE(bm::CurrentSettings().MaxNameLen, 0);
    QCOMPARE(QSettings(Q(dir_->File("settings.ini")), QSettings::IniFormat)
                 .value(QStringLiteral("MaxNameLen"))
                 .toInt(),
             0);
}

void DialogsTest::okRefusesAmountsThatAreNoMoney() {
    bm::Settings stored;
    stored.DayLicCost = 500;
    store_->Write(stored);
    WithPreferences([this](QWidget* dialog) {
        auto* tabs = Child<QTabWidget>(dialog, "PageControl1");
        tabs->setCurrentIndex(0);
        SetText(dialog, "Lane1Info_E", "Bow side");
        SetText(dialog, "DayLicCost_E", " 7.50 ");
        auto* perSeat = Child<QLineEdit>(dialog, "PerSeat_E");
        for (const char* typed : {"12.5", "£30"}) {
            perSeat->setText(QString::fromUtf8(typed));
            Child<QPushButton>(dialog, "OK_B")->click();
            // Still open on the Billing tab, the amount to correct selected,
            // and nothing taken yet.
            QVERIFY(dialog->isVisible());
            QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Billing"));
            QCOMPARE(perSeat->selectedText(), QString::fromUtf8(typed));
            QCOMPARE(bm::CurrentSettings().DayLicCost, 500);
        }
        QCOMPARE(messages_->informed,
                 std::vector<std::string>(
                     2, "Money values are written like 12 or 12.50, at most 21474836.47"));
        perSeat->setText(QStringLiteral("12"));
        Child<QPushButton>(dialog, "OK_B")->click();
    });
    QCOMPARE(bm::CurrentSettings().DayLicCost, 750);
    QCOMPARE(bm::CurrentSettings().AutoFeeSTR.FeePerSeat, 1200);
    QCOMPARE(bm::CurrentSettings().Lane1Info, std::string("Bow side"));
    QCOMPARE(bm::SettingsStore(dir_->File("settings.ini")).Read() == bm::CurrentSettings(), true);
}

void DialogsTest::inputDialogAndCloseQuestionCanBeCancelled() {
    TFGetData dialog;
    ModalDriver driver;
    driver.Then([](QWidget* shown) {
        QCOMPARE(Child<QLabel>(shown, "Info")->text(),
                 QStringLiteral("Enter New Name for Boatmeet"));
        Child<QLineEdit>(shown, "Data_E")->setText(QStringLiteral("Head of the River"));
        Child<QPushButton>(shown, "OK_B")->click();
    });
    driver.Then([](QWidget* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    driver.Then([](QWidget* shown) { Child<QPushButton>(shown, "Cancel_B")->click(); });
    driver.Then([](QWidget* shown) { shown->close(); });
    QCOMPARE(dialog.Ask(QStringLiteral("Boatmeet Title"),
                        QStringLiteral("Enter New Name for Boatmeet"), QStringLiteral("Spring")),
             QStringLiteral("Head of the River"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Boatmeet Title"));
    for (int cancelled = 0; cancelled < 3; ++cancelled)
        QVERIFY(!dialog.Ask(QStringLiteral("Boatmeet Date"),
                            QStringLiteral("Enter New Date for Boatmeet"),
                            QStringLiteral("12 April")));

    // "Save Existing Data?" as the program shows it: Yes, No and Cancel; Escape cancels.
    WindowMessages messages;
    const auto press = [](QMessageBox::StandardButton button) {
        return [button](QWidget* shown) {
            auto* box = qobject_cast<QMessageBox*>(shown);
            QCOMPARE(box->windowTitle(), QStringLiteral("Question"));
            QCOMPARE(box->standardButtons(),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box->button(button)->click();
        };
    };
    driver.Then(press(QMessageBox::Yes));
    driver.Then(press(QMessageBox::No));
    driver.Then([](QWidget* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    QCOMPARE(messages.AskOrCancel("Save Existing Data?"), bm::Answer::Yes);
    QCOMPARE(messages.AskOrCancel("Save Existing Data?"), bm::Answer::No);
    QCOMPARE(messages.AskOrCancel("Save Existing Data?"), bm::Answer::Cancel);
    driver.Then([](QWidget* shown) { Child<QPushButton>(shown, "Cancel_B")->click(); });
    QCOMPARE(messages.AskText("Boatmeet Title", "Enter New Name for Boatmeet", "x"), std::nullopt);
    QCOMPARE(driver.Unanswered(), 0);
}

void DialogsTest::progressStartsFromZeroAtEachRun() {
    TProgressF* progress = Form().ProgressWindow();
    QCOMPARE(progress->windowTitle(), QStringLiteral("Busy Scheduling Races..."));
    progress->ShowProgress();
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->Position(), 0);
    const std::vector<std::pair<int, int>> run = {{10, 10}, {10, 10}, {30, 30},
                                                  {20, 30}, {50, 80}, {100, 100}};
    for (const auto& [percent, position] : run) {
        progress->Advance(percent);
        QCOMPARE(progress->Position(), position);
    }
    progress->HideProgress();
    QVERIFY(!progress->isVisible());
    // A second run starts again from 0: 40 % shows as 40, not as nothing.
    progress->ShowProgress();
    progress->Advance(40);
    QCOMPARE(progress->Position(), 40);
    progress->HideProgress();
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
