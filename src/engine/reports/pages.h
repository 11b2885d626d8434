// Cutting a report's lines into printed pages: "<NP>" lines start a new page
// and are left out, blank lines at the top of a page are skipped, and blocks
// separated by blank lines can be kept together.
#pragma once

#include <string>
#include <vector>

namespace bm {

// The lines of one printed page, top to bottom.
using PrintPage = std::vector<std::string>;

// The pages of the lines when a page holds linesPerPage lines of the font:
// each page shows at most linesPerPage - 2 lines (never fewer than one), a line
// beginning with "<NP>" ends the page and is not printed, and with
// splitOnBlankLine a page that the size would cut inside a block ends before
// the blank line that opens that block.
std::vector<PrintPage> PaginateLines(const std::vector<std::string>& lines, int linesPerPage,
                                     bool splitOnBlankLine);

// True for a line that asks for a new page.
bool IsPageMarker(const std::string& line);

} // namespace bm
