// PrintLines: printing the report view's lines, with the page arithmetic of
// the printer (line height, lines per page, half-inch left margin) around the
// engine's pages.
#pragma once

#include "engine/reports/pages.h"

#include <optional>
#include <string>
#include <vector>

class QFont;
class QPrinter;

// Prints the lines in the font and returns the pages printed; nothing when
// the printer cannot start a job.
std::optional<std::vector<bm::PrintPage>> PrintLines(QPrinter& printer, const QFont& font,
                                                     const std::vector<std::string>& lines,
                                                     bool splitOnBlankLine);
