#include "gui/raceday/raceeditor.h"

#include "engine/editors/periodeditor.h"
#include "engine/editors/raceeditor.h"
#include "engine/model/boatmeet.h"
#include "engine/model/text.h"
#include "engine/reports/racepanels.h"
#include "engine/schedule/schedulefit.h"
#include "engine/session/history.h"
#include "engine/session/meetsession.h"
#include "gui/common/radiogroup.h"
#include "gui/dialogs/progressdialog.h"
#include "gui/raceday/periodeditor.h"
#include "gui/raceday/racecheck.h"
#include "gui/raceday/racedaycontrols.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using namespace raceday;

namespace {

// Shows the value unless the edit already reads as it (as typed, "007" or an
// empty edit for 0, say), so that a refresh while typing leaves the text alone.
void ShowValue(QLineEdit* edit, const std::string& value, bool always) {
    if (always || bm::ReadInt(Std(edit)) != bm::ReadInt(value))
        edit->setText(Text(value));
}

QGroupBox* Group(const char* name, const char* title, QLayout* layout) {
    auto* group = new QGroupBox(Text(title));
    group->setObjectName(Text(name));
    group->setLayout(layout);
    return group;
}

} // namespace

TRaceEdit_F::TRaceEdit_F(bm::MeetSession& session, TProgressF& progress, QWidget* parent)
    : QWidget(parent, Qt::Window), SessionView(session, bm::aspect::All & ~bm::aspect::Title),
      progress_(progress) {
    setObjectName(QStringLiteral("RaceEdit_F"));
    setWindowTitle(QStringLiteral("Race Editor"));
    RPEdit = new TRPEdit(session_.Messages(), this);
    RaceChk_F = new TRaceChk_F(this);
    Close_B = NamedButton("Close_B", "&Close");
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(Close_B);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ManualPanel(), 1);
    layout->addWidget(SchedulingPanel());
    layout->addLayout(closeRow);
    connect(Close_B, &QPushButton::clicked, this, &TRaceEdit_F::DoClose);
    resize(760, 720);
}

QWidget* TRaceEdit_F::ManualPanel() {
    RaceNo_E = NamedEdit("RaceNo_E");
    Time_E = NamedEdit("Time_E");
    SetTime_B = NamedButton("SetTime_B", "Set Time");
    RaceNo_E->setMaximumWidth(80);
    Time_E->setMaximumWidth(80);
    RMemo = ReportText("RMemo", "Race details");
    auto* row = new QHBoxLayout;
    row->addWidget(LabelFor("Race No: ", RaceNo_E));
    row->addWidget(RaceNo_E);
    row->addSpacing(12);
    row->addWidget(LabelFor("Time: ", Time_E));
    row->addWidget(Time_E);
    row->addWidget(SetTime_B);
    row->addStretch();
    auto* layout = new QVBoxLayout;
    layout->addLayout(row);
    layout->addWidget(RMemo, 1);
    connect(RaceNo_E, &QLineEdit::textChanged, this, &TRaceEdit_F::ChgeRaceNo);
    connect(SetTime_B, &QPushButton::clicked, this, &TRaceEdit_F::DoSetTime);
    connect(Time_E, &QLineEdit::returnPressed, this, &TRaceEdit_F::DoSetTime);
    return Group("Manual_G", "Manual Race Time Editing", layout);
}

QWidget* TRaceEdit_F::SchedulingPanel() {
    auto* top = new QHBoxLayout;
    top->addWidget(PeriodList());
    top->addWidget(LeastTimes(), 1);
    auto* layout = new QVBoxLayout;
    layout->addLayout(top);
    layout->addWidget(SchedulingButtons());
    return Group("Automatic_G", "Automatic Race Scheduling", layout);
}

QWidget* TRaceEdit_F::PeriodList() {
    RaceP_LB = new QListWidget;
    RaceP_LB->setObjectName(QStringLiteral("RaceP_LB"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    RaceP_LB->setFont(fixed);
    // The column titles stand over the row text " %4.4d %4.4d   %3d %s".
    auto* titles = new QLabel(QStringLiteral(" Start End  Interval"));
    titles->setFont(fixed);
    titles->setIndent(RaceP_LB->frameWidth() + 2);
    AddRP_B = NamedButton("AddRP_B", "&Add Race Period");
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LabelFor("Racing Periods:", RaceP_LB));
    layout->addWidget(titles);
    layout->addWidget(RaceP_LB, 1);
    layout->addWidget(AddRP_B);
    connect(AddRP_B, &QPushButton::clicked, this, &TRaceEdit_F::DoAddRacePeriod);
    // A double-click, or Return on a row, edits or deletes its period.
    connect(RaceP_LB, &QListWidget::itemActivated, this, &TRaceEdit_F::EditRacePeriod);
    return column;
}

QLineEdit* TRaceEdit_F::LeastTimeEdit(const char* name) {
    QLineEdit* edit = NamedEdit(name);
    // Whole minutes: a letter or a sign typed would only read as 0.
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
    edit->setMaximumWidth(60);
    const std::string group = bm::TypingGroup("meet", 0, name);
    connect(edit, &QLineEdit::textEdited, this,
            [this, group] { SetASTimes("Least times", group); });
    connect(edit, &QLineEdit::editingFinished, this, [this] { session_.EndTyping(); });
    return edit;
}

QWidget* TRaceEdit_F::LeastTimes() {
    BRTime_E = LeastTimeEdit("BRTime_E");
    BSTime_E = LeastTimeEdit("BSTime_E");
    DUTime_E = LeastTimeEdit("DUTime_E");
    auto* grid = new QGridLayout;
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Minimum time between races for a crew:", BRTime_E},
        {"Minimum time between races for Boat Sharing:", BSTime_E},
        {"Minimum time between races for doubling up:", DUTime_E}};
    int row = 0;
    for (const auto& [caption, edit] : rows) {
        grid->addWidget(LabelFor(caption, edit), row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("mins")), row, 2);
        ++row;
    }
    SType_RG = new RadioGroup("SType_RG", "Scheduling", {"Rigid", "Moderate", "Flexible"});
    fType_RG = new RadioGroup("fType_RG", "Finals", {"Anytime", "Preferably at end", "At end"});
    SType_RG->OnChoice([this](int) { SetASTimes("Scheduling choices"); });
    fType_RG->OnChoice([this](int) { SetASTimes("Scheduling choices"); });
    auto* choices = new QHBoxLayout;
    choices->addWidget(SType_RG);
    choices->addWidget(fType_RG);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addLayout(choices);
    layout->addStretch();
    return column;
}

QWidget* TRaceEdit_F::SchedulingButtons() {
    Capacity_L = new QLabel;
    Capacity_L->setObjectName(QStringLiteral("Capacity_L"));
    Schedule_B = NamedButton("Schedule_B", "&Schedule Races");
    Button1 = NamedButton("Button1", "Schedule with Fixed Race Order");
    ReTime_B = NamedButton("ReTime_B", "&Realign Current Race Schedule");
    Clear_B = NamedButton("Clear_B", "&Clear Race Times");
    Plan_B = NamedButton("Plan_B", "&Plan the Day...");
    auto* buttons = new QGridLayout;
    buttons->addWidget(Schedule_B, 0, 0);
    buttons->addWidget(Button1, 0, 1);
    buttons->addWidget(ReTime_B, 1, 0);
    buttons->addWidget(Clear_B, 1, 1);
    buttons->addWidget(Plan_B, 2, 0);
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Capacity_L);
    layout->addLayout(buttons);
    connect(Schedule_B, &QPushButton::clicked, this, &TRaceEdit_F::DoSchedule);
    connect(Button1, &QPushButton::clicked, this, &TRaceEdit_F::DoFixed);
    connect(ReTime_B, &QPushButton::clicked, this, &TRaceEdit_F::DoRealign);
    connect(Clear_B, &QPushButton::clicked, this, &TRaceEdit_F::DoClearRaces);
    connect(Plan_B, &QPushButton::clicked, this, &TRaceEdit_F::PlanRequested);
    return panel;
}

bm::Boatmeet* TRaceEdit_F::Meet() const {
    return session_.Meet();
}

void TRaceEdit_F::OpenRaceEditor() {
    if (!Meet())
        return;
    ready_ = false;
    FillFields(true);
    RaceNo_E->clear();
    ChgeRaceNo();
    show();
    raise();
    activateWindow();
    RaceNo_E->setFocus();
    ready_ = true;
}

void TRaceEdit_F::FillFields(bool all) {
    const bm::Boatmeet& meet = *Meet();
    const bm::RaceEditorFields fields = bm::RaceEditorFieldsOf(meet);
    QStringList rows;
    for (const std::string& row : fields.PeriodRows)
        rows << Text(row);
    QStringList shown;
    for (int i = 0; i < RaceP_LB->count(); ++i)
        shown << RaceP_LB->item(i)->text();
    if (rows != shown) {
        RaceP_LB->clear();
        RaceP_LB->addItems(rows);
    }
    ShowValue(BRTime_E, fields.BRTime, all);
    ShowValue(DUTime_E, fields.DUTime, all);
    ShowValue(BSTime_E, fields.BSTime, all);
    SType_RG->SetItemIndex(fields.SType);
    fType_RG->SetItemIndex(fields.FType);
    Capacity_L->setText(Text(bm::PeriodCapacityText(bm::PeriodCapacityOf(meet))));
}

void TRaceEdit_F::ReloadFromMeet() {
    const bool ready = ready_;
    ready_ = false;
    FillFields(false);
    ChgeRaceNo();
    ready_ = ready;
}

void TRaceEdit_F::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CatchUp();
}

void TRaceEdit_F::MeetReplaced() {
    if (!Meet()) {
        hide();
        return;
    }
    // A visible editor carries on with the meet just opened.
    if (isVisible())
        OpenRaceEditor();
}

void TRaceEdit_F::ChgeRaceNo() {
    bm::Boatmeet* meet = Meet();
    const bm::RacePanel panel = meet ? bm::RaceEditorPanel(*meet, Std(RaceNo_E)) : bm::RacePanel{};
    if (!panel.Shown) {
        RMemo->clear();
        Time_E->clear();
        return;
    }
    Time_E->setText(Text(panel.TimeText));
    RMemo->setPlainText(Text(panel.Details));
}

void TRaceEdit_F::DoSetTime() {
    if (Meet())
        Apply(bm::SetRaceTime(*Meet(), Std(RaceNo_E), Std(Time_E)), "Race time", bm::aspect::Races);
}

void TRaceEdit_F::SetASTimes(std::string_view step, std::string_view group) {
    bm::Boatmeet* meet = Meet();
    if (!meet || !ready_)
        return;
    bm::SetLeastTimes(*meet, Std(BRTime_E), Std(DUTime_E), Std(BSTime_E));
    bm::SetSchedulingChoices(*meet, SType_RG->ItemIndex(), fType_RG->ItemIndex());
    session_.Changed(step, group, OwnChange(bm::aspect::Periods));
}

void TRaceEdit_F::DoAddRacePeriod() {
    if (Meet())
        Apply(bm::AddRacePeriod(
                  *Meet(), [this](bm::RacePeriod& record) { return RPEdit->Edit(record, false); }),
              "Race periods", bm::aspect::Periods);
}

void TRaceEdit_F::EditRacePeriod(QListWidgetItem* item) {
    if (Meet() && item)
        Apply(bm::EditRacePeriod(
                  *Meet(), RaceP_LB->row(item),
                  [this](bm::RacePeriod& record) { return RPEdit->Edit(record, true); }),
              "Race periods", bm::aspect::Periods);
}

void TRaceEdit_F::DoClearRaces() {
    if (Meet())
        Apply(bm::ClearTimesInEditor(*Meet(), session_.Messages().Confirmation()),
              "Clear race times", bm::aspect::Races);
}

void TRaceEdit_F::DoRealign() {
    if (Meet())
        Apply(bm::RealignInEditor(*Meet(), session_.Messages().Confirmation()), "Re-time races",
              bm::aspect::Races);
}

void TRaceEdit_F::DoFixed() {
    if (Meet())
        Apply(bm::ScheduleFixedInEditor(*Meet()), "Fixed order", bm::aspect::Races);
}

// The scheduler runs on this thread; the progress window, modal while it
// runs, keeps the windows painted between its steps and lets no other command
// start.
void TRaceEdit_F::DoSchedule() {
    bm::Boatmeet* meet = Meet();
    if (!meet || busy_)
        return;
    busy_ = true;
    const bm::ScheduleHooks hooks{[this] { progress_.ShowProgress(); },
                                  [this](int percent) { progress_.Advance(percent); },
                                  [this, meet](int cursor, const std::vector<bm::Race*>& races) {
                                      return RaceChk_F->Check(*meet, cursor, races);
                                  }};
    const bm::EditResult result = bm::ScheduleInEditor(*meet, hooks);
    progress_.HideProgress();
    busy_ = false;
    // Scheduling numbers the races too.
    Apply(result, "Schedule Races", bm::aspect::Races | bm::aspect::Draws);
}

void TRaceEdit_F::DoClose() {
    hide();
}

// The window shows its own change at once: the periods as the list keeps
// them, the races still to time, the race shown.
void TRaceEdit_F::Apply(const bm::EditResult& result, std::string_view step, unsigned aspects) {
    if (result.Changed)
        ReloadFromMeet();
    session_.Finish(result, step, {}, OwnChange(aspects));
}
