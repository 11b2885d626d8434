#include "gui/draweditor/eventsplitter.h"

#include "engine/draw/eventsplit.h"
#include "engine/model/boatmeet.h"
#include "engine/model/text.h"
#include "engine/session/meetsession.h"
#include "gui/common/namedlabel.h"
#include "gui/common/textconversion.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TESplitF::TESplitF(bm::MeetSession& session, QWidget* parent) : QDialog(parent), session_(session) {
    setObjectName(Text("ESplitF"));
    setWindowTitle(Text("Event Splitter"));
    setModal(true);
    Split_CB = new QComboBox(this);
    Split_CB->setObjectName(Text("Split_CB"));
    Split_CB->setAccessibleName(Text("Event To Split"));
    Split_CB->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Split_CB->setMinimumContentsLength(16);
    NDivs_E = new QLineEdit(Text("2"), this);
    NDivs_E->setObjectName(Text("NDivs_E"));
    // Its caption "Into " alone would be read as the box's name.
    NDivs_E->setAccessibleName(Text("Number of Divisions"));
    NDivs_E->setMaximumWidth(NDivs_E->fontMetrics().horizontalAdvance(Text("00000")) + 12);
    Split_B = new QPushButton(Text("&Split"), this);
    Split_B->setObjectName(Text("Split_B"));
    Split_B->setDefault(true);
    Cancel_B = new QPushButton(Text("&Cancel"), this);
    Cancel_B->setObjectName(Text("Cancel_B"));
    connect(Split_B, &QPushButton::clicked, this, &TESplitF::DoSplit);
    connect(Cancel_B, &QPushButton::clicked, this, &QDialog::reject);

    auto* eventRow = new QHBoxLayout;
    eventRow->addWidget(NamedLabel("Label1", "Event To Split:", Split_CB, this));
    eventRow->addWidget(Split_CB, 1);
    auto* divisionsRow = new QHBoxLayout;
    divisionsRow->addWidget(NamedLabel("Label2", "Into ", NDivs_E, this));
    divisionsRow->addWidget(NDivs_E);
    divisionsRow->addWidget(NamedLabel("Label3", "Divisions", nullptr, this));
    divisionsRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Split_B);
    buttons->addWidget(Cancel_B);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(eventRow);
    layout->addLayout(divisionsRow);
    layout->addStretch();
    layout->addLayout(buttons);
}

void TESplitF::Split(const QString& event, int divisions) {
    meet_ = session_.Meet();
    if (!meet_)
        return;
    DoList();
    if (!event.isEmpty()) {
        Split_CB->setCurrentIndex(Split_CB->findText(event, Qt::MatchExactly));
        NDivs_E->setText(QString::number(divisions));
    }
    Split_CB->setFocus();
    const bool split = exec() == QDialog::Accepted;
    meet_ = nullptr;
    if (split)
        session_.Changed("Split Event");
}

void TESplitF::DoList() {
    Split_CB->clear();
    for (const std::string& text : meet_->Events.Texts())
        Split_CB->addItem(Text(text));
    Split_CB->setCurrentIndex(-1);
}

void TESplitF::DoSplit() {
    if (!meet_)
        return;
    const std::string event =
        Split_CB->currentIndex() < 0 ? std::string() : Split_CB->currentText().toStdString();
    std::string error;
    const bool split = bm::SplitEvent(*meet_, event, bm::ReadInt(NDivs_E->text().toStdString()),
                                      session_.Messages().Confirmation(), error);
    if (!error.empty())
        session_.Messages().Inform(error);
    if (!split)
        return;
    Split_CB->setCurrentIndex(-1);
    accept();
}
