#include "print/reportprint.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace bm {

namespace {

// Point sizes are tried in tenths, pixel sizes in whole pixels, down to the
// smallest size a printer renders.
constexpr qreal PointStep = 0.1;
constexpr qreal SmallestSize = 1.0;

// The line's text as the painter draws it.
QString LineText(const std::string& line) {
    return QString::fromStdString(line);
}

// The left margin: half an inch.
int LeftMargin(const QPaintDevice& device) {
    return device.logicalDpiX() / 2;
}

// The room across the printable area right of the margin, in device units.
qreal RoomAcross(const QPagedPaintDevice& device) {
    return device.width() - LeftMargin(device);
}

// The index of the widest line in the font on the device (0 for no lines).
std::size_t WidestLine(const QFontMetricsF& metrics, const std::vector<std::string>& lines,
                       qreal& width) {
    std::size_t widest = 0;
    width = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const qreal advance = metrics.horizontalAdvance(LineText(lines[i]));
        if (advance > width) {
            width = advance;
            widest = i;
        }
    }
    return widest;
}

bool InPoints(const QFont& font) {
    return font.pointSizeF() > 0;
}

// The font in the largest size, in steps of a tenth of a point (or a pixel),
// at which the line fits the room; the size is first estimated from the share
// and then lowered while the line is still too wide (glyph widths do not
// scale exactly).
QFont ShrunkToFit(const QFont& font, const QString& line, qreal share, qreal room,
                  const QPaintDevice& device) {
    const qreal step = InPoints(font) ? PointStep : 1;
    QFont fitted = font;
    qreal size =
        std::floor((InPoints(font) ? font.pointSizeF() : font.pixelSize()) * share / step) * step;
    for (;;) {
        size = std::max(size, SmallestSize);
        if (InPoints(font))
            fitted.setPointSizeF(size);
        else
            fitted.setPixelSize(static_cast<int>(size));
        if (size <= SmallestSize || QFontMetricsF(fitted, &device).horizontalAdvance(line) <= room)
            return fitted;
        size -= step;
    }
}

} // namespace

PaperFit FitLinesToPage(QPagedPaintDevice& device, const QFont& font,
                        const std::vector<std::string>& lines) {
    const QPageLayout::Orientation own = device.pageLayout().orientation();
    const QPageLayout::Orientation other =
        own == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait;
    qreal width = 0;
    const std::size_t widest = WidestLine(QFontMetricsF(font, &device), lines, width);
    const auto shareIn = [&](QPageLayout::Orientation orientation) {
        device.setPageOrientation(orientation);
        return width <= 0 ? qreal(1) : std::min<qreal>(1, RoomAcross(device) / width);
    };
    const qreal otherShare = shareIn(other);
    const qreal ownShare = shareIn(own);
    PaperFit fit;
    fit.orientation = otherShare > ownShare ? other : own;
    fit.scale = std::max(ownShare, otherShare);
    fit.font = font;
    device.setPageOrientation(fit.orientation);
    if (fit.scale < 1)
        fit.font =
            ShrunkToFit(font, LineText(lines[widest]), fit.scale, RoomAcross(device), device);
    device.setPageOrientation(own);
    return fit;
}

std::optional<std::vector<PrintPage>> PrintReportLines(QPagedPaintDevice& device, const QFont& font,
                                                       const std::vector<std::string>& lines,
                                                       bool splitOnBlankLine) {
    const QPageLayout::Orientation own = device.pageLayout().orientation();
    const PaperFit fit = FitLinesToPage(device, font, lines);
    device.setPageOrientation(fit.orientation);
    QPainter painter;
    if (!painter.begin(&device)) {
        device.setPageOrientation(own);
        return std::nullopt;
    }
    painter.setFont(fit.font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height() + 4;
    const int linesPerPage = device.height() / lineHeight;
    const int left = LeftMargin(device);
    const std::vector<PrintPage> pages = PaginateLines(lines, linesPerPage, splitOnBlankLine);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        // Line r of a page has its top r + 1 line heights below the top edge.
        for (std::size_t r = 0; r < pages[p].size(); ++r)
            painter.drawText(left, lineHeight * static_cast<int>(r + 1) + metrics.ascent(),
                             LineText(pages[p][r]));
    }
    painter.end();
    device.setPageOrientation(own);
    return pages;
}

bool IsFixedPitch(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char(' '));
    for (char c = '!'; c <= '~'; ++c)
        if (qAbs(metrics.horizontalAdvance(QLatin1Char(c)) - advance) > 0.01)
            return false;
    return advance > 0;
}

std::optional<QFont> FirstFixedPitchFont(const QStringList& families) {
    for (const QString& family : families) {
        QFont font(family, 10);
        font.setStyleHint(QFont::TypeWriter);
        const QString real = QFontInfo(font).family();
        if (real.compare(family, Qt::CaseInsensitive) == 0 && IsFixedPitch(font)) {
            font.setFamily(real);
            return font;
        }
    }
    return std::nullopt;
}

QFont DefaultReportFont() {
    // The system's fixed font is often named by an alias ("monospace"); the
    // family it stands for is the one a font dialog lists.
    const QString system = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    std::optional<QFont> font = FirstFixedPitchFont({QStringLiteral("Courier"), system});
    if (!font)
        font = FirstFixedPitchFont(QFontDatabase::families());
    if (!font)
        font = QFont(system, 10);
    font->setStyleHint(QFont::TypeWriter);
    return *font;
}

QPageSize LocalePageSize() {
    QLocale locale = QLocale::system();
    for (const char* variable : {"LC_ALL", "LC_PAPER"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) {
            locale = QLocale(name);
            break;
        }
    }
    static constexpr QLocale::Territory LetterTerritories[] = {
        QLocale::UnitedStates, QLocale::Canada,
        QLocale::Mexico,       QLocale::Guatemala,
        QLocale::ElSalvador,   QLocale::Nicaragua,
        QLocale::CostaRica,    QLocale::Panama,
        QLocale::PuertoRico,   QLocale::DominicanRepublic,
        QLocale::Colombia,     QLocale::Venezuela,
        QLocale::Chile,        QLocale::Philippines};
    const bool letter = std::find(std::begin(LetterTerritories), std::end(LetterTerritories),
                                  locale.territory()) != std::end(LetterTerritories);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace bm
