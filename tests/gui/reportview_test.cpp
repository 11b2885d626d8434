// The report panel: the selector, the display lock, the refresh that keeps the
// reader's place, selecting and copying in the view, and every output of the
// view's text (text, RTF, HTML, PDF, printer, clipboard).
#include "guitestsupport.h"

#include "engine/import/makedata.h"
#include "engine/model/settings.h"
#include "engine/model/textfile.h"
#include "engine/reports/catalogue.h"
#include "gui/common/backgroundreport.h"
#include "gui/common/reportlinesview.h"
#include "gui/dialogs/progressdialog.h"
#include "gui/mainwindow/mainwindow.h"
#include "print/reportprint.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QTest>
#include <QWheelEvent>
#include <QtMath>

#include <atomic>
#include <filesystem>
#include <sstream>

using namespace guitest;

namespace {

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return {lines.begin(), lines.end()};
}

std::vector<std::string> Numbered(const std::string& prefix, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

std::vector<std::string> FileLines(const std::string& path) {
    const std::string content = bm::test::ReadFile(path);
    std::vector<std::string> lines;
    for (std::string_view line : bm::SplitLines(content))
        lines.emplace_back(line);
    return lines;
}

// The report as the engine writes it.
QString Written(const bm::Boatmeet& meet, int index) {
    std::ostringstream out;
    bm::WriteReport(meet, index, bm::ShowType::Races, out);
    return Q(out.str());
}

// The number of pages of a PDF file written by Qt.
int PdfPages(const std::string& path) {
    const QString pdf = QString::fromLatin1(bm::test::ReadFile(path));
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Counts the times a window is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        shown += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

} // namespace

class ReportViewTest : public WindowTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void selectorHoldsTheEighteenReports();
    void aShorterReportLeavesNoTrailingLines();
    void refreshKeepsTheScrollPositionAndSelection();
    void selectsWithMouseAndKeyboardAndCopies();
    void lockedDisplayKeepsItsTextAndUnlockingRefreshes();
    void showTypeAndSelectorRefreshTheView();
    void savesTextAndRtf();
    void savesHtmlLines();
    void pdfPagesBreakAtMarkersAndDropThem();
    void printingUsesTheSamePages();
    void pdfAndPrintKeepEveryCharacterOfEveryLine_data();
    void pdfAndPrintKeepEveryCharacterOfEveryLine();
    void copiesTheWholeViewAndKeepsTheCaret();
    void fontAndPrinterSetupUseTheirDialogs();
    void popupMenuOffersTheOutputs();
    void screenReaderReadsTheReportAndFollowsTheCaret();
    void reportFontIsChosenByMeasuring();
    void longReportWaitsBehindTheProgressWindowAndCancels();
    void everyKeyArrivesWhileALongReportIsMade();

private:
    ReportLinesView* View() { return Form().findChild<ReportLinesView*>(QStringLiteral("REdit")); }
    // The view's lines as one text.
    QString Shown() {
        QStringList lines;
        for (const std::string& line : View()->Text().Lines())
            lines << Q(line);
        return lines.join(QLatin1Char('\n'));
    }
    // The middle of the view's row (0 at the top) at x.
    QPoint RowPoint(int row, int x) {
        const int height = qCeil(QFontMetricsF(View()->font()).lineSpacing());
        return {x, 4 + row * height + height / 2};
    }
    QComboBox* Selector() { return Form().findChild<QComboBox*>(QStringLiteral("DSelect_CB")); }
    QCheckBox* Lock() { return Form().findChild<QCheckBox*>(QStringLiteral("DisplayLock_CB")); }
    void Trigger(const char* name) {
        Action(Form(), name)->trigger();
        Settle();
    }
    // Opens the regatta and puts the lines in the locked view, as a report would.
    void ShowLocked(const std::vector<std::string>& lines) {
        Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf")));
        Form().Report().LoadView(lines);
        Lock()->click();
    }
};

void ReportViewTest::init() {
    OpenWindow();
}

void ReportViewTest::cleanup() {
    CloseWindow();
}

void ReportViewTest::selectorHoldsTheEighteenReports() {
    QCOMPARE(Selector()->count(), 18);
    QCOMPARE(Selector()->currentIndex(), 0);
    QCOMPARE(Selector()->itemText(0), QStringLiteral("Draw (Tree)"));
    QCOMPARE(Selector()->itemText(9), QStringLiteral("Race WorkSheet (all races)"));
    QCOMPARE(Selector()->itemText(17), QStringLiteral("Finals Results"));
    auto* showType = Form().findChild<QComboBox*>(QStringLiteral("DrawShowType_CB"));
    QCOMPARE(showType->itemText(2), QStringLiteral("Truncated "));
    QCOMPARE(Lock()->text(), QStringLiteral("Display Locked"));
    // An installed fixed-pitch family, named as the font dialog lists it.
    QCOMPARE(View()->font(), bm::DefaultReportFont());
    QCOMPARE(QFontInfo(View()->font()).family(), View()->font().family());
    QVERIFY(bm::IsFixedPitch(View()->font()));
    // Read-only and unwrapped: typing changes nothing, a long line scrolls across.
    Form().show();
    Form().Report().LoadView({std::string(400, '=')});
    QTest::keyClicks(View(), QStringLiteral("xy"));
    QTest::keyClick(View(), Qt::Key_Delete);
    QCOMPARE(Form().Report().ViewLines(), std::vector<std::string>{std::string(400, '=')});
    QVERIFY(View()->horizontalScrollBar()->maximum() > 0);
}

void ReportViewTest::aShorterReportLeavesNoTrailingLines() {
    Form().Report().LoadView(Numbered("long ", 40));
    Form().Report().LoadView(Lines({"long 1", "short", ""}));
    QCOMPARE(Form().Report().ViewLines(), Lines({"long 1", "short", ""}));
    QCOMPARE(Shown(), QStringLiteral("long 1\nshort\n"));
    Form().Report().LoadView({});
    QVERIFY(Form().Report().ViewLines().empty());
    Form().Report().LoadView(Lines({"again"}));
    QCOMPARE(Shown(), QStringLiteral("again"));
}

void ReportViewTest::refreshKeepsTheScrollPositionAndSelection() {
    Form().show();
    std::vector<std::string> lines = Numbered("line ", 300);
    Form().Report().LoadView(lines);
    QScrollBar* bar = View()->verticalScrollBar();
    bar->setValue(120);
    // Rows 1 and 2 of the view show "line 122" and "line 123".
    QTest::mousePress(View()->viewport(), Qt::LeftButton, {}, RowPoint(1, 1));
    QTest::mouseMove(View()->viewport(), RowPoint(2, View()->viewport()->width() - 2));
    QTest::mouseRelease(View()->viewport(), Qt::LeftButton, {},
                        RowPoint(2, View()->viewport()->width() - 2));
    QCOMPARE(View()->SelectedText(), QStringLiteral("line 122\nline 123"));
    lines[150] = "changed";
    Form().Report().LoadView(lines);
    QCOMPARE(bar->value(), 120);
    QCOMPARE(Form().Report().ViewLines()[150], std::string("changed"));
    QTest::keyClick(View(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("line 122\nline 123"));
    // A shorter report brings the view back to its top and keeps the
    // selection within its lines.
    Form().Report().LoadView(Numbered("line ", 5));
    QCOMPARE(bar->value(), 0);
    QCOMPARE(View()->Caret(), (ReportLinesView::Position{4, 6}));
    QCOMPARE(View()->SelectedText(), QStringLiteral("line 5"));
}

void ReportViewTest::selectsWithMouseAndKeyboardAndCopies() {
    Form().show();
    Form().Report().LoadView(Lines({"R1   0930 Alpha", "R2   0935 Bravo", "", "R3   0940 Echo"}));
    View()->setFocus();
    // Shift+click extends from the caret; the keyboard extends further.
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, RowPoint(0, 1));
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, Qt::ShiftModifier, RowPoint(1, 600));
    QTest::keyClick(View(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(View(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(View(), Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(View(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(View(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("R1   0930 Alpha\nR2   0935 Bravo\n\nR3   0940 Ech"));
    // As HTML the copy keeps the view's font, and so the report's columns.
    QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains(View()->font().family()));
    QTest::keyClick(View(), Qt::Key_End);
    QVERIFY(!View()->HasSelection());
    QCOMPARE(View()->Caret(), (ReportLinesView::Position{3, 14}));
    QTest::keyClick(View(), Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(View(), Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(View()->SelectedText(), QStringLiteral("\nR3   0940 Echo"));
    QTest::keyClick(View(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(View(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("R1   0930 Alpha\nR2   0935 Bravo\n\nR3   0940 Echo"));
    // A double click takes the word under the pointer.
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, RowPoint(3, 5));
    QCOMPARE(View()->SelectedText(), QStringLiteral("R3"));
}

void ReportViewTest::lockedDisplayKeepsItsTextAndUnlockingRefreshes() {
    Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf", true)));
    Settle();
    const std::vector<std::string> before = Form().Report().ViewLines();
    QVERIFY(Shown().contains(QStringLiteral("Spring Regatta")));
    Lock()->click();
    QVERIFY(!Selector()->isEnabled());
    Form().Session().Meet()->Title = "Summer Sprints";
    Form().RefreshAll();
    QCOMPARE(Form().Report().ViewLines(), before);
    Lock()->click();
    QVERIFY(Selector()->isEnabled());
    QVERIFY(Shown().contains(QStringLiteral("Summer Sprints")));
    QVERIFY(!Shown().contains(QStringLiteral("Spring Regatta")));
}

void ReportViewTest::showTypeAndSelectorRefreshTheView() {
    Form().OpenFile(Q(WriteRegatta(*dir_, "spring.bmf", true)));
    Settle();
    const QString tree = Shown();
    QVERIFY(tree.contains(QStringLiteral("Spring Regatta")));
    Selector()->setCurrentIndex(16); // Event Totals
    QVERIFY(Shown() != tree);
    Selector()->setCurrentIndex(0);
    QCOMPARE(Shown(), tree);
    // Choosing a show type and coming back to the window produce the report again.
    Form().Report().LoadView(Lines({"stale"}));
    auto* showType = Form().findChild<QComboBox*>(QStringLiteral("DrawShowType_CB"));
    showType->setCurrentIndex(1);
    QVERIFY(Shown().startsWith(QStringLiteral("Spring Regatta")));
    showType->setCurrentIndex(0);
    QCOMPARE(Shown(), tree);
    Form().Report().LoadView(Lines({"stale"}));
    Form().show();
    QApplication::setActiveWindow(&Form());
    QTRY_COMPARE(Shown(), tree);
}

void ReportViewTest::savesTextAndRtf() {
    ShowLocked(Lines({"Spring Regatta", "", "R1   0930 Alpha"}));
    dialogs_->saveNames = {Q(dir_->File("report.txt")), Q(dir_->File("report.rtf")), QString()};
    Trigger("SaveViewAsText");
    Trigger("SaveViewAsRtf");
    Trigger("SaveViewAsText"); // cancelled: nothing written
    QCOMPARE(bm::test::ReadFile(dir_->File("report.txt")),
             std::string("Spring Regatta\n\nR1   0930 Alpha\n"));
    const std::string rtf = bm::test::ReadFile(dir_->File("report.rtf"));
    QVERIFY(rtf.starts_with("{\\rtf1"));
    QVERIFY(rtf.find("R1   0930 Alpha") != std::string::npos);
    QCOMPARE(dialogs_->saveRequests[0].filter, QStringLiteral("Text Files (*.txt)"));
    QCOMPARE(dialogs_->saveRequests[0].defaultSuffix, QStringLiteral("txt"));
    QCOMPARE(dialogs_->saveRequests[0].initialName, QString());
    QCOMPARE(dialogs_->saveRequests[1].filter, QStringLiteral("RTF files (*.rtf)"));
    QCOMPARE(dialogs_->saveRequests[1].defaultSuffix, QStringLiteral("rtf"));
    QCOMPARE(std::distance(std::filesystem::directory_iterator(dir_->Path()), {}),
             4); // + ini, meet
}

void ReportViewTest::savesHtmlLines() {
    ShowLocked(Lines({"Heading", "R1   0930 - x", "", "second block"}));
    dialogs_->saveNames = {Q(dir_->File("report.html"))};
    Trigger("SaveViewAsHtml");
    QCOMPARE(dialogs_->saveRequests.back().filter, QStringLiteral("HTML files (*.html)"));
    QCOMPARE(dialogs_->saveRequests.back().defaultSuffix, QStringLiteral("html"));
    QCOMPARE(FileLines(dir_->File("report.html")),
             Lines({"<HTML>", "<meta charset=\"utf-8\">",
                    "<title>Spring Regatta on 12 April Draw (Tree)</title>",
                    "<h2>Spring Regatta on 12 April</h2>", "<h3>Draw (Tree)</h3>", "<P>",
                    "Heading<br>", "R1&nbsp;&nbsp;&nbsp;0930&nbsp;&#8209&nbsp;x<br>", "</P><P><tt>",
                    "second&nbsp;block<br>", "</P>", "</HTML>"}));
}

void ReportViewTest::pdfPagesBreakAtMarkersAndDropThem() {
    std::vector<std::string> lines = Numbered("Club A crew ", 3);
    lines.push_back("<NP>");
    lines.push_back("Club B crew 1");
    lines.push_back("<NP>");
    lines.push_back("Club C crew 1");
    ShowLocked(lines);
    dialogs_->saveNames = {Q(dir_->File("draws.pdf"))};
    Trigger("SaveViewAsPdf");
    const std::string pdf = bm::test::ReadFile(dir_->File("draws.pdf"));
    QVERIFY(pdf.starts_with("%PDF"));
    QCOMPARE(PdfPages(dir_->File("draws.pdf")), 3);
    QCOMPARE(dialogs_->saveRequests.back().defaultSuffix, QStringLiteral("pdf"));
    // The view keeps its markers, so the next print breaks its pages the same way.
    QCOMPARE(Form().Report().ViewLines(), lines);
    QVERIFY(messages_->informed.empty());

    dialogs_->saveNames = {Q(dir_->File("no-such-folder/draws.pdf"))};
    Trigger("SaveViewAsPdf");
    QCOMPARE(messages_->informed, std::vector<std::string>{"Could not write to file : " +
                                                           dir_->File("no-such-folder/draws.pdf")});
}

void ReportViewTest::printingUsesTheSamePages() {
    QPrinter& printer = Form().Report().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Q(dir_->File("printed.pdf")));
    // An empty view still starts and ends a print job: one empty page.
    Form().Report().LoadView(Lines({"", ""}));
    Trigger("PrintView");
    QCOMPARE(PdfPages(dir_->File("printed.pdf")), 1);
    std::vector<std::string> lines = Numbered("Heat ", 2);
    lines.push_back("<NP>");
    lines.push_back("Final");
    ShowLocked(lines);
    Trigger("PrintView");
    QCOMPARE(PdfPages(dir_->File("printed.pdf")), 2);
    Trigger("PrintView");
    QCOMPARE(PdfPages(dir_->File("printed.pdf")), 2);
}

void ReportViewTest::pdfAndPrintKeepEveryCharacterOfEveryLine_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("report");
    QTest::addColumn<bool>("longNames");
    QTest::addColumn<QString>("pages");
    // The schedule fits upright as it is; the worksheet needs the page turned;
    // with long crew names it needs a smaller font on the turned page too.
    QTest::newRow("A4 schedule") << int(QPageSize::A4) << 2 << false
                                 << QStringLiteral("595 x 842 pts (A4)");
    QTest::newRow("A4 worksheet") << int(QPageSize::A4) << 9 << false
                                  << QStringLiteral("842 x 595 pts (A4)");
    QTest::newRow("Letter worksheet")
        << int(QPageSize::Letter) << 9 << false << QStringLiteral("792 x 612 pts (letter)");
    QTest::newRow("A4 wide worksheet")
        << int(QPageSize::A4) << 9 << true << QStringLiteral("842 x 595 pts (A4)");
    QTest::newRow("Letter wide schedule")
        << int(QPageSize::Letter) << 2 << true << QStringLiteral("792 x 612 pts (letter)");
}

void ReportViewTest::pdfAndPrintKeepEveryCharacterOfEveryLine() {
    QFETCH(int, paper);
    QFETCH(int, report);
    QFETCH(bool, longNames);
    QFETCH(QString, pages);
    std::unique_ptr<bm::Boatmeet> meet =
        bm::Boatmeet::LoadFromFile(bm::test::DataPath("rep_small.bmf"));
    if (longNames)
        for (auto& crew : meet->Crews)
            crew->Name += " of the Upper Harbour Rowing Association";
    meet->SaveToFile(dir_->File("regatta.bmf"), true);
    Form().OpenFile(Q(dir_->File("regatta.bmf")));
    Selector()->setCurrentIndex(report);
    const std::vector<std::string> lines = Form().Report().ViewLines();
    qsizetype widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, Q(line).size());
    QVERIFY(widest > (longNames ? 120 : 70));

    QPrinter& printer = Form().Report().Printer();
    printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(paper)));
    dialogs_->saveNames = {Q(dir_->File("report.pdf"))};
    Trigger("SaveViewAsPdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Q(dir_->File("printed.pdf")));
    Trigger("PrintView");
    for (const char* name : {"report.pdf", "printed.pdf"}) {
        const std::string pdf = dir_->File(name);
        QCOMPARE(Q(bm::test::PdfPageSize(pdf)), pages);
        const std::vector<std::string> missing =
            bm::test::LinesMissingFromPdf(lines, bm::test::PdfText(pdf));
        QVERIFY2(missing.empty(), missing.empty() ? name : missing.front().c_str());
    }
    // The printer keeps the user's orientation for the next print.
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

void ReportViewTest::copiesTheWholeViewAndKeepsTheCaret() {
    Form().Report().LoadView(Lines({"first", "second", "third"}));
    View()->SetCaret({1, 2});
    Trigger("CopyViewToClipboard");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("first\nsecond\nthird"));
    QCOMPARE(View()->Caret(), (ReportLinesView::Position{1, 2}));
    QVERIFY(!View()->HasSelection());
}

void ReportViewTest::fontAndPrinterSetupUseTheirDialogs() {
    Form().show();
    Form().Report().LoadView({std::string(300, '-')});
    const QFont before = View()->font();
    const int across = View()->horizontalScrollBar()->maximum();
    Trigger("ChooseViewFont"); // cancelled
    QCOMPARE(View()->font(), before);
    QCOMPARE(dialogs_->offeredFont, before);
    dialogs_->font = std::make_unique<QFont>(QStringLiteral("DejaVu Sans Mono"), 14);
    Trigger("ChooseViewFont");
    QCOMPARE(View()->font().pointSize(), 14);
    // The wider font makes the line wider to scroll across.
    QVERIFY(View()->horizontalScrollBar()->maximum() > across);
    // Ctrl with the wheel zooms the view's font by a point a step.
    const QPoint at(20, 20);
    QWheelEvent zoom(at, View()->viewport()->mapToGlobal(at), {}, QPoint(0, 240), Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(View()->viewport(), &zoom);
    QCOMPARE(View()->font().pointSize(), 16);
    QCOMPARE(dialogs_->fontDialogs, 2);
    Trigger("PrinterSetup");
    QCOMPARE(dialogs_->printerSetups, 1);

    // The real dialog starts from the font in use, so OK without a change
    // keeps it; it lists fixed-pitch fonts only when the font database counts
    // the font in use among them.
    StandardDialogs standard;
    QFont chosen = before;
    ModalDriver driver;
    bool monospacedOnly = false;
    QString startedOn;
    driver.Then([&](QWidget* dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(dialog);
        monospacedOnly = fonts->testOption(QFontDialog::MonospacedFonts);
        startedOn = fonts->currentFont().family();
        fonts->accept();
    });
    QVERIFY(standard.ChooseFont(&Form(), chosen));
    QCOMPARE(monospacedOnly, QFontDatabase::isFixedPitch(before.family()));
    QCOMPARE(startedOn, before.family());
    QCOMPARE(chosen.family(), before.family());
    QCOMPARE(chosen.pointSize(), before.pointSize());
}

void ReportViewTest::popupMenuOffersTheOutputs() {
    auto* popup = Form().findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QStringList captions;
    for (QAction* action : popup->actions())
        captions << action->text();
    QCOMPARE(captions,
             (QStringList{QStringLiteral("Save To Text File"), QStringLiteral("Save To RTF File"),
                          QStringLiteral("Save to HTML file"), QStringLiteral("Save to PDF file"),
                          QStringLiteral("Copy to Clipboard"), QStringLiteral("Print"),
                          QStringLiteral("Printer Setup"), QStringLiteral("Font")}));
    // A right-click on the report opens it.
    Form().show();
    const QPoint at(20, 20);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, View()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(View()->viewport(), &click);
    QTRY_VERIFY(popup->isVisible());
    popup->close();
    Form().Report().LoadView(Lines({"x"}));
    dialogs_->saveNames = {Q(dir_->File("popup.txt"))};
    popup->actions().front()->trigger();
    QCOMPARE(bm::test::ReadFile(dir_->File("popup.txt")), std::string("x\n"));
}

// Names beyond ASCII, one beyond the first 65,536 code points: the offsets a
// screen reader uses count QString characters, not bytes.
void ReportViewTest::screenReaderReadsTheReportAndFollowsTheCaret() {
    std::unique_ptr<bm::Boatmeet> meet =
        bm::Boatmeet::LoadFromFile(WriteRegatta(*dir_, "spring.bmf", true));
    meet->Crews.front()->Name = "\xC5\x8Ct\xC4\x81huhu \xF0\x9D\x94\xB8";
    // Untitled, so that the draw tree begins with blank lines.
    meet->Title.clear();
    meet->Date.clear();
    meet->SaveToFile(dir_->File("spring.bmf"), true);
    Form().show();
    Form().OpenFile(Q(dir_->File("spring.bmf")));
    Selector()->setCurrentIndex(3);
    const QString report = Written(*Form().Session().Meet(), 3);
    QVERIFY(report.contains(QStringLiteral("\u014Ct\u0101huhu \U0001D538")));

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(View());
    QCOMPARE(reader->role(), QAccessible::EditableText);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Report"));
    QVERIFY(reader->state().readOnly && reader->state().multiLine);
    QAccessibleTextInterface* text = reader->textInterface();
    QVERIFY(text);
    const int count = text->characterCount();
    QCOMPARE(text->text(0, count) + QLatin1Char('\n'), report);
    // Line by line, each line with its line end, reads the same.
    QString lines;
    for (int offset = 0, start = 0, end = 0; offset < count; offset = end) {
        lines += text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
        QCOMPARE(start, offset);
    }
    QCOMPARE(lines + QLatin1Char('\n'), report);
    const int name = static_cast<int>(report.indexOf(QStringLiteral("\U0001D538")));
    QCOMPARE(text->text(name, name + 2), QStringLiteral("\U0001D538"));
    int start = 0;
    int end = 0;
    QCOMPARE(text->textAtOffset(name - 2, QAccessible::WordBoundary, &start, &end),
             QStringLiteral("\u014Ct\u0101huhu"));

    // The reader follows the caret and reads the selection.
    View()->setFocus();
    QTest::keyClick(View(), Qt::Key_Down);
    QTest::keyClick(View(), Qt::Key_End);
    const int lineEnd =
        static_cast<int>(report.indexOf(QLatin1Char('\n'), report.indexOf(QLatin1Char('\n')) + 1));
    QCOMPARE(text->cursorPosition(), lineEnd);
    QTest::keyClick(View(), Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE(text->text(start, end), View()->SelectedText());
    // The reader moves the caret and selects, as the keys do.
    text->setCursorPosition(name);
    QCOMPARE(View()->OffsetOf(View()->Caret()), name);
    text->setSelection(0, name - 2, name + 2);
    QCOMPARE(View()->SelectedText(), QStringLiteral("u \U0001D538"));

    // The draw tree begins with blank lines: word requests there answer, and
    // walking word by word reads the whole report once, in order.
    Selector()->setCurrentIndex(0);
    const QString tree = Written(*Form().Session().Meet(), 0);
    QVERIFY(tree.startsWith(QStringLiteral("\n\n")));
    QCOMPARE(text->textAtOffset(0, QAccessible::WordBoundary, &start, &end),
             QStringLiteral("\n\n\n"));
    QCOMPARE(start, 0);
    QVERIFY(text->textBeforeOffset(0, QAccessible::WordBoundary, &start, &end).isEmpty());
    QString walked = text->textAtOffset(0, QAccessible::WordBoundary, &start, &end);
    for (int pieces = 0; end < text->characterCount() && pieces < tree.size(); ++pieces) {
        const int previousEnd = end;
        walked += text->textAfterOffset(previousEnd - 1, QAccessible::WordBoundary, &start, &end);
        QCOMPARE(start, previousEnd);
    }
    QCOMPARE(walked + QLatin1Char('\n'), tree);
}

// A report that is not ready at once leaves the window to the user behind
// the progress window, whose Cancel throws it away; a writer that checks its
// stream stops as soon as it is cancelled.
void ReportViewTest::longReportWaitsBehindTheProgressWindowAndCancels() {
    std::atomic<bool> stopped = false;
    std::atomic<bool> told = false;
    {
        BackgroundReport endless(
            [&stopped](std::ostream& out) {
                while (out << "another line of a report that never ends\n") {
                }
                stopped = true;
            },
            [&told] { told = true; });
        QVERIFY(!endless.WaitFor(std::chrono::milliseconds(20)));
        endless.Cancel();
        QVERIFY(endless.TakeText().Empty());
    }
    QTRY_VERIFY(stopped);
    QVERIFY(!told);

    // A championship, whose draws for each club take a while to write.
    std::string error;
    std::unique_ptr<bm::Boatmeet> meet = bm::GenerateMeet({"", 3000, 150, 200, 0, 0}, error);
    bm::DrawAllEvents(*meet);
    meet->SaveToFile(dir_->File("championship.bmf"), true);
    Form().OpenFile(Q(dir_->File("championship.bmf")));
    Settle();
    auto* progress = Form().Report().findChild<TProgressF*>();
    Form().Report().SetReportWait(std::chrono::milliseconds(0));
    Selector()->setCurrentIndex(15);
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->windowTitle(), QStringLiteral("Busy Producing the Report..."));
    Child<QPushButton>(progress, "Cancel_B")->click();
    QVERIFY(!progress->isVisible());
    QTest::qWait(50);
    QCOMPARE(View()->LineCount(), 0);
    // Escape in the main window cancels as well (the window system keeps
    // the main window the active one: the offscreen one does not).
    Selector()->setCurrentIndex(14);
    QVERIFY(progress->isVisible());
    auto* escape = Form().Report().findChild<QShortcut*>();
    QCOMPARE(escape->key(), QKeySequence(Qt::Key_Escape));
    emit escape->activated();
    QVERIFY(!progress->isVisible());
    QCOMPARE(View()->LineCount(), 0);
    // The next report shows once it is ready, and the window goes.
    Selector()->setCurrentIndex(2);
    QTRY_VERIFY(!progress->isVisible());
    QTRY_COMPARE(Shown() + QLatin1Char('\n'), Written(*Form().Session().Meet(), 2));
}

// Keys typed at a typist's pace while "Draws for each Club" of a meet of
// 20,000 crews is on screen, each report counting as long: a change made by
// typing brings up no window and the report follows once typing pauses; keys
// that move the selector through reports asked for stay with it. Keys go to
// the active window's focus, as the window system delivers them.
void ReportViewTest::everyKeyArrivesWhileALongReportIsMade() {
    std::string error;
    std::unique_ptr<bm::Boatmeet> meet = bm::GenerateMeet({"", 20000, 400, 300, 0, 0}, error);
    bm::DrawAllEvents(*meet);
    meet->SaveToFile(dir_->File("large.bmf"), true);
    Form().OpenFile(Q(dir_->File("large.bmf")));
    Form().show();
    Selector()->setCurrentIndex(15);
    QVERIFY(ReportShown(Form()));
    Form().Report().SetReportWait(std::chrono::milliseconds(0));
    auto* busy = Form().Report().findChild<TProgressF*>();
    ShowCounter progress(busy);
    const auto type = [](QWidget* window, const QString& keys) {
        for (const QChar key : keys) {
            QTest::keyClick(window->windowHandle(), key.toLatin1());
            QTest::qWait(80);
        }
    };

    Form().EditCrew();
    QWidget* editor = Child<QWidget>(&Form(), "CEdit");
    auto* crews = Child<QAbstractItemView>(editor, "CrewList_LB");
    crews->setCurrentIndex(crews->model()->index(10000, 0));
    QTest::keyClick(crews, Qt::Key_Return);
    auto* name = Child<QLineEdit>(editor, "Name_E");
    QApplication::setActiveWindow(editor);
    name->setFocus();
    name->clear();
    QTRY_COMPARE(QApplication::focusWidget(), name);
    type(editor, QStringLiteral("Mary Ann Lee"));
    QCOMPARE(progress.shown, 0);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(name->text(), QStringLiteral("Mary Ann Lee"));
    QVERIFY(ReportShown(Form()));
    QVERIFY(Shown().contains(QStringLiteral("Mary Ann Lee")));

    QApplication::setActiveWindow(&Form());
    Selector()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Selector());
    for (int key = 0; key < 3; ++key) {
        QTest::keyClick(Form().windowHandle(), Qt::Key_Up);
        QTest::qWait(80);
    }
    // The busy window showed beside, and could take no key.
    QVERIFY(progress.shown > 0);
    QVERIFY(!busy->isModal());
    QVERIFY(busy->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(busy->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QCOMPARE(Selector()->currentIndex(), 12);
    QVERIFY(ReportShown(Form()));
    QCOMPARE(Shown() + QLatin1Char('\n'), Written(*Form().Session().Meet(), 12));
}

// The test font set's fonts, loaded whatever the machine has: "Fixture Mono"
// has one advance for every ASCII character but wider symbols beyond, as
// some monospaced families do, so the font database does not call it
// fixed-pitch; "Fixture Sans" is proportional.
void ReportViewTest::reportFontIsChosenByMeasuring() {
    for (const char* file : {"fonts/FixtureMono.ttf", "fonts/FixtureSans.ttf"})
        QVERIFY(QFontDatabase::addApplicationFont(Q(bm::test::DataPath(file))) >= 0);
    const QFont mono(QStringLiteral("Fixture Mono"), 10);
    QVERIFY(!QFontInfo(mono).fixedPitch());
    QVERIFY(bm::IsFixedPitch(mono));
    QVERIFY(!bm::IsFixedPitch(QFont(QStringLiteral("Fixture Sans"), 10)));
    const std::optional<QFont> first =
        bm::FirstFixedPitchFont({QStringLiteral("Fixture Sans"), QStringLiteral("No Such Family"),
                                 QStringLiteral("Fixture Mono")});
    QVERIFY(first);
    QCOMPARE(first->family(), QStringLiteral("Fixture Mono"));
    // With the test font set alone, "Courier" is installed but proportional,
    // and the system's fixed font is "Fixture Mono": the view starts in it,
    // and so does the font dialog.
    if (qEnvironmentVariableIsSet("BM_TEST_FONTS")) {
        QCOMPARE(View()->font().family(), QStringLiteral("Fixture Mono"));
        QCOMPARE(bm::DefaultReportFont().family(), QStringLiteral("Fixture Mono"));
    }
    // The view measures a line's width from its characters alone.
    View()->setFont(mono);
    QVERIFY(View()->MeasuredFixedPitch());
    StandardDialogs standard;
    QFont chosen = mono;
    ModalDriver driver;
    QString startedOn;
    driver.Then([&](QWidget* dialog) {
        startedOn = qobject_cast<QFontDialog*>(dialog)->currentFont().family();
        dialog->close();
    });
    standard.ChooseFont(&Form(), chosen);
    QCOMPARE(startedOn, QStringLiteral("Fixture Mono"));
}

QTEST_MAIN(ReportViewTest)
#include "reportview_test.moc"
