// TCEdit's controls: building them, laying them out and wiring them to the
// editor's handlers.
#include "gui/common/keybutton.h"
#include "gui/common/textconversion.h"
#include "gui/common/warninglabel.h"
#include "gui/editors/creweditorwindow.h"
#include "gui/editors/crewlistmodel.h"
#include "gui/editors/storededit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// A drop-down list that fills itself anew each time it opens, so that
// entries added in the list editor meanwhile are offered. Typing picks an
// entry by its first characters, afresh each time the box is reached, and a
// blank typed in the middle ("MS 4-") is part of the search instead of
// opening the list, so a fast typist's keys all land in the choice.
//
// The search is started afresh at the first key typed after the box is
// reached, never when it gains focus: the box gains focus back when its open
// list closes, before Qt reads the entry chosen there, and restarting the
// search moves the list's current row.
class ChoiceBox : public QComboBox {
public:
    std::function<void()> aboutToOpen;

    void showPopup() override {
        if (aboutToOpen)
            aboutToOpen();
        QComboBox::showPopup();
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        typing_.invalidate();
        freshSearch_ = true;
        QComboBox::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const bool printable = !event->text().isEmpty() && event->text().front().isPrint();
        if (printable && freshSearch_) {
            // Qt puts the list's current row back on the box's entry before it searches.
            view()->keyboardSearch(QString());
            freshSearch_ = false;
        }
        const bool searching =
            typing_.isValid() && typing_.elapsed() <= QApplication::keyboardInputInterval();
        if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && searching) {
            QKeyEvent blank(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral(" "));
            QComboBox::keyPressEvent(&blank);
            typing_.start();
            return;
        }
        QComboBox::keyPressEvent(event);
        if (printable)
            typing_.start();
    }

private:
    QElapsedTimer typing_;     // the last character typed into the search
    bool freshSearch_ = false; // the next character typed starts a new search
};

ChoiceBox* ChoiceList(const char* name) {
    auto* box = new ChoiceBox;
    box->setObjectName(Text(name));
    // Long club names must not widen the window: the box shows about 24
    // characters and its list as much as the names need.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(24);
    return box;
}

QLineEdit* Edit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(Text(name));
    return edit;
}

QPushButton* Button(const char* name, const char* caption, const QString& accessibleName) {
    auto* button = new KeyButton(Text(caption));
    NameControl(button, name, accessibleName);
    return button;
}

// Crew lines pad the crew numbers to one width: in a fixed-pitch font the
// clubs and names line up.
void ShowCrewLinesAligned(QWidget* list) {
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

QListWidget* LinkList(const char* name, const QString& accessibleName) {
    auto* list = new QListWidget;
    NameControl(list, name, accessibleName);
    ShowCrewLinesAligned(list);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

TCEdit::TCEdit(bm::MeetSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      SessionView(session, bm::aspect::Crews | bm::aspect::Lists | bm::aspect::Preferences) {
    setObjectName(QStringLiteral("CEdit"));
    setWindowTitle(QStringLiteral("Crew Editor"));
    BuildControls();
    LayOutControls();
    SetTabOrder();
    ConnectControls();
    ShowCurrentCrew();
    resize(900, 640);
}

TCEdit::~TCEdit() = default;

// --- Building the window -------------------------------------------------------------------

void TCEdit::BuildControls() {
    BuildDetails();
    BuildAssociations();
    BuildCrewList();
    Close_B = Button("Close_B", "&Close", QStringLiteral("Close"));
}

void TCEdit::BuildDetails() {
    Details_GB = new QGroupBox(QStringLiteral("Edit Current Crew Details"));
    Details_GB->setObjectName(QStringLiteral("Details_GB"));
    Club_CB = ChoiceList("Club_CB");
    Name_E = Edit("Name_E");
    LimitTyping(Name_E, bm::CrewNameLimit);
    Number_E = Edit("Number_E");
    Event_CB = ChoiceList("Event_CB");
    Notes_E = Edit("Notes_E");
    LimitTyping(Notes_E, bm::CrewNotesLimit);
    DayLic_E = Edit("DayLic_E");
    DayLic_E->setText(QStringLiteral("0"));
    EntryFee_CB = new QCheckBox(QStringLiteral("Entry Fee Paid"));
    NameControl(EntryFee_CB, "EntryFee_CB", QStringLiteral("Entry Fee Paid"));
    EarlyReg_CB = new QCheckBox(QStringLiteral("Early Pay Discount"));
    NameControl(EarlyReg_CB, "EarlyReg_CB", QStringLiteral("Early Pay Discount"));
    OverSize_L = new WarningLabel("OverSize_L", Text(LengthCaption));
    SameClub_L = new WarningLabel("SameClub_L", Text(SameClubCaption));
    New_B = Button("New_B", "&New", QStringLiteral("New crew"));
    Delete_B = Button("Delete_B", "&Delete", QStringLiteral("Delete crew"));

    auto* fields = new QFormLayout;
    fields->addRow(LabelFor(Club_CB, QStringLiteral("Club:")), Club_CB);
    fields->addRow(LabelFor(Name_E, QStringLiteral("Name:")), Name_E);
    fields->addRow(LabelFor(Number_E, QStringLiteral("Number:")), Number_E);
    fields->addRow(LabelFor(Event_CB, QStringLiteral("Event:")), Event_CB);
    fields->addRow(LabelFor(Notes_E, QStringLiteral("Notes:")), Notes_E);
    fields->addRow(LabelFor(DayLic_E, QStringLiteral("Day Licences: ")), DayLic_E);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(EntryFee_CB);
    boxes->addWidget(EarlyReg_CB);
    boxes->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(New_B);
    buttons->addWidget(Delete_B);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(Details_GB);
    layout->addLayout(fields);
    layout->addLayout(boxes);
    layout->addWidget(OverSize_L);
    layout->addWidget(SameClub_L);
    layout->addLayout(buttons);
    // A click on the group with no crew current says how to get one.
    Details_GB->installEventFilter(this);
}

void TCEdit::BuildAssociations() {
    Associations_GB = new QGroupBox(QStringLiteral("Current Crew Associations"));
    Associations_GB->setObjectName(QStringLiteral("Associations_GB"));
    BoatShare_LB = LinkList("BoatShare_LB", QStringLiteral("Boat Shares"));
    DoubleUp_LB = LinkList("DoubleUp_LB", QStringLiteral("Double Ups"));
    Remove_Share_B =
        Button("Remove_Share_B", "Remove Boat Share", QStringLiteral("Remove Boat Share"));
    Remove_Double_B =
        Button("Remove_Double_B", "Remove Double Up", QStringLiteral("Remove Double Up"));
    auto* layout = new QVBoxLayout(Associations_GB);
    layout->addWidget(new QLabel(QStringLiteral("Boat Shares")));
    layout->addWidget(BoatShare_LB, 1);
    layout->addWidget(Remove_Share_B, 0, Qt::AlignLeft);
    layout->addWidget(new QLabel(QStringLiteral("Double Ups")));
    layout->addWidget(DoubleUp_LB, 1);
    layout->addWidget(Remove_Double_B, 0, Qt::AlignLeft);
}

void TCEdit::BuildCrewList() {
    CrewList_GB =
        new QGroupBox(QStringLiteral("List of All Crews - Double Click on one to select "));
    CrewList_GB->setObjectName(QStringLiteral("CrewList_GB"));
    crewLines_ = new CrewListModel(this);
    CrewList_LB = new QListView;
    NameControl(CrewList_LB, "CrewList_LB", QStringLiteral("List of All Crews"));
    CrewList_LB->setModel(crewLines_);
    ShowCrewLinesAligned(CrewList_LB);
    // Every line is one line of text: the view lays out thousands of crews
    // without measuring each.
    CrewList_LB->setUniformItemSizes(true);
    CrewList_LB->setSelectionMode(QAbstractItemView::SingleSelection);
    CrewList_LB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CrewList_LB->installEventFilter(this);
    Add_Share_B =
        Button("Add_Share_B", "Add Boat Share", QStringLiteral("Add Boat Share to Current Crew"));
    Add_Double_B =
        Button("Add_Double_B", "Add Double Up", QStringLiteral("Add Double Up to Current Crew"));
    auto* links = new QHBoxLayout;
    links->addWidget(Add_Share_B);
    links->addWidget(Add_Double_B);
    links->addWidget(new QLabel(QStringLiteral("to Current Crew")));
    links->addStretch();
    auto* layout = new QVBoxLayout(CrewList_GB);
    layout->addWidget(CrewList_LB, 1);
    layout->addLayout(links);
}

// The crew's details over its associations on the left; the list of all
// crews on the right takes all the room the window gains, in width and
// height, and the associations take the height the left side gains.
void TCEdit::LayOutControls() {
    auto* left = new QVBoxLayout;
    left->addWidget(Details_GB);
    left->addWidget(Associations_GB, 1);
    auto* note =
        new QLabel(QStringLiteral("Pull Right hand side of window out to widen list of crews"));
    note->setObjectName(QStringLiteral("Note_L"));
    QFont italic = note->font();
    italic.setItalic(true);
    note->setFont(italic);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note);
    bottom->addStretch();
    bottom->addWidget(Close_B);
    auto* right = new QVBoxLayout;
    right->addWidget(CrewList_GB, 1);
    right->addLayout(bottom);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
}

// The crew's fields from top to bottom, New and Delete, the list of crews with
// its link buttons, the current crew's links, Close.
void TCEdit::SetTabOrder() {
    QWidget* order[] = {Club_CB,     Name_E,          Number_E,     Event_CB,     Notes_E,
                        DayLic_E,    EntryFee_CB,     EarlyReg_CB,  New_B,        Delete_B,
                        CrewList_LB, Add_Share_B,     Add_Double_B, BoatShare_LB, Remove_Share_B,
                        DoubleUp_LB, Remove_Double_B, Close_B};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void TCEdit::ConnectControls() {
    connect(Name_E, &QLineEdit::textEdited, this, [this](const QString& text) {
        EditTyped(Name_E, "name", [&] { return editor_->EditName(text.toStdString()); });
    });
    connect(Notes_E, &QLineEdit::textEdited, this, [this](const QString& text) {
        EditTyped(Notes_E, "notes", [&] { return editor_->EditNotes(text.toStdString()); });
    });
    connect(Number_E, &QLineEdit::textEdited, this, [this](const QString& text) {
        EditTyped(Number_E, "number", [&] { return editor_->EditNumber(text.toStdString()); });
    });
    connect(DayLic_E, &QLineEdit::textEdited, this, [this](const QString& text) {
        EditTyped(DayLic_E, "daylicences",
                  [&] { return editor_->EditDayLicences(text.toStdString()); });
    });
    for (QLineEdit* edit : {Name_E, Notes_E, Number_E, DayLic_E})
        edit->installEventFilter(this);
    // Toggled, not clicked: the accessibility action toggles a box without a
    // click, and what it shows must be what the crew holds.
    connect(EntryFee_CB, &QCheckBox::toggled, this,
            [this](bool checked) { EditChosen([&] { return editor_->SetFeePaid(checked); }); });
    connect(EarlyReg_CB, &QCheckBox::toggled, this,
            [this](bool checked) { EditChosen([&] { return editor_->SetEarlyPay(checked); }); });
    connect(Club_CB, &QComboBox::activated, this, &TCEdit::ClubChosen);
    connect(Event_CB, &QComboBox::activated, this, &TCEdit::EventChosen);
    static_cast<ChoiceBox*>(Club_CB)->aboutToOpen = [this] { ClubDrop(); };
    static_cast<ChoiceBox*>(Event_CB)->aboutToOpen = [this] { EventDrop(); };
    connect(CrewList_LB, &QListView::doubleClicked, this, &TCEdit::SelectCrewFromList);
    connect(New_B, &QPushButton::clicked, this, &TCEdit::DoNew);
    connect(Delete_B, &QPushButton::clicked, this, &TCEdit::DoDelete);
    connect(Add_Double_B, &QPushButton::clicked, this, &TCEdit::DoAddDouble);
    connect(Add_Share_B, &QPushButton::clicked, this, &TCEdit::DoAddShare);
    connect(Remove_Double_B, &QPushButton::clicked, this, &TCEdit::DoRemoveDoubleUp);
    connect(Remove_Share_B, &QPushButton::clicked, this, &TCEdit::DoRemoveBoatShare);
    connect(Close_B, &QPushButton::clicked, this, &TCEdit::DoClose);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &TCEdit::DoClose);
}
