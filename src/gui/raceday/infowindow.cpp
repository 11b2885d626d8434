#include "gui/raceday/infowindow.h"

#include "engine/session/meetsession.h"
#include "gui/common/radiogroup.h"
#include "gui/raceday/racedaycontrols.h"

#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace raceday;

TInfo_F::TInfo_F(bm::MeetSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), SessionView(session, bm::aspect::All & ~bm::aspect::Title) {
    setObjectName(QStringLiteral("Info_F"));
    setWindowTitle(QStringLiteral("Race or Competitor Information"));
    RaceOrCrew_RG = new RadioGroup("RaceOrCrew_RG", "Info to Display", {"Race", "Crew"}, 2);
    RaceOrCrew_RG->SetItemIndex(0);
    Number_ME = NamedEdit("Number_ME");
    // Four digits, and digits only.
    Number_ME->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,4}")), Number_ME));
    Number_ME->setMaximumWidth(70);
    DataType_L = LabelFor("Race Number", Number_ME);
    DataType_L->setObjectName(QStringLiteral("DataType_L"));
    DataType_L->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    DataType_L->setMinimumWidth(
        DataType_L->fontMetrics().horizontalAdvance(Text(bm::DataTypeLabel(true) + "  ")));
    Data_M = ReportText("Data_M", "Information");
    Data_M->setMinimumSize(480, 240);
    Close_B = NamedButton("Close_B", "&Close");
    auto* top = new QHBoxLayout;
    top->addWidget(RaceOrCrew_RG);
    top->addWidget(DataType_L);
    top->addWidget(Number_ME);
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Close_B);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Data_M, 1);
    layout->addLayout(buttons);
    RaceOrCrew_RG->OnChoice([this](int) { ChangeDataType(); });
    connect(Number_ME, &QLineEdit::textChanged, this, &TInfo_F::NewNumber);
    connect(Close_B, &QPushButton::clicked, this, &TInfo_F::DoCloseB);
    resize(720, 560);
}

void TInfo_F::ShowInfo() {
    if (!session_.Meet())
        return;
    // The meet may have changed while the window was hidden.
    Reread();
    show();
    raise();
    activateWindow();
    Number_ME->setFocus();
}

void TInfo_F::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CatchUp();
}

// The same number again: the text keeps its place in the view.
void TInfo_F::Reread() {
    const int scrolled = Data_M->verticalScrollBar()->value();
    NewNumber();
    Data_M->verticalScrollBar()->setValue(scrolled);
}

void TInfo_F::MeetReplaced() {
    hide();
    view_ = bm::InformationView();
    Number_ME->clear();
}

void TInfo_F::ChangeDataType() {
    DataType_L->setText(Text(bm::DataTypeLabel(RaceOrCrew_RG->ItemIndex() == 1)));
    Number_ME->setAccessibleName(DataType_L->text());
}

void TInfo_F::NewNumber() {
    bm::Boatmeet* meet = session_.Meet();
    QString text;
    if (meet) {
        const bool crew = RaceOrCrew_RG->ItemIndex() == 1;
        for (const std::string& line : view_.NewNumber(*meet, crew, Std(Number_ME)))
            text += Text(line) + QLatin1Char('\n');
        text.chop(1);
    }
    Data_M->setPlainText(text);
}

void TInfo_F::DoCloseB() {
    hide();
}
