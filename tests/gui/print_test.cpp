// Fitting a report's lines to the page: the orientation chosen, the font made
// smaller only as far as the widest line needs, the lines per page of the
// fitted font, and the paper of the user's locale.
#include "print/reportprint.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTest>

namespace {

// A PDF writer at printer resolution on A4 (or the paper), upright.
struct Paper {
    explicit Paper(QPageSize::PageSizeId size = QPageSize::A4) : writer(&buffer) {
        buffer.open(QIODevice::WriteOnly);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(size), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Point));
    }
    // The room for a line on the paper turned so.
    qreal Room(QPageLayout::Orientation orientation) {
        const QPageLayout::Orientation own = writer.pageLayout().orientation();
        writer.setPageOrientation(orientation);
        const qreal room = writer.width() - writer.logicalDpiX() / 2;
        writer.setPageOrientation(own);
        return room;
    }
    qreal Width(const QFont& font, const std::string& line) {
        return QFontMetricsF(font, &writer).horizontalAdvance(QString::fromStdString(line));
    }

    QBuffer buffer;
    QPdfWriter writer;
};

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void linesThatFitKeepTheFontAndTheOrientation();
    void thePageTurnsWhenThatSparesTheFont();
    void theFontShrinksOnlyAsFarAsTheWidestLineNeeds();
    void aSmallerFontTakesMoreLinesPerPage();
    void thePaperFollowsTheLocale_data();
    void thePaperFollowsTheLocale();

private:
    const QFont font_ = bm::DefaultReportFont();
};

void PrintTest::linesThatFitKeepTheFontAndTheOrientation() {
    Paper paper;
    const std::vector<std::string> lines = {"short", std::string(80, 'x'), ""};
    bm::PaperFit fit = bm::FitLinesToPage(paper.writer, font_, lines);
    QCOMPARE(fit.orientation, QPageLayout::Portrait);
    QCOMPARE(fit.font, font_);
    QCOMPARE(fit.scale, 1.0);
    // A page the user turned stays turned when the lines fit either way.
    paper.writer.setPageOrientation(QPageLayout::Landscape);
    fit = bm::FitLinesToPage(paper.writer, font_, lines);
    QCOMPARE(fit.orientation, QPageLayout::Landscape);
    QCOMPARE(paper.writer.pageLayout().orientation(), QPageLayout::Landscape);
    // No lines at all fit as they are.
    QCOMPARE(bm::FitLinesToPage(paper.writer, font_, {}).scale, 1.0);
}

void PrintTest::thePageTurnsWhenThatSparesTheFont() {
    Paper paper(QPageSize::Letter);
    const std::string line(120, 'w');
    QVERIFY(paper.Width(font_, line) > paper.Room(QPageLayout::Portrait));
    const bm::PaperFit fit = bm::FitLinesToPage(paper.writer, font_, {"R1", line});
    QCOMPARE(fit.orientation, QPageLayout::Landscape);
    QCOMPARE(fit.font, font_);
    QCOMPARE(paper.writer.pageLayout().orientation(), QPageLayout::Portrait);
}

void PrintTest::theFontShrinksOnlyAsFarAsTheWidestLineNeeds() {
    Paper paper;
    const std::string widest = "Crew " + std::string(200, 'M') + " Whakatāne";
    const bm::PaperFit fit =
        bm::FitLinesToPage(paper.writer, font_, {std::string(150, '-'), widest, "R1"});
    QCOMPARE(fit.orientation, QPageLayout::Landscape);
    const qreal room = paper.Room(QPageLayout::Landscape);
    QVERIFY(paper.Width(fit.font, widest) <= room);
    QFont larger = fit.font;
    larger.setPointSizeF(fit.font.pointSizeF() + 0.1);
    QVERIFY(paper.Width(larger, widest) > room);
    QVERIFY(fit.scale < 1);
    QVERIFY(std::abs(fit.font.pointSizeF() - font_.pointSizeF() * fit.scale) < 0.3);
    // A font sized in pixels shrinks by whole pixels.
    QFont pixels = font_;
    pixels.setPixelSize(170);
    const bm::PaperFit byPixels = bm::FitLinesToPage(paper.writer, pixels, {widest});
    QVERIFY(paper.Width(byPixels.font, widest) <= room);
    pixels.setPixelSize(byPixels.font.pixelSize() + 1);
    QVERIFY(paper.Width(pixels, widest) > room);
}

void PrintTest::aSmallerFontTakesMoreLinesPerPage() {
    Paper paper;
    std::vector<std::string> lines(300, std::string(220, '='));
    const bm::PaperFit fit = bm::FitLinesToPage(paper.writer, font_, lines);
    const auto pages = bm::PrintReportLines(paper.writer, font_, lines, false);
    QVERIFY(pages.has_value());
    paper.writer.setPageOrientation(QPageLayout::Landscape);
    const int lineHeight = QFontMetrics(fit.font, &paper.writer).height() + 4;
    QCOMPARE(int(pages->front().size()), paper.writer.height() / lineHeight - 2);
    QVERIFY(lineHeight < QFontMetrics(font_, &paper.writer).height() + 4);
}

void PrintTest::thePaperFollowsTheLocale_data() {
    QTest::addColumn<QByteArray>("all");
    QTest::addColumn<QByteArray>("paperLocale");
    QTest::addColumn<int>("paper");
    QTest::newRow("United States")
        << QByteArray("en_US.UTF-8") << QByteArray() << int(QPageSize::Letter);
    QTest::newRow("Canada") << QByteArray("fr_CA.UTF-8") << QByteArray() << int(QPageSize::Letter);
    QTest::newRow("New Zealand") << QByteArray("en_NZ.UTF-8") << QByteArray() << int(QPageSize::A4);
    QTest::newRow("Germany") << QByteArray("de_DE.UTF-8") << QByteArray() << int(QPageSize::A4);
    QTest::newRow("C") << QByteArray("C") << QByteArray() << int(QPageSize::A4);
    QTest::newRow("paper of Mexico")
        << QByteArray() << QByteArray("es_MX.UTF-8") << int(QPageSize::Letter);
}

void PrintTest::thePaperFollowsTheLocale() {
    QFETCH(QByteArray, all);
    QFETCH(QByteArray, paperLocale);
    QFETCH(int, paper);
    const QByteArray savedAll = qgetenv("LC_ALL");
    const QByteArray savedPaper = qgetenv("LC_PAPER");
    qputenv("LC_ALL", all);
    qputenv("LC_PAPER", paperLocale);
    const QPageSize::PageSizeId chosen = bm::LocalePageSize().id();
    qputenv("LC_ALL", savedAll);
    qputenv("LC_PAPER", savedPaper);
    QCOMPARE(int(chosen), paper);
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
