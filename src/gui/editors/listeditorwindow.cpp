#include "gui/editors/listeditorwindow.h"

#include "engine/session/meetsession.h"
#include "gui/common/textconversion.h"
#include "gui/editors/storededit.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

std::string Std(const QLineEdit* edit) {
    return edit->text().toStdString();
}

QPushButton* Button(const char* name, const char* caption, const char* accessibleName) {
    auto* button = new QPushButton(Text(caption));
    NameControl(button, name, Text(accessibleName));
    return button;
}

} // namespace

// The list editor shows the events or clubs with their side values, and the
// automatic entry fees, which follow the preferences.
TListEdit_F::TListEdit_F(bm::MeetSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      SessionView(session, bm::aspect::Lists | bm::aspect::Preferences) {
    setObjectName(QStringLiteral("ListEdit_F"));
    BuildControls();
    LayOutControls();
    SetTabOrder();
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &TListEdit_F::DoClose);
    resize(520, 440);
}

TListEdit_F::~TListEdit_F() = default;

void TListEdit_F::BuildControls() {
    Data_LB = new QListWidget;
    Data_LB->setObjectName(QStringLiteral("Data_LB"));
    Data_LB->setSelectionMode(QAbstractItemView::SingleSelection);
    Data_LB->installEventFilter(this);
    Modify_E = new QLineEdit;
    Modify_E->setObjectName(QStringLiteral("Modify_E"));
    LimitTyping(Modify_E, bm::ListEntryLimit);
    DoOk = Button("DoOk", "O&K", "OK: change the selected entry");
    Up_B = Button("Up_B", "&Up", "Up");
    Down_B = Button("Down_B", "D&own", "Down");
    Sort_B = Button("Sort_B", "&Sort A-Z", "Sort A-Z");
    Button1 = Button("Button1", "Sort Ev", "Sort Ev");
    LE_Delete_B = Button("LE_Delete_B", "&Delete", "Delete");
    LEdit_E = new QLineEdit;
    LEdit_E->setObjectName(QStringLiteral("LEdit_E"));
    LimitTyping(LEdit_E, bm::ListEntryLimit);
    LE_Add_B = Button("LE_Add_B", "&Add", "Add");
    LE_Close_B = Button("LE_Close_B", "&Close", "Close");
    Set1_L = new QLabel;
    Set1_L->setObjectName(QStringLiteral("Set1_L"));
    Set1_E = new QLineEdit;
    Set1_E->setObjectName(QStringLiteral("Set1_E"));
    Set1_L->setBuddy(Set1_E);
    Set1_b = Button("Set1_b", "Set", "Set");
    Set2_L = new QLabel;
    Set2_L->setObjectName(QStringLiteral("Set2_L"));
    Set2_E = new QLineEdit;
    Set2_E->setObjectName(QStringLiteral("Set2_E"));
    Set2_L->setBuddy(Set2_E);
    Set2_B = Button("Set2_B", "Set", "Set");

    connect(Data_LB, &QListWidget::currentRowChanged, this, &TListEdit_F::DoClick);
    connect(DoOk, &QPushButton::clicked, this, &TListEdit_F::DoOKB);
    connect(Modify_E, &QLineEdit::returnPressed, this, &TListEdit_F::DoOKB);
    connect(Up_B, &QPushButton::clicked, this, &TListEdit_F::DoUp);
    connect(Down_B, &QPushButton::clicked, this, &TListEdit_F::DoDown);
    connect(Sort_B, &QPushButton::clicked, this, &TListEdit_F::DoSort);
    connect(Button1, &QPushButton::clicked, this, &TListEdit_F::DoSortEvent);
    connect(LE_Delete_B, &QPushButton::clicked, this, &TListEdit_F::DoDelete);
    connect(LE_Add_B, &QPushButton::clicked, this, &TListEdit_F::DoAdd);
    connect(LEdit_E, &QLineEdit::returnPressed, this, &TListEdit_F::DoAdd);
    connect(Set1_b, &QPushButton::clicked, this, &TListEdit_F::DoSponsorSet);
    connect(Set1_E, &QLineEdit::returnPressed, this, &TListEdit_F::DoSponsorSet);
    connect(Set2_B, &QPushButton::clicked, this, &TListEdit_F::DoEntryFeeSet);
    connect(Set2_E, &QLineEdit::returnPressed, this, &TListEdit_F::DoEntryFeeSet);
    connect(LE_Close_B, &QPushButton::clicked, this, &TListEdit_F::DoClose);
}

// The list with its move, sort and delete buttons beside it; below, one row
// per edit with its button: the selected entry's text and side values, then
// a new entry. The list takes the room the window gains.
void TListEdit_F::LayOutControls() {
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {Up_B, Down_B, Sort_B, Button1, LE_Delete_B})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(Data_LB, 0, 0, 1, 2);
    grid->addLayout(buttons, 0, 2);
    const auto row = [grid](int at, QWidget* label, QWidget* edit, QWidget* button) {
        grid->addWidget(label, at, 0);
        grid->addWidget(edit, at, 1);
        grid->addWidget(button, at, 2);
    };
    row(1, LabelFor(Modify_E, Text("Modify:")), Modify_E, DoOk);
    row(2, Set1_L, Set1_E, Set1_b);
    row(3, Set2_L, Set2_E, Set2_B);
    row(4, LabelFor(LEdit_E, Text("New Data:")), LEdit_E, LE_Add_B);
    grid->addWidget(LE_Close_B, 5, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

// From the list to the edits of its selected line, then the list's buttons,
// a new entry and Close.
void TListEdit_F::SetTabOrder() {
    QWidget* order[] = {Data_LB, Modify_E, DoOk,    Set1_E,      Set1_b,  Set2_E,   Set2_B,    Up_B,
                        Down_B,  Sort_B,   Button1, LE_Delete_B, LEdit_E, LE_Add_B, LE_Close_B};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void TListEdit_F::OpenListEditor(bm::EditedList list) {
    bm::Boatmeet* meet = session_.Meet();
    if (!meet)
        return;
    list_ = list;
    editor_ = std::make_unique<bm::ListEditor>(*meet, list);
    const QString caption = Text(editor_->Caption());
    setWindowTitle(caption);
    Data_LB->setAccessibleName(caption);
    const QString side1 = Text(editor_->Side1Name());
    const QString side2 = Text(editor_->Side2Name());
    Set1_L->setText(side1);
    Set2_L->setText(side2);
    Set1_E->setAccessibleName(side1);
    Set2_E->setAccessibleName(side2);
    Set1_b->setAccessibleName(QStringLiteral("Set ") + side1);
    Set2_B->setAccessibleName(QStringLiteral("Set ") + side2);
    Modify_E->clear();
    ShowList();
    show();
    raise();
    activateWindow();
    LEdit_E->setFocus();
}

void TListEdit_F::ReloadFromMeet() {
    editor_->Reload();
    ShowList();
}

void TListEdit_F::MeetReplaced() {
    DoClose();
}

void TListEdit_F::ShowList() {
    {
        // Filling the list is no choice of the user's.
        const QSignalBlocker quiet(Data_LB);
        Data_LB->clear();
        for (const std::string& line : editor_->Lines())
            Data_LB->addItem(Text(line));
        Data_LB->setCurrentRow(editor_->Selected());
    }
    LEdit_E->clear();
    ShowValues();
}

void TListEdit_F::ShowValues() {
    const bm::ListLineValues values = editor_->Shown();
    if (editor_->Selected() >= 0)
        ShowStoredText(Modify_E, Text(values.Text));
    ShowStoredText(Set1_E, Text(values.Side1));
    ShowStoredText(Set2_E, Text(values.Side2));
}

std::string TListEdit_F::StepName() const {
    return list_ == bm::EditedList::Events ? "Event change" : "Club change";
}

void TListEdit_F::Finish(const bm::EditResult& result) {
    ShowList();
    session_.Finish(result, StepName(), {}, OwnChange(bm::aspect::Lists));
}

void TListEdit_F::DoClick() {
    if (!editor_)
        return;
    editor_->Select(Data_LB->currentRow());
    ShowValues();
}

void TListEdit_F::DoOKB() {
    if (!editor_)
        return;
    const std::string typed = Std(Modify_E);
    Modify_E->clear();
    Finish(editor_->Rename(typed, session_.Messages().Confirmation()));
}

void TListEdit_F::DoUp() {
    if (editor_)
        Finish(editor_->MoveUp());
}

void TListEdit_F::DoDown() {
    if (editor_)
        Finish(editor_->MoveDown());
}

void TListEdit_F::DoSort() {
    if (editor_)
        Finish(editor_->SortAlphabetic());
}

void TListEdit_F::DoSortEvent() {
    if (editor_)
        Finish(editor_->SortEvents());
}

void TListEdit_F::DoDelete() {
    if (editor_)
        Finish(editor_->Delete(session_.Messages().Confirmation()));
}

void TListEdit_F::DoAdd() {
    if (editor_)
        Finish(editor_->Add(Std(LEdit_E)));
}

void TListEdit_F::DoSponsorSet() {
    if (editor_)
        Finish(editor_->SetSide1(Std(Set1_E)));
}

void TListEdit_F::DoEntryFeeSet() {
    if (editor_)
        Finish(editor_->SetSide2(Std(Set2_E), session_.Messages().Confirmation()));
}

void TListEdit_F::DoClose() {
    hide();
    editor_.reset();
}

void TListEdit_F::closeEvent(QCloseEvent* event) {
    DoClose();
    event->accept();
}

// The Delete key on a selected line asks to delete it, as the Delete button does.
bool TListEdit_F::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Data_LB && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DoDelete();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
