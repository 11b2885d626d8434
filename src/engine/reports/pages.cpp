#include "engine/reports/pages.h"

#include <algorithm>

namespace bm {

bool IsPageMarker(const std::string& line) {
    return line.size() >= 4 && line.starts_with("<NP>");
}

namespace {

// Lines on the page that starts at j: the page size, cut at the first marker
// (which is removed) and, with blocks kept together, at the last blank line.
std::size_t PageLength(std::vector<std::string>& work, std::size_t j, std::size_t pageSize,
                       bool splitOnBlankLine) {
    std::size_t n = std::min(pageSize, work.size() - j);
    for (std::size_t i = 0; i < n; ++i) {
        if (IsPageMarker(work[j + i])) {
            work.erase(work.begin() + static_cast<std::ptrdiff_t>(j + i));
            return i;
        }
    }
    if (!splitOnBlankLine || j + n >= work.size())
        return n;
    for (std::size_t k = n; k > 0; --k)
        if (work[j + k].empty())
            return k;
    return n;
}

} // namespace

std::vector<PrintPage> PaginateLines(const std::vector<std::string>& lines, int linesPerPage,
                                     bool splitOnBlankLine) {
    // Very large fonts leave room for fewer than three lines; a page still
    // takes one line so printing always moves on.
    const std::size_t pageSize = static_cast<std::size_t>(std::max(1, linesPerPage - 2));
    std::vector<std::string> work = lines;
    std::vector<PrintPage> pages;
    std::size_t j = 0;
    while (j < work.size()) {
        while (j < work.size() && work[j].empty())
            ++j;
        if (j >= work.size())
            break;
        const std::size_t n = PageLength(work, j, pageSize, splitOnBlankLine);
        if (n == 0)
            continue; // a marker at the top of a page gives no empty page
        pages.emplace_back(work.begin() + static_cast<std::ptrdiff_t>(j),
                           work.begin() + static_cast<std::ptrdiff_t>(j + n));
        j += n;
    }
    return pages;
}

} // namespace bm
