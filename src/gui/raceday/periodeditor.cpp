#include "gui/raceday/periodeditor.h"

#include "engine/session/messages.h"
#include "gui/common/radiogroup.h"
#include "gui/raceday/racedaycontrols.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace raceday;

namespace {

// A red note; bold for the one that always shows.
QLabel* Note(const char* name, const char* text, bool bold) {
    auto* note = new QLabel(Text(text));
    note->setObjectName(Text(name));
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(palette);
    QFont font = note->font();
    font.setBold(bold);
    note->setFont(font);
    return note;
}

} // namespace

TRPEdit::TRPEdit(bm::MessageHandler& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("RPEdit"));
    setWindowTitle(Text(bm::PeriodDialogCaption));
    setModal(true);
    Start_E = NamedEdit("Start_E");
    End_E = NamedEdit("End_E");
    Interval_E = NamedEdit("Interval_E");
    ZWarn_L = Note("ZWarn_L", bm::NotZeroText, false);
    ZWarn_L->hide();
    RIType_RG = new RadioGroup("RIType_RG", bm::IntervalKindCaption,
                               {bm::IntervalChoiceText, bm::RatesChoiceText});
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->addWidget(Note("ClockNote_L", bm::ClockNoteText, true), 0, 0, 1, 3);
    fields->addWidget(LabelFor("Start: ", Start_E), 1, 0, Qt::AlignRight);
    fields->addWidget(Start_E, 1, 1);
    fields->addWidget(LabelFor("End: ", End_E), 2, 0, Qt::AlignRight);
    fields->addWidget(End_E, 2, 1);
    Interval_L = LabelFor("Interval: ", Interval_E);
    Interval_L->setObjectName(QStringLiteral("Interval_L"));
    fields->addWidget(Interval_L, 3, 0, Qt::AlignRight);
    fields->addWidget(Interval_E, 3, 1);
    fields->addWidget(ZWarn_L, 3, 2);
    fields->setColumnMinimumWidth(2, ZWarn_L->sizeHint().width());
    OK_B = NamedButton("OK_B", "O&K");
    OK_B->setDefault(true);
    Cancel_B = NamedButton("Cancel_B", "&Cancel");
    Delete_B = NamedButton("Delete_B", "&Delete");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OK_B);
    buttons->addWidget(Cancel_B);
    buttons->addWidget(Delete_B);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(RIType_RG);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(OK_B, &QPushButton::clicked, this, &TRPEdit::DoOK);
    connect(Cancel_B, &QPushButton::clicked, this, &QDialog::reject);
    connect(Delete_B, &QPushButton::clicked, this, [this] { done(DeleteResult); });
    connect(Interval_E, &QLineEdit::textChanged, this, &TRPEdit::CheckZero);
    RIType_RG->OnChoice([this](int) { SetTimeSpec(); });
}

bm::PeriodDialogResult TRPEdit::Edit(bm::RacePeriod& record, bool canDelete) {
    Preset(record);
    Delete_B->setEnabled(canDelete);
    Start_E->setFocus();
    switch (exec()) {
    case Accepted:
        record = period_;
        return bm::PeriodDialogResult::Ok;
    case DeleteResult:
        return bm::PeriodDialogResult::Delete;
    default:
        return bm::PeriodDialogResult::Cancel;
    }
}

void TRPEdit::Preset(const bm::RacePeriod& record) {
    const bm::PeriodFields fields = bm::PresetPeriodFields(record);
    Start_E->setText(Text(fields.Start));
    End_E->setText(Text(fields.End));
    Interval_E->setText(Text(fields.Interval));
    RIType_RG->SetItemIndex(fields.RIType);
    SetTimeSpec();
    CheckZero();
}

bm::PeriodFields TRPEdit::Fields() const {
    return {Std(Start_E), Std(End_E), Std(Interval_E), RIType_RG->ItemIndex()};
}

void TRPEdit::DoOK() {
    std::string refusal;
    switch (bm::ReadPeriodFields(Fields(), period_, refusal)) {
    case bm::PeriodCheck::Accepted:
        accept();
        break;
    case bm::PeriodCheck::ZeroInterval:
        QApplication::beep();
        Interval_E->setFocus();
        break;
    case bm::PeriodCheck::Refused:
        messages_.Inform(refusal);
        break;
    }
}

void TRPEdit::CheckZero() {
    ZWarn_L->setVisible(bm::ShowsNotZero(Std(Interval_E)));
}

void TRPEdit::SetTimeSpec() {
    Interval_L->setText(Text(bm::IntervalLabelText(RIType_RG->ItemIndex())));
    Interval_E->setAccessibleName(Interval_L->text());
}
