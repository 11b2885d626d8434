#include "gui/raceday/racecheck.h"

#include "engine/reports/racepanels.h"
#include "gui/common/valuelabel.h"
#include "gui/raceday/racedaycontrols.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace raceday;

TRaceChk_F::TRaceChk_F(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RaceChk_F"));
    setWindowTitle(Text(bm::RaceCheckCaption));
    setModal(true);
    Time_L = new QLabel;
    Time_L->setObjectName(QStringLiteral("Time_L"));
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(LabelFor(bm::RaceCheckTimeLabel, Time_L));
    timeRow->addWidget(Time_L);
    timeRow->addStretch();
    Memo1 = ReportText("Memo1", "Proposed races");
    Memo1->setMinimumSize(560, 260);
    Accept_B = NamedButton("Accept_B", "&Accept");
    Skip_B = NamedButton("Skip_B", "&Skip");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Accept_B);
    buttons->addWidget(Skip_B);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(timeRow);
    for (const char* text :
         {bm::RaceCheckNotPossibleText, bm::RaceCheckBestText, bm::RaceCheckChoiceText})
        layout->addWidget(new QLabel(Text(text)));
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    connect(Accept_B, &QPushButton::clicked, this, &QDialog::accept);
    connect(Skip_B, &QPushButton::clicked, this, &QDialog::reject);
}

bool TRaceChk_F::Check(const bm::Boatmeet& meet, int cursor, const std::vector<bm::Race*>& races) {
    const bm::RaceCheck check = bm::PrepareRaceCheck(meet, cursor, races);
    SetLabelValue(Time_L, Text(bm::RaceCheckTimeLabel).remove(QLatin1Char(':')).trimmed(),
                  Text(check.TimeText));
    Memo1->setPlainText(Text(check.Details));
    Accept_B->setFocus();
    return exec() == Accepted;
}
