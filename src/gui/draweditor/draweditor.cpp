#include "gui/draweditor/draweditor.h"

#include "engine/editors/draweditor.h"
#include "engine/reports/reportoutput.h"
#include "engine/session/meetsession.h"
#include "gui/common/namedlabel.h"
#include "gui/common/textconversion.h"
#include "gui/common/valuelabel.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <sstream>

namespace {

constexpr const char* NoneText = "<none>";

// The counts' captions, as a screen reader reads them before the values.
constexpr const char* CountCaptions[] = {"Crews", "Placed", "UnPlaced", "Status"};

QLabel* ValueLabel(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(Text(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetLabelValue(label, Text(caption), Text(NoneText));
    return label;
}

// Shows the lines, keeping the row chosen before when the list still has it.
void FillList(QListWidget* list, const std::vector<std::string>& lines) {
    const int row = list->currentRow();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts << Text(line);
    list->clear();
    list->addItems(texts);
    if (row >= 0 && row < list->count())
        list->setCurrentRow(row);
}

} // namespace

// The window shows an event's crews, its draw and the race numbers in the view.
TDEdit::TDEdit(bm::MeetSession& session, QWidget* parent)
    : QDialog(parent), SessionView(session, bm::aspect::Crews | bm::aspect::Lists |
                                                bm::aspect::Draws | bm::aspect::Preferences) {
    setObjectName(Text("DEdit"));
    setWindowTitle(Text("Draw Editor"));
    setModal(false);
    BuildControls();
    LayOutControls();
}

TDEdit::~TDEdit() = default;

QPushButton* TDEdit::AddButton(const char* name, const char* caption, void (TDEdit::*handler)()) {
    auto* button = new QPushButton(Text(caption), this);
    button->setObjectName(Text(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TDEdit::BuildControls() {
    REEvents_CB = new QComboBox(this);
    REEvents_CB->setObjectName(Text("REEvents_CB"));
    REEvents_CB->setAccessibleName(Text("Event"));
    REEvents_CB->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    REEvents_CB->setMinimumContentsLength(20);
    connect(REEvents_CB, &QComboBox::currentIndexChanged, this, &TDEdit::DoNewEvent);
    // The lists show padded crew labels: a fixed-pitch font keeps them in columns.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QListWidget** list : {&RaceSlot_E, &UnPlaced_E}) {
        *list = new QListWidget(this);
        (*list)->setFont(fixed);
        (*list)->setUniformItemSizes(true);
        (*list)->setMinimumWidth(260);
    }
    RaceSlot_E->setObjectName(Text("RaceSlot_E"));
    UnPlaced_E->setObjectName(Text("UnPlaced_E"));
    RaceSlot_E->setAccessibleName(Text("Crew Slots"));
    UnPlaced_E->setAccessibleName(Text("UnPlaced Crews"));
    NCrews_L = ValueLabel("NCrews_L", CountCaptions[0], this);
    Placed_L = ValueLabel("Placed_L", CountCaptions[1], this);
    UnPlaced_L = ValueLabel("UnPlaced_L", CountCaptions[2], this);
    Status_L = ValueLabel("Status_L", CountCaptions[3], this);
    Move_B = AddButton("Move_B", "&Move To Draw", &TDEdit::AddToDraw);
    Remove_B = AddButton("Remove_B", "&Remove", &TDEdit::RemoveFromDraw);
    Expand_B = AddButton("Expand_B", "&Expand Draw", &TDEdit::DoExpand);
    Contact_B = AddButton("Contact_B", "&Contract Draw", &TDEdit::DoContract);
    Auto_B = AddButton("Auto_B", "&AutoDraw", &TDEdit::DoAuto);
    Close_C = AddButton("Close_C", "&Close", &TDEdit::DoClose);
}

// The buttons in a column between the lists: the two that work on the
// chosen slot, then the three that work on the whole draw.
QLayout* TDEdit::ButtonColumn() {
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {Move_B, Remove_B})
        buttons->addWidget(button);
    buttons->addSpacing(16);
    for (QPushButton* button : {Expand_B, Contact_B, Auto_B})
        buttons->addWidget(button);
    buttons->addStretch();
    return buttons;
}

QLayout* TDEdit::CountsGrid() {
    auto* counts = new QGridLayout;
    const struct {
        const char* name;
        const char* caption;
        QLabel* value;
    } rows[] = {{"Label2", "Crews:", NCrews_L},
                {"Label5", "Placed:", Placed_L},
                {"Label6", "UnPlaced:", UnPlaced_L},
                {"Label7", "Status:", Status_L}};
    int row = 0;
    for (const auto& [name, caption, value] : rows) {
        counts->addWidget(NamedLabel(name, caption, nullptr, this), row, 0);
        counts->addWidget(value, row++, 1);
    }
    counts->setColumnStretch(1, 1);
    return counts;
}

// The event choice on top; the slots on the left and the unplaced crews on
// the right with the buttons between them; the counts under the unplaced
// crews; Close at the bottom. Tab follows the order of the work: event,
// slot, crew, buttons.
void TDEdit::LayOutControls() {
    auto* eventRow = new QHBoxLayout;
    eventRow->addWidget(NamedLabel("Label1", "Event: ", REEvents_CB, this));
    eventRow->addWidget(REEvents_CB);
    eventRow->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(NamedLabel("Label4", "Crew Slots:", RaceSlot_E, this), 0, 0);
    lists->addWidget(NamedLabel("Label3", "UnPlaced Crews:", UnPlaced_E, this), 0, 2);
    lists->addWidget(RaceSlot_E, 1, 0, 2, 1);
    lists->addLayout(ButtonColumn(), 1, 1, 2, 1);
    lists->addWidget(UnPlaced_E, 1, 2);
    lists->addLayout(CountsGrid(), 2, 2);
    lists->setRowStretch(1, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(2, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Close_C);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(eventRow);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);

    QWidget* order[] = {REEvents_CB, RaceSlot_E, UnPlaced_E, Move_B, Remove_B,
                        Expand_B,    Contact_B,  Auto_B,     Close_C};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    resize(700, 480);
}

void TDEdit::Open() {
    bm::Boatmeet* meet = session_.Meet();
    if (!meet)
        return;
    editor_ = std::make_unique<bm::DrawEditor>(*meet);
    DoDropDown();
    DoNewEvent();
    show();
    raise();
    activateWindow();
}

void TDEdit::DoDropDown() {
    const QVariant chosen = REEvents_CB->currentData();
    const bm::Boatmeet* meet = session_.Meet();
    const QSignalBlocker blocker(REEvents_CB);
    REEvents_CB->clear();
    if (!meet)
        return;
    for (int i = 0; i < meet->Events.Count(); ++i)
        REEvents_CB->addItem(Text(meet->Events.TextAt(i)), meet->Events.KeyAt(i));
    REEvents_CB->setCurrentIndex(chosen.isValid() ? REEvents_CB->findData(chosen) : -1);
}

void TDEdit::ReloadFromMeet() {
    DoDropDown();
    editor_->Reload();
    if (!editor_->HasEvent()) {
        const QSignalBlocker blocker(REEvents_CB);
        REEvents_CB->setCurrentIndex(-1);
    }
    RefreshLists();
}

void TDEdit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CatchUp();
}

void TDEdit::MeetReplaced() {
    hide();
    editor_.reset();
    const QSignalBlocker blocker(REEvents_CB);
    REEvents_CB->clear();
    RefreshLists();
}

void TDEdit::DoNewEvent() {
    if (!editor_)
        return;
    const QVariant key = REEvents_CB->currentData();
    if (key.isValid())
        editor_->DoNewEvent(key.toInt());
    // Rows chosen in another event's lists mean nothing in this one.
    RaceSlot_E->clear();
    UnPlaced_E->clear();
    RefreshLists();
}

void TDEdit::RefreshLists() {
    const bool hasEvent = editor_ && editor_->HasEvent();
    FillList(RaceSlot_E, hasEvent ? editor_->SlotLines() : std::vector<std::string>());
    FillList(UnPlaced_E, hasEvent ? editor_->UnplacedLines() : std::vector<std::string>());
    ShowCounts();
    if (!hasEvent)
        return;
    std::ostringstream view;
    bm::WriteDrawEditorView(*session_.Meet(), editor_->EventKey(), view);
    viewLines_ = bm::ReportLines(view.str());
    emit ViewChanged();
}

// The status is said in words ("Valid", "Invalid") and also shown in green
// or red.
void TDEdit::ShowCounts() {
    QLabel* const labels[] = {NCrews_L, Placed_L, UnPlaced_L, Status_L};
    QString values[] = {Text(NoneText), Text(NoneText), Text(NoneText), Text(NoneText)};
    QPalette status = palette();
    if (editor_ && editor_->HasEvent()) {
        const bm::DrawEditorCounts counts = editor_->Counts();
        values[0] = QString::number(counts.Crews);
        values[1] = QString::number(counts.Placed);
        values[2] = QString::number(counts.Unplaced);
        values[3] = Text(bm::DrawStatusText(counts.Valid));
        status.setColor(QPalette::WindowText, counts.Valid ? QColor(0, 128, 0) : QColor(Qt::red));
    }
    for (std::size_t i = 0; i < std::size(labels); ++i)
        SetLabelValue(labels[i], Text(CountCaptions[i]), values[i]);
    Status_L->setPalette(status);
}

int TDEdit::ChosenSlot() const {
    return RaceSlot_E->currentRow();
}

int TDEdit::ChosenCrew() const {
    const int row = UnPlaced_E->currentRow();
    if (!editor_ || row < 0 || row >= static_cast<int>(editor_->Unplaced().size()))
        return -1;
    return editor_->Unplaced()[static_cast<std::size_t>(row)];
}

void TDEdit::Finish(const bm::EditResult& result) {
    if (result.Changed)
        RefreshLists();
    // A rebuilt draw loses its race numbers, times and results.
    session_.Finish(result, "Draw edit", {}, OwnChange(bm::aspect::Draws | bm::aspect::Races));
}

void TDEdit::AddToDraw() {
    if (editor_)
        Finish(editor_->AddToDraw(ChosenSlot(), ChosenCrew(), session_.Messages().Confirmation()));
}

void TDEdit::RemoveFromDraw() {
    if (editor_)
        Finish(editor_->RemoveFromDraw(ChosenSlot()));
}

void TDEdit::DoExpand() {
    if (editor_)
        Finish(editor_->DoExpand());
}

void TDEdit::DoContract() {
    if (editor_)
        Finish(editor_->DoContract(session_.Messages().Confirmation()));
}

void TDEdit::DoAuto() {
    if (editor_)
        Finish(editor_->DoAuto(session_.Messages().Confirmation()));
}

void TDEdit::DoClose() {
    close();
}
