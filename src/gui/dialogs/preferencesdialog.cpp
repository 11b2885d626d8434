#include "gui/dialogs/preferencesdialog.h"

#include "engine/model/clockmoney.h"
#include "engine/model/text.h"
#include "engine/session/messages.h"
#include "gui/common/textconversion.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstdint>
#include <optional>

namespace {

std::string Std(const QLineEdit* edit) {
    return edit->text().toStdString();
}

// A money edit's amount; the amount as it was when the edit holds no money
// value (OK refuses such an edit, so this only guards other callers).
template <typename Amount> Amount Money(const QLineEdit* edit, Amount current) {
    const std::optional<std::int64_t> amount = bm::MoneyValue(Std(edit));
    return amount ? static_cast<Amount>(*amount) : current;
}

QWidget* Column(std::initializer_list<QWidget*> widgets) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return page;
}

} // namespace

TPrefsF::TPrefsF(bm::MessageHandler& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("PrefsF"));
    setWindowTitle(QStringLiteral("Preferences"));
    setModal(true);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(LaneInfoTab(), Text("Lane Info"));
    PageControl1->addTab(DrawTreeTab(), Text("Draw Tree"));
    PageControl1->addTab(MiscTab(), Text("Misc"));
    PageControl1->addTab(CrewEditTab(), Text("Crew Edit"));
    PageControl1->addTab(BillingTab(), Text("Billing"));
    auto* ok = new QPushButton(Text("&OK"), this);
    ok->setObjectName(QStringLiteral("OK_B"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(Text("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel_B"));
    connect(ok, &QPushButton::clicked, this, &TPrefsF::DoOK);
    connect(cancel, &QPushButton::clicked, this, &TPrefsF::DoCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);
}

QCheckBox* TPrefsF::Check(const char* name, const char* caption) {
    auto* box = new QCheckBox(Text(caption));
    box->setObjectName(Text(name));
    return box;
}

QLineEdit* TPrefsF::Edit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(Text(name));
    return edit;
}

QWidget* TPrefsF::LaneInfoTab() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(Text("Lane  1 Title:"), Lane1Info_E = Edit("Lane1Info_E"));
    form->addRow(Text("Lane 2 Title: "), Lane2Info_E = Edit("Lane2Info_E"));
    form->addRow(ShowLaneInfo_CB = Check("ShowLaneInfo_CB", "Show Lane Information"));
    return page;
}

QWidget* TPrefsF::DrawTreeTab() {
    return Column({CompressDT_CB = Check("CompressDT_CB", "Compressed Draw Tree"),
                   SpacedDT_CB = Check("SpacedDT_CB", "Blank line between races at top level"),
                   ShowRaceNoDT_CB = Check("ShowRaceNoDT_CB", "Show Race number")});
}

QWidget* TPrefsF::MiscTab() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(Text("Max length of (Club+Name):"), MaxNameLen_E = Edit("MaxNameLen_E"));
    form->addRow(ShowCrewNotes_CB = Check("ShowCrewNotes_CB", "Show Crew Notes in output"));
    form->addRow(ShowSponsor_CB = Check("ShowSponsor_CB", "Show Sponsor on draw"));
    form->addRow(PageEjectClub_CB = Check("PageEjectClub_CB",
                                          "Start printed output for each club/event on new page"));
    form->addRow(AllowTC_CB =
                     Check("AllowTC_CB", "Allow races that conflict with time constraints"));
    form->addRow(
        CheckTC_CB =
            Check("CheckTC_CB", "Check before allowing races that conflict with time constraints"));
    form->addRow(SplitOnBlankLine_CB =
                     Check("SplitOnBlankLine_CB", "Try to print output blocks together on a page"));
    return page;
}

QWidget* TPrefsF::CrewEditTab() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(RecordMoves_CB =
                     Check("RecordMoves_CB", "Record in Crew Notes when crew changes Events"));
    form->addRow(Text("String to use for Name when creating New Crews: "),
                 SetCrewName_E = Edit("SetCrewName_E"));
    return page;
}

QWidget* TPrefsF::BillingTab() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(Text("Cost of Day Licence: "), DayLicCost_E = Edit("DayLicCost_E"));
    form->addRow(Early_Pay_CB = Check("Early_Pay_CB", "Set early payment discount for paid crews"));
    form->addRow(AutoEntry_CB = Check("AutoEntry_CB", "Use Auto Entry Fee Calculation"));
    auto* group = new QGroupBox(Text("Auto Entry Fee Calculation"));
    auto* groupForm = new QFormLayout(group);
    groupForm->addRow(Text("Cost per Seat: "), PerSeat_E = Edit("PerSeat_E"));
    groupForm->addRow(Text("Early payment Discount: "), EarlyPayment_E = Edit("EarlyPayment_E"));
    auto* radio = new QGroupBox;
    radio->setObjectName(QStringLiteral("EarlyPayment_RG"));
    auto* radioLayout = new QHBoxLayout(radio);
    radioLayout->addWidget(PerSeat_RB = new QRadioButton(Text("Per Seat")));
    radioLayout->addWidget(PerCrew_RB = new QRadioButton(Text("Per Crew")));
    PerSeat_RB->setObjectName(QStringLiteral("PerSeat_RB"));
    PerCrew_RB->setObjectName(QStringLiteral("PerCrew_RB"));
    groupForm->addRow(radio);
    groupForm->addRow(CoxesPay_CB = Check("CoxesPay_CB", "Coxes pay for Seat"));
    form->addRow(group);
    return page;
}

void TPrefsF::Fill(const bm::Settings& s) {
    Lane1Info_E->setText(Text(s.Lane1Info));
    Lane2Info_E->setText(Text(s.Lane2Info));
    ShowLaneInfo_CB->setChecked(s.ShowLaneInfo);
    CompressDT_CB->setChecked(s.CompressDT);
    SpacedDT_CB->setChecked(s.SpacedDT);
    ShowRaceNoDT_CB->setChecked(s.ShowRaceNoDT);
    MaxNameLen_E->setText(QString::number(s.MaxNameLen));
    ShowCrewNotes_CB->setChecked(s.ShowCrewNotes);
    ShowSponsor_CB->setChecked(s.ShowSponsor);
    PageEjectClub_CB->setChecked(s.PageEjectClub);
    AllowTC_CB->setChecked(s.AllowTC);
    CheckTC_CB->setChecked(s.CheckTC);
    SplitOnBlankLine_CB->setChecked(s.SplitOnBlankLine);
    RecordMoves_CB->setChecked(s.RecordMoves);
    SetCrewName_E->setText(Text(s.SetCrewName));
    DayLicCost_E->setText(Text(bm::MoneyText(s.DayLicCost)));
    Early_Pay_CB->setChecked(s.EarlyRegDiscountActive);
    AutoEntry_CB->setChecked(s.AutoFeeSTR.AutoFeeOn);
    PerSeat_E->setText(Text(bm::MoneyText(s.AutoFeeSTR.FeePerSeat)));
    EarlyPayment_E->setText(Text(bm::MoneyText(s.AutoFeeSTR.EarlyDiscount)));
    (s.AutoFeeSTR.DiscountPerCrew == 1 ? PerCrew_RB : PerSeat_RB)->setChecked(true);
    CoxesPay_CB->setChecked(s.AutoFeeSTR.CoxesPay);
    PageControl1->setCurrentIndex(0);
}

void TPrefsF::Apply(bm::Settings& s) const {
    s.Lane1Info = Std(Lane1Info_E);
    s.Lane2Info = Std(Lane2Info_E);
    s.ShowLaneInfo = ShowLaneInfo_CB->isChecked();
    s.CompressDT = CompressDT_CB->isChecked();
    s.SpacedDT = SpacedDT_CB->isChecked();
    s.ShowRaceNoDT = ShowRaceNoDT_CB->isChecked();
    s.MaxNameLen = bm::ReadInt(Std(MaxNameLen_E));
    s.ShowCrewNotes = ShowCrewNotes_CB->isChecked();
    s.ShowSponsor = ShowSponsor_CB->isChecked();
    s.PageEjectClub = PageEjectClub_CB->isChecked();
    s.AllowTC = AllowTC_CB->isChecked();
    s.CheckTC = CheckTC_CB->isChecked();
    s.SplitOnBlankLine = SplitOnBlankLine_CB->isChecked();
    s.RecordMoves = RecordMoves_CB->isChecked();
    s.SetCrewName = Std(SetCrewName_E);
    s.DayLicCost = Money(DayLicCost_E, s.DayLicCost);
    s.EarlyRegDiscountActive = Early_Pay_CB->isChecked();
    s.AutoFeeSTR.AutoFeeOn = AutoEntry_CB->isChecked();
    s.AutoFeeSTR.FeePerSeat = Money(PerSeat_E, s.AutoFeeSTR.FeePerSeat);
    s.AutoFeeSTR.EarlyDiscount = Money(EarlyPayment_E, s.AutoFeeSTR.EarlyDiscount);
    s.AutoFeeSTR.DiscountPerCrew = PerCrew_RB->isChecked() ? 1 : 0;
    s.AutoFeeSTR.CoxesPay = CoxesPay_CB->isChecked();
}

// An amount that is no money value keeps the dialog open, with everything
// typed in it, on the edit to correct.
void TPrefsF::DoOK() {
    for (QLineEdit* edit : {DayLicCost_E, PerSeat_E, EarlyPayment_E}) {
        if (bm::MoneyValue(Std(edit)))
            continue;
        messages_.Inform(bm::NotMoneyText);
        for (int tab = 0; tab < PageControl1->count(); ++tab)
            if (PageControl1->widget(tab)->isAncestorOf(edit))
                PageControl1->setCurrentIndex(tab);
        edit->setFocus();
        edit->selectAll();
        return;
    }
    accept();
}

void TPrefsF::DoCancel() {
    reject();
}
