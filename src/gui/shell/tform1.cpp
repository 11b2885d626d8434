#include "shell/tform1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QString Text(const char* text) { return QString::fromUtf8(text); }

void AddItems(QMenu* menu, std::initializer_list<const char*> captions) {
    for (const char* caption : captions)
        menu->addAction(Text(caption));
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(Text("Form1"));
    BuildMenus();
    BuildReportView();
    SetWindowTitle();
    resize(900, 650);
}

void TForm1::BuildMenus() {
    QMenu* file = menuBar()->addMenu(Text("&File"));
    file->addAction(Text("&Open.."));
    Reopen = file->addMenu(Text("&Reopen"));
    AddItems(file, {"&Save", "S&ave As..", "Save &Key Data", "&Exit"});
    QMenu* operations = menuBar()->addMenu(Text("&Operations"));
    AddItems(operations, {"&Create New Boatmeet", "C&hange Boatmeet Title/Date", "&Split Event",
                          "&Draw all Events", "Number &Races"});
    AddItems(operations->addMenu(Text("&Number Crews")), {"By Event", "By Club"});
    AddItems(operations, {"&Test Data", "Load VEXA"});
    AddItems(menuBar()->addMenu(Text("&Output")),
             {"Save to &Text File..", "Save to &RTF File..", "Save to &HTML File..",
              "Save to &PDF File..", "&Copy to Clipboard", "&Print", "Printer &Setup..", "&Font.."});
    AddItems(menuBar()->addMenu(Text("&Editors")),
             {"&Crew Editor", "&Event Editor", "Cl&ub Editor", "&Race Editor", "&Draw Editor",
              "&Preferences", "Re&sults Editor", "&Info Editor"});
    AddItems(menuBar()->addMenu(Text("&Help")), {"&Help", "&About"});
}

void TForm1::BuildReportView() {
    auto* panel = new QWidget(this);
    panel->setObjectName(Text("Panel1"));
    auto* layout = new QVBoxLayout(panel);
    auto* controls = new QHBoxLayout;
    DSelect_CB = new QComboBox(panel);
    DSelect_CB->setObjectName(Text("DSelect_CB"));
    DisplayLock_CB = new QCheckBox(Text("Display Locked"), panel);
    DisplayLock_CB->setObjectName(Text("DisplayLock_CB"));
    DrawShowType_CB = new QComboBox(panel);
    DrawShowType_CB->setObjectName(Text("DrawShowType_CB"));
    DrawShowType_CB->addItems({Text("Races"), Text("Results"), Text("Truncated ")});
    controls->addWidget(DSelect_CB, 1);
    controls->addWidget(DisplayLock_CB);
    controls->addWidget(DrawShowType_CB);
    layout->addLayout(controls);
    REdit = new QPlainTextEdit(panel);
    REdit->setObjectName(Text("REdit"));
    REdit->setReadOnly(true);
    REdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    REdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(REdit, 1);
    setCentralWidget(panel);
}

void TForm1::SetWindowTitle() { setWindowTitle(Text("Boatmeet: ") + Text(" <No Boatmeet Loaded>")); }
