#include "gui/import/testdatawindow.h"

#include "engine/import/makedata.h"
#include "engine/model/text.h"
#include "engine/session/meetsession.h"
#include "gui/common/dialogprovider.h"
#include "gui/common/textconversion.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* TestDataOverOpenMeetText =
    "This file holds the open Boatmeet; choose another file for the test data.";

int Count(const QLineEdit* edit) {
    return bm::ReadInt(edit->text().toStdString());
}

bool SameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

TMakeData_F::TMakeData_F(DialogProvider& dialogs, const bm::MeetSession& session, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), session_(session) {
    setObjectName(Text("MakeData_F"));
    setWindowTitle(Text("Test Data Generation"));
    setModal(false);
    OFName_E = AddEdit("OFName_E", "");
    OFName_E->setMinimumWidth(360);
    OFName_E->setAccessibleName(Text("Output File"));
    Browse_B = new QPushButton(Text("Browse.."), this);
    Browse_B->setObjectName(Text("Browse_B"));
    Browse_B->setAutoDefault(false);
    Title_E = AddEdit("Title_E", "");
    NCrews_E = AddEdit("NCrews_E", "300");
    NEvents_E = AddEdit("NEvents_E", "30");
    NClubs_E = AddEdit("NClubs_E", "50");
    DUp_E = AddEdit("DUp_E", "30");
    BS_E = AddEdit("BS_E", "30");
    // Counts are short: their edits need not span the window.
    const int countWidth = OFName_E->fontMetrics().horizontalAdvance(Text("000000000")) + 12;
    for (QLineEdit* count : {NCrews_E, NEvents_E, NClubs_E, DUp_E, BS_E})
        count->setMaximumWidth(countWidth);
    Generate_B = new QPushButton(Text("Generate"), this);
    Generate_B->setObjectName(Text("Generate_B"));
    Generate_B->setDefault(true);
    Close_B = new QPushButton(Text("Close"), this);
    Close_B->setObjectName(Text("Close_B"));
    Close_B->setAutoDefault(false);
    connect(Browse_B, &QPushButton::clicked, this, &TMakeData_F::DoBrowse);
    connect(Generate_B, &QPushButton::clicked, this, &TMakeData_F::DoGenerate);
    connect(Close_B, &QPushButton::clicked, this, &TMakeData_F::DoClose);
    LayOutControls();
}

QLineEdit* TMakeData_F::AddEdit(const char* name, const char* text) {
    auto* edit = new QLineEdit(Text(text), this);
    edit->setObjectName(Text(name));
    return edit;
}

void TMakeData_F::LayOutControls() {
    auto* file = new QHBoxLayout;
    file->addWidget(OFName_E, 1);
    file->addWidget(Browse_B);
    auto* form = new QFormLayout;
    form->addRow(Text("Output File:"), file);
    form->addRow(Text("Event Name:"), Title_E);
    form->addRow(Text("Number of Crews:"), NCrews_E);
    form->addRow(Text("Number of Events: "), NEvents_E);
    form->addRow(Text("Number of Clubs:"), NClubs_E);
    form->addRow(Text("Number Doubling Up: "), DUp_E);
    form->addRow(Text("Number Boat Sharing: "), BS_E);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Generate_B);
    buttons->addWidget(Close_B);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void TMakeData_F::Open() {
    OFName_E->setText(Text(bm::TestDataFolder(session_.FileName())));
    show();
    raise();
    activateWindow();
}

void TMakeData_F::DoBrowse() {
    const QString name = dialogs_.SaveFileName(
        this, SaveRequest{Text("Boatmeet Files (*.bmf)"), Text("bmf"), OFName_E->text()});
    if (!name.isEmpty())
        OFName_E->setText(name);
}

void TMakeData_F::DoGenerate() {
    // Generated data written over the open meet's file would replace the
    // regatta on disk while the window still shows it.
    if (session_.HasMeet() && SameFile(OFName_E->text(), Text(session_.FileName()))) {
        session_.Messages().Inform(TestDataOverOpenMeetText);
        return;
    }
    bm::GenerateParams params;
    params.Title = Title_E->text().toStdString();
    params.Clubs = Count(NClubs_E);
    params.Events = Count(NEvents_E);
    params.Crews = Count(NCrews_E);
    params.DoubleUps = Count(DUp_E);
    params.BoatShares = Count(BS_E);
    std::string message;
    bm::WriteGeneratedMeet(params, OFName_E->text().toStdString(), message);
    session_.Messages().Inform(message);
}

void TMakeData_F::DoClose() {
    close();
}
