#include "gui/raceday/resultswindow.h"

#include "engine/model/boatmeet.h"
#include "engine/session/history.h"
#include "engine/session/meetsession.h"
#include "gui/common/valuelabel.h"
#include "gui/raceday/racedaycontrols.h"

#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <functional>

using namespace raceday;

namespace {

// A drop-down list that is made afresh each time it opens.
class WinnerComboBox : public QComboBox {
public:
    std::function<void()> BeforeOpening;

    void showPopup() override {
        BeforeOpening();
        // A race without a list of crews offers nothing to choose.
        if (count() > 0)
            QComboBox::showPopup();
    }
};

QStringList Items(const std::vector<std::string>& texts) {
    QStringList items;
    for (const std::string& text : texts)
        items << Text(text);
    return items;
}

} // namespace

// The window shows a race's crews, event, winner and verdict.
TRaceResults::TRaceResults(bm::MeetSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      SessionView(session, bm::aspect::All & ~(bm::aspect::Title | bm::aspect::Periods)) {
    setObjectName(QStringLiteral("RaceResults"));
    setWindowTitle(QStringLiteral("Race Results"));
    RaceNo_ME = NamedEdit("RaceNo_ME");
    // At most five digits, and digits only.
    RaceNo_ME->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,5}")), RaceNo_ME));
    RaceNo_ME->setMaximumWidth(80);
    // The event of the race shown; empty until a race is.
    Event_L = new QLabel;
    Event_L->setObjectName(QStringLiteral("Event_L"));
    Event_L->setTextFormat(Qt::PlainText);
    SetLabelValue(Event_L, QStringLiteral("Event"), QString());
    auto* winner = new WinnerComboBox;
    winner->BeforeOpening = [this] { GenerateCrewList(); };
    Winner_CB = winner;
    Winner_CB->setObjectName(QStringLiteral("Winner_CB"));
    Winner_CB->setMinimumContentsLength(36);
    Verdict_CB = new QComboBox;
    Verdict_CB->setObjectName(QStringLiteral("Verdict_CB"));
    Verdict_CB->setEditable(true);
    Verdict_CB->setInsertPolicy(QComboBox::NoInsert);
    Verdict_CB->addItems(Items(bm::VerdictChoices()));
    Verdict_CB->setEditText(QString());
    Warning_L = new QLabel;
    Warning_L->setObjectName(QStringLiteral("Warning_L"));
    Warning_L->setTextFormat(Qt::PlainText);
    Warning_L->setWordWrap(true);
    ShowWarning({});
    Close_B = NamedButton("Close_B", "Close");
    auto* grid = new QGridLayout;
    grid->addWidget(LabelFor("Race Number: ", RaceNo_ME), 0, 0);
    grid->addWidget(RaceNo_ME, 0, 1, Qt::AlignLeft);
    grid->addWidget(Event_L, 1, 1);
    grid->addWidget(LabelFor("Winner: ", Winner_CB), 2, 0);
    grid->addWidget(Winner_CB, 2, 1);
    grid->addWidget(LabelFor("Verdict: ", Verdict_CB), 3, 0);
    grid->addWidget(Verdict_CB, 3, 1, Qt::AlignLeft);
    grid->addWidget(Warning_L, 4, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Close_B);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(RaceNo_ME, &QLineEdit::textChanged, this, &TRaceResults::RaceNoChanged);
    connect(Winner_CB, &QComboBox::activated, this, &TRaceResults::CrewSelected);
    connect(Verdict_CB, &QComboBox::editTextChanged, this, &TRaceResults::VerdictChanged);
    connect(Verdict_CB->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { session_.EndTyping(); });
    connect(Close_B, &QPushButton::clicked, this, &TRaceResults::DoClose);
}

bm::Boatmeet* TRaceResults::Meet() const {
    return session_.Meet();
}

void TRaceResults::ShowResults() {
    if (!Meet())
        return;
    // The meet may have changed while the window was hidden.
    ShowCurrentRace();
    show();
    raise();
    activateWindow();
    RaceNo_ME->setFocus();
}

void TRaceResults::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CatchUp();
}

void TRaceResults::MeetReplaced() {
    hide();
    editor_ = bm::ResultsEditor();
    filling_ = true;
    RaceNo_ME->clear();
    filling_ = false;
    Show({});
}

// Silently: the number was taken when it was typed.
void TRaceResults::ShowCurrentRace() {
    if (!RaceNo_ME->text().isEmpty())
        Show(editor_.EnterRaceNumber(*Meet(), Std(RaceNo_ME)));
}

void TRaceResults::Show(const bm::ResultShown& shown) {
    filling_ = true;
    SetLabelValue(Event_L, QStringLiteral("Event"), Text(shown.EventText));
    Winner_CB->clear();
    Winner_CB->addItems(Items(shown.WinnerItems));
    Winner_CB->setCurrentIndex(shown.SelectedWinner);
    Verdict_CB->setEditText(Text(shown.VerdictText));
    filling_ = false;
    ShowWarning({});
}

void TRaceResults::RaceNoChanged() {
    if (filling_ || !Meet())
        return;
    const bm::ResultShown shown = editor_.EnterRaceNumber(*Meet(), Std(RaceNo_ME));
    Show(shown);
    session_.Finish(shown, {});
}

void TRaceResults::GenerateCrewList() {
    if (!Meet())
        return;
    const bm::WinnerList list = editor_.GenerateCrewList(*Meet(), Std(RaceNo_ME));
    if (list.Replace) {
        const QString shown = Winner_CB->currentText();
        filling_ = true;
        Winner_CB->clear();
        Winner_CB->addItems(Items(list.Items));
        Winner_CB->setCurrentIndex(Winner_CB->findText(shown));
        filling_ = false;
    }
    session_.Finish(list, {});
}

void TRaceResults::CrewSelected(int item) {
    if (!Meet())
        return;
    const bm::WinnerChoice choice =
        editor_.CrewSelected(*Meet(), item, Verdict_CB->currentText().toStdString());
    if (choice.ClearVerdict) {
        filling_ = true;
        Winner_CB->setCurrentIndex(-1);
        Verdict_CB->setEditText(QString());
        filling_ = false;
    }
    ShowWarning(choice.Warning);
    Changed(choice, {});
}

void TRaceResults::ShowWarning(const std::string& warning) {
    SetLabelValue(Warning_L, QStringLiteral("Warning"), Text(warning));
    Warning_L->setVisible(!warning.empty());
    if (!warning.empty()) {
        QAccessibleEvent alert(Warning_L, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void TRaceResults::VerdictChanged(const QString& verdict) {
    bm::Boatmeet* meet = Meet();
    if (filling_ || !meet)
        return;
    const bm::Race* race = editor_.CurrentRace(*meet);
    if (!race)
        return;
    const std::string group = bm::TypingGroup("race", race->Number, "verdict");
    Changed(editor_.VerdictChanged(*meet, verdict.toStdString()), group);
    ShowStoredVerdict(Text(race->Verdict));
}

// A verdict is stored cleaned (">" becomes ")", a double quote an
// apostrophe): the box shows what the race holds, the typing going on where it was.
void TRaceResults::ShowStoredVerdict(const QString& stored) {
    QLineEdit* edit = Verdict_CB->lineEdit();
    if (edit->text() == stored)
        return;
    const int cursor = edit->cursorPosition();
    filling_ = true;
    edit->setText(stored);
    edit->setCursorPosition(cursor);
    filling_ = false;
}

// This window shows the result as recorded already.
void TRaceResults::Changed(const bm::EditResult& result, std::string_view group) {
    session_.Finish(result, "Result", group, OwnChange(bm::aspect::Races));
}

void TRaceResults::DoClose() {
    hide();
}
