#include "gui/common/printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

std::optional<std::vector<bm::PrintPage>> PrintLines(QPrinter& printer, const QFont& font,
                                                     const std::vector<std::string>& lines,
                                                     bool splitOnBlankLine) {
    QPainter painter;
    if (!painter.begin(&printer))
        return std::nullopt;
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height() + 4;
    const int linesPerPage = printer.height() / lineHeight;
    const int left = printer.logicalDpiX() / 2;
    const std::vector<bm::PrintPage> pages =
        bm::PaginateLines(lines, linesPerPage, splitOnBlankLine);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        // Line r of a page has its top r + 1 line heights below the top edge.
        for (std::size_t r = 0; r < pages[p].size(); ++r)
            painter.drawText(left, lineHeight * static_cast<int>(r + 1) + metrics.ascent(),
                             QString::fromStdString(pages[p][r]));
    }
    painter.end();
    return pages;
}
