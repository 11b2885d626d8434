// A report's text as the files the report view saves: HTML and RTF.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

// The lines of a report text, as the report view holds them.
std::vector<std::string> ReportLines(std::string_view text);
// The HTML page of a report: title, date and caption lines, then the view's
// lines with blanks as "&nbsp;" and "-" as "&#8209"; "&", "<" and ">" escaped.
void WriteHtmlReport(std::ostream& out, const std::string& title, const std::string& date,
                     const std::string& caption, const std::vector<std::string>& lines);
// A minimal RTF document of the lines in a fixed-pitch font.
void WriteRtfReport(std::ostream& out, const std::vector<std::string>& lines,
                    const std::string& fontName, int pointSize);

} // namespace bm
