#include "gui/mainwindow/reportview.h"

#include "engine/model/safefile.h"
#include "engine/model/settings.h"
#include "engine/model/textfile.h"
#include "engine/reports/catalogue.h"
#include "engine/reports/reportoutput.h"
#include "engine/session/meetsession.h"
#include "gui/common/backgroundreport.h"
#include "gui/common/dialogprovider.h"
#include "gui/common/menuactions.h"
#include "gui/common/printing.h"
#include "gui/common/reportlinesview.h"
#include "gui/common/textconversion.h"
#include "gui/dialogs/progressdialog.h"
#include "print/pdfreport.h"
#include "print/reportprint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <sstream>
#include <utility>

namespace {

constexpr const char* ProducingCaption = "Busy Producing the Report...";

} // namespace

ReportView::ReportView(bm::MeetSession& session, DialogProvider& dialogs, QWidget* parent)
    : QWidget(parent), SessionView(session, bm::aspect::All), dialogs_(dialogs),
      printer_(MakeReportPrinter()) {
    setObjectName(Text("Panel1"));
    BuildSelectors();
    BuildView();
    LayOutControls();
    BuildPopupMenu();
    progress_ = new TProgressF(this);
    changePause_ = new QTimer(this);
    changePause_->setSingleShot(true);
    changePause_->setInterval(250);
    connect(changePause_, &QTimer::timeout, this, [this] { StartReport(); });
    // The busy window never takes the focus: Escape in the main window cancels too.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WindowShortcut);
    connect(cancel, &QShortcut::activated, this, [this] {
        if (producing_)
            CancelReport();
    });
}

ReportView::~ReportView() = default;

void ReportView::BuildSelectors() {
    DSelect_CB = new QComboBox(this);
    DSelect_CB->setObjectName(Text("DSelect_CB"));
    DSelect_CB->setAccessibleName(Text("Display"));
    for (std::string_view caption : bm::ReportCaptions)
        DSelect_CB->addItem(Text(caption));
    DSelect_CB->setMaxVisibleItems(bm::ReportCount);
    DSelect_CB->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    DisplayLock_CB = new QCheckBox(Text("Display Locked"), this);
    DisplayLock_CB->setObjectName(Text("DisplayLock_CB"));
    DrawShowType_CB = new QComboBox(this);
    DrawShowType_CB->setObjectName(Text("DrawShowType_CB"));
    DrawShowType_CB->setAccessibleName(Text("Draw show type"));
    DrawShowType_CB->addItems({Text("Races"), Text("Results"), Text("Truncated ")});
    DrawShowType_CB->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(DSelect_CB, &QComboBox::currentIndexChanged, this, &ReportView::RefreshDisplay);
    // Toggled, so that the accessibility action, which toggles without a
    // click, locks and unlocks the display as a click does.
    connect(DisplayLock_CB, &QCheckBox::toggled, this, &ReportView::DisplayLockClicked);
    connect(DrawShowType_CB, &QComboBox::currentIndexChanged, this, &ReportView::RefreshDisplay);
}

void ReportView::BuildView() {
    REdit = new ReportLinesView(this);
    REdit->setObjectName(Text("REdit"));
    REdit->setAccessibleName(Text("Report"));
    // "Courier" where it is installed, otherwise the system's fixed-pitch
    // font, named as the font dialog lists it.
    REdit->setFont(bm::DefaultReportFont());
    REdit->setContextMenuPolicy(Qt::CustomContextMenu);
}

// The selectors in a row above the report view, which takes every pixel the
// panel gains; Tab goes along the row and then into the view.
void ReportView::LayOutControls() {
    auto* label = new QLabel(Text("Display:"), this);
    label->setBuddy(DSelect_CB);
    auto* controls = new QHBoxLayout;
    controls->addWidget(label);
    controls->addWidget(DSelect_CB);
    controls->addSpacing(12);
    controls->addWidget(DisplayLock_CB);
    controls->addSpacing(12);
    controls->addWidget(DrawShowType_CB);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addLayout(controls);
    layout->addWidget(REdit, 1);
    setTabOrder(DSelect_CB, DisplayLock_CB);
    setTabOrder(DisplayLock_CB, DrawShowType_CB);
    setTabOrder(DrawShowType_CB, REdit);
}

void ReportView::BuildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(Text("PopupMenu1"));
    AddMenuAction(PopupMenu1, "Save To Text File", "PopSaveText", this,
                  &ReportView::SaveViewAsText);
    AddMenuAction(PopupMenu1, "Save To RTF File", "PopSaveRtf", this, &ReportView::SaveViewAsRtf);
    AddMenuAction(PopupMenu1, "Save to HTML file", "PopSaveHtml", this,
                  &ReportView::SaveViewAsHtml);
    AddMenuAction(PopupMenu1, "Save to PDF file", "PopSavePdf", this, &ReportView::SaveViewAsPdf);
    AddMenuAction(PopupMenu1, "Copy to Clipboard", "PopCopy", this,
                  &ReportView::CopyViewToClipboard);
    AddMenuAction(PopupMenu1, "Print", "PopPrint", this, &ReportView::PrintView);
    AddMenuAction(PopupMenu1, "Printer Setup", "PopPrinterSetup", this, &ReportView::PrinterSetup);
    AddMenuAction(PopupMenu1, "Font", "PopFont", this, &ReportView::ChooseViewFont);
    connect(REdit, &ReportLinesView::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(REdit->viewport()->mapToGlobal(at)); });
}

void ReportView::DisplayLockClicked() {
    const bool locked = DisplayLock_CB->isChecked();
    DSelect_CB->setEnabled(!locked);
    if (!locked)
        RefreshDisplay();
}

bm::ShowType ReportView::DrawShowType() const {
    return static_cast<bm::ShowType>(DrawShowType_CB->currentIndex());
}

void ReportView::SetChangePause(std::chrono::milliseconds pause) {
    changePause_->setInterval(pause);
}

bool ReportView::Producing() const {
    return producing_ != nullptr || changePause_->isActive();
}

void ReportView::ReloadFromMeet() {
    if (std::exchange(replaced_, false)) {
        RefreshDisplay();
        return;
    }
    AbandonReport();
    changePause_->start();
}

void ReportView::RefreshDisplay() {
    if (!StartReport())
        return;
    if (producing_->WaitFor(reportWait_)) {
        ReportReady(generation_);
        return;
    }
    progress_->ShowWaiting(
        Text(ProducingCaption), [this] { CancelReport(); }, WaitMode::Beside);
}

void ReportView::CancelReport() {
    AbandonReport();
    REdit->SetText({});
}

bool ReportView::StartReport() {
    if (DSelect_CB->currentIndex() < 0) {
        const QSignalBlocker blocker(DSelect_CB);
        DSelect_CB->setCurrentIndex(0);
    }
    const bm::Boatmeet* meet = session_.Meet();
    if (!meet || (takenOver_ && takenOver_()) || DisplayLock_CB->isChecked())
        return false;
    AbandonReport();
    // The writer gets a copy of the meet and of the settings, which the
    // window may change while it writes. A report not in this version leaves
    // the stream empty: the view empties.
    std::shared_ptr<const bm::Boatmeet> copy = meet->Clone();
    const int index = DSelect_CB->currentIndex();
    const bm::ShowType showType = DrawShowType();
    const int generation = ++generation_;
    producing_ = std::make_unique<BackgroundReport>(
        [copy, settings = bm::CurrentSettings(), index, showType](std::ostream& out) {
            const bm::ThreadSettings scoped(settings);
            bm::WriteReport(*copy, index, showType, out);
        },
        [this, generation] {
            QMetaObject::invokeMethod(
                this, [this, generation] { ReportReady(generation); }, Qt::QueuedConnection);
        });
    return true;
}

void ReportView::ReportReady(int generation) {
    if (!producing_ || generation != generation_)
        return;
    ReportText text = producing_->TakeText();
    producing_.reset();
    progress_->HideProgress();
    ShowReport(std::move(text));
}

void ReportView::AbandonReport() {
    changePause_->stop();
    if (!producing_)
        return;
    producing_.reset();
    progress_->HideProgress();
}

// The view keeps its scroll position, caret and selection, so a refresh
// after an edit leaves the reader where they were.
void ReportView::ShowReport(ReportText text) {
    if (!DisplayLock_CB->isChecked())
        REdit->SetText(std::move(text));
}

void ReportView::LoadView(const std::vector<std::string>& lines) {
    AbandonReport();
    ShowReport(ReportText::FromLines(lines));
}

void ReportView::LockDisplay() {
    AbandonReport();
    DisplayLock_CB->setChecked(true);
}

void ReportView::ShowLocked(const std::vector<std::string>& lines) {
    AbandonReport();
    REdit->SetLines(lines);
    LockDisplay();
}

std::vector<std::string> ReportView::ViewLines() const {
    return REdit->Text().Lines();
}

QString ReportView::ChooseOutputFile(const char* filter, const char* suffix) {
    return dialogs_.SaveFileName(this, SaveRequest{Text(filter), Text(suffix), QString()});
}

void ReportView::WriteOutput(const QString& name, const std::string& content) {
    if (!bm::WriteFileSafely(name.toStdString(), content))
        session_.Messages().Inform(bm::OutputFailedText(name.toStdString()));
}

void ReportView::SaveViewAsText() {
    const QString name = ChooseOutputFile("Text Files (*.txt)", "txt");
    if (name.isEmpty())
        return;
    std::string content;
    for (std::size_t line = 0; line < REdit->Text().LineCount(); ++line) {
        content += REdit->Text().Line(line);
        content += '\n';
    }
    WriteOutput(name, content);
}

void ReportView::SaveViewAsRtf() {
    const QString name = ChooseOutputFile("RTF files (*.rtf)", "rtf");
    if (name.isEmpty())
        return;
    std::ostringstream out;
    const QFont font = REdit->font();
    bm::WriteRtfReport(out, ViewLines(), font.family().toStdString(),
                       font.pointSize() > 0 ? font.pointSize() : 10);
    WriteOutput(name, out.str());
}

void ReportView::SaveViewAsHtml() {
    const bm::Boatmeet* meet = session_.Meet();
    if (!meet)
        return;
    const QString name = ChooseOutputFile("HTML files (*.html)", "html");
    if (name.isEmpty())
        return;
    std::ostringstream out;
    bm::WriteHtmlReport(out, meet->Title, meet->Date, DSelect_CB->currentText().toStdString(),
                        ViewLines());
    WriteOutput(name, out.str());
}

void ReportView::SaveViewAsPdf() {
    const QString name = ChooseOutputFile("PDF files (*.pdf)", "pdf");
    if (name.isEmpty())
        return;
    // The pages printing would give: the printer's paper, turn and margins.
    if (!bm::WritePdfReport(name.toStdString(), printer_->pageLayout(), REdit->font(), ViewLines(),
                            bm::CurrentSettings().SplitOnBlankLine,
                            DSelect_CB->currentText().toStdString()))
        session_.Messages().Inform(bm::OutputFailedText(name.toStdString()));
}

void ReportView::PrintView() {
    printer_->setDocName(DSelect_CB->currentText());
    if (!bm::PrintReportLines(*printer_, REdit->font(), ViewLines(),
                              bm::CurrentSettings().SplitOnBlankLine))
        session_.Messages().Inform("Could not start printing: no printer is available.");
}

void ReportView::PrinterSetup() {
    dialogs_.SetUpPrinter(this, *printer_);
}

void ReportView::ChooseViewFont() {
    QFont font = REdit->font();
    if (dialogs_.ChooseFont(this, font))
        REdit->setFont(font);
}

void ReportView::CopyViewToClipboard() {
    const ReportLinesView::Position caret = REdit->Caret();
    REdit->SelectAll();
    REdit->Copy();
    REdit->SetCaret(caret);
}
