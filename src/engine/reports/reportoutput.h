// A report's text as the files the report view saves: HTML and RTF. Both can
// be written from the report's lines as the report writes them, in constant
// memory whatever the report's size.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

// The lines of a report text, as the report view holds them.
std::vector<std::string> ReportLines(std::string_view text);

// What takes a report's lines one by one: false when no more are wanted.
using ReportLineSink = std::function<bool(std::string_view line)>;
// A report handed out line by line: calls the sink with each line in turn,
// until the sink wants no more.
using ReportLineSource = std::function<void(const ReportLineSink& sink)>;
// The lines of the text a report writer writes, as ReportLines splits it,
// each handed out as soon as it is complete; each call writes the report anew.
// When the sink wants no more, the writer's stream fails, so the report stops.
ReportLineSource LinesOfReport(std::function<void(std::ostream&)> write);
// The lines of a list.
ReportLineSource LinesOf(const std::vector<std::string>& lines);
// The HTML page of a report: title, date and caption lines, then the view's
// lines with blanks as "&nbsp;" and "-" as "&#8209"; "&", "<" and ">" escaped.
void WriteHtmlReport(std::ostream& out, const std::string& title, const std::string& date,
                     const std::string& caption, const ReportLineSource& lines);
void WriteHtmlReport(std::ostream& out, const std::string& title, const std::string& date,
                     const std::string& caption, const std::vector<std::string>& lines);
// A minimal RTF document of the lines in a fixed-pitch font. The lines are
// read twice: the page is made wide enough for the longest.
void WriteRtfReport(std::ostream& out, const ReportLineSource& lines, const std::string& fontName,
                    int pointSize);
void WriteRtfReport(std::ostream& out, const std::vector<std::string>& lines,
                    const std::string& fontName, int pointSize);

} // namespace bm
