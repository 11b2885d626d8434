// Printing a report's lines on a paged device (a printer or a PDF file): the
// page is turned and the font made smaller only as far as needed for the
// widest line to fit across, and the page breaks follow the engine's page
// arithmetic for the lines that the fitted font leaves room for.
#pragma once

#include "engine/reports/pages.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace bm {

// How the lines go on the device's pages.
struct PaperFit {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QFont font;
    // The fitted font's size as a share of the given one (1 when it fits as it is).
    qreal scale = 1;
};

// The orientation that needs the least reduction for the widest line to fit
// between the half-inch left margin and the right edge of the printable area
// (the device's own orientation when both fit alike), and the font in the
// largest size, at most the given one, at which it fits there.
PaperFit FitLinesToPage(QPagedPaintDevice& device, const QFont& font,
                        const std::vector<std::string>& lines);

// Prints the lines on the device as FitLinesToPage fits them and returns the
// pages printed; nothing when the device cannot start printing. The device
// keeps its own orientation afterwards.
std::optional<std::vector<PrintPage>> PrintReportLines(QPagedPaintDevice& device, const QFont& font,
                                                       const std::vector<std::string>& lines,
                                                       bool splitOnBlankLine);

// True when every printable ASCII character (blank to "~") has the same
// advance in the font: then a report's columns line up. Measured, since a
// family's name and what the font database says of its pitch both mislead
// (a family may be monospaced in ASCII with a few wider symbols beyond it).
bool IsFixedPitch(const QFont& font);

// The first of the families whose font at 10 points is fixed-pitch as
// IsFixedPitch measures it; a family the font database replaces by another
// (it is not installed) is passed over. Nothing when none is.
std::optional<QFont> FirstFixedPitchFont(const QStringList& families);

// The report font at 10 points: "Courier" where that family is installed and
// fixed-pitch, otherwise the system's fixed-pitch family (by its real name)
// when it is fixed-pitch, otherwise the first installed family that is, and
// the system's fixed-pitch family when none is.
QFont DefaultReportFont();

// The paper of the user's locale (LC_ALL, then LC_PAPER, then the system
// locale): Letter in the countries of North and Central America that use it
// (the United States, Canada, Mexico, ...) and in the Philippines, A4
// everywhere else.
QPageSize LocalePageSize();

} // namespace bm
