#include "engine/reports/reportoutput.h"

#include "engine/model/text.h"
#include "engine/model/textfile.h"

#include <algorithm>

namespace bm {

namespace {

// "&", "<" and ">" as entities, so report text can never add markup to the page.
void AppendEscapedChar(std::string& html, char c) {
    switch (c) {
    case '&':
        html += "&amp;";
        break;
    case '<':
        html += "&lt;";
        break;
    case '>':
        html += "&gt;";
        break;
    default:
        html += c;
    }
}

std::string EscapedReportText(std::string_view text) {
    std::string html;
    for (char c : text)
        AppendEscapedChar(html, c);
    return html;
}

std::string HtmlLine(std::string_view line) {
    std::string html;
    for (char c : line) {
        if (c == ' ')
            html += "&nbsp;";
        else if (c == '-')
            html += "&#8209";
        else
            AppendEscapedChar(html, c);
    }
    return html + "<br>";
}

// Decodes one UTF-8 sequence at i (advancing i); an invalid byte stands for itself.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return lead;
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return cp;
}

// One UTF-16 unit as RTF's signed 16-bit "\uN" with "?" for readers without Unicode.
void AppendRtfUnit(std::string& rtf, unsigned unit) {
    const int value = unit >= 0x8000 ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    rtf += "\\u" + std::to_string(value) + "?";
}

std::string RtfLine(std::string_view line) {
    static const char hex[] = "0123456789abcdef";
    std::string rtf;
    for (std::size_t i = 0; i < line.size();) {
        const char32_t cp = NextCodePoint(line, i);
        if (cp == '\\' || cp == '{' || cp == '}') {
            rtf += '\\';
            rtf += static_cast<char>(cp);
        } else if (cp == '\t') {
            rtf += "\\tab ";
        } else if (cp < 0x20 || cp == 0x7F) {
            rtf += "\\'";
            rtf += hex[cp >> 4];
            rtf += hex[cp & 0xF];
        } else if (cp < 0x80) {
            rtf += static_cast<char>(cp);
        } else if (cp < 0x10000) {
            AppendRtfUnit(rtf, static_cast<unsigned>(cp));
        } else {
            const unsigned v = static_cast<unsigned>(cp) - 0x10000;
            AppendRtfUnit(rtf, 0xD800 + (v >> 10));
            AppendRtfUnit(rtf, 0xDC00 + (v & 0x3FF));
        }
    }
    return rtf;
}

// Page geometry in twips (1/1440 inch): A4 with half-inch margins.
constexpr long long kA4Short = 11906;
constexpr long long kA4Long = 16838;
constexpr long long kMargin = 720;
// 22 inches: the widest page word processors accept.
constexpr long long kWidestPage = 31680;

struct RtfPage {
    long long width;
    long long height;
    long long halfPoints;
};

// Twips a line of that many fixed-pitch characters takes: a character is
// 0.6 em (6 twips a half-point), with 2 % and one character to spare for
// fonts a little wider than that.
long long LineTwips(long long chars, long long halfPoints) {
    return (chars + 1) * 6 * halfPoints * 102 / 100 + 1;
}

// A word processor wraps a line that is wider than the page, which breaks
// every column of a report. The page is A4 upright when the longest line fits,
// else A4 turned, else as wide as the line needs; only a line too long even for
// the widest page makes the font smaller.
RtfPage PageFor(long long longest, int pointSize) {
    RtfPage page{kA4Short, kA4Long, 2LL * (pointSize > 0 ? pointSize : 10)};
    const long long need = LineTwips(longest, page.halfPoints);
    if (need <= kA4Short - 2 * kMargin)
        return page;
    page.height = kA4Short;
    page.width =
        need <= kA4Long - 2 * kMargin ? kA4Long : std::min(need + 2 * kMargin, kWidestPage);
    if (need > page.width - 2 * kMargin) {
        const long long fitting = (page.width - 2 * kMargin - 1) * 100 / (102 * 6 * (longest + 1));
        page.halfPoints = std::clamp(fitting, 1LL, page.halfPoints);
    }
    return page;
}

// Splits what is written to it into lines, handing each to a function as
// soon as its line end arrives; Finish hands out a last line without one.
class LineSplitter : public std::streambuf {
public:
    explicit LineSplitter(const ReportLineSink& sink) : sink_(sink) {}

    void Finish() {
        if (!pending_.empty() && open_)
            Hand();
    }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

    // Everything is taken until the sink wants no more; then nothing is.
    std::streamsize xsputn(const char* s, std::streamsize count) override {
        std::string_view text(s, static_cast<std::size_t>(count));
        for (std::size_t end; open_ && (end = text.find('\n')) != std::string_view::npos;) {
            pending_.append(text, 0, end);
            Hand();
            text.remove_prefix(end + 1);
        }
        if (!open_)
            return 0;
        pending_.append(text);
        return count;
    }

private:
    void Hand() {
        std::string_view line = pending_;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        open_ = sink_(line);
        pending_.clear();
    }

    const ReportLineSink& sink_;
    std::string pending_;
    bool open_ = true;
};

} // namespace

std::vector<std::string> ReportLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(text))
        lines.emplace_back(line);
    return lines;
}

ReportLineSource LinesOfReport(std::function<void(std::ostream&)> write) {
    return [write = std::move(write)](const ReportLineSink& sink) {
        LineSplitter splitter(sink);
        std::ostream out(&splitter);
        write(out);
        splitter.Finish();
    };
}

ReportLineSource LinesOf(const std::vector<std::string>& lines) {
    return [&lines](const ReportLineSink& sink) {
        for (const std::string& line : lines)
            if (!sink(line))
                return;
    };
}

void WriteHtmlReport(std::ostream& out, const std::string& title, const std::string& date,
                     const std::string& caption, const ReportLineSource& lines) {
    const std::string heading = EscapedReportText(title) + " on " + EscapedReportText(date);
    out << "<HTML>\n"
        << "<meta charset=\"utf-8\">\n"
        << "<title>" << heading << " " << EscapedReportText(caption) << "</title>\n"
        << "<h2>" << heading << "</h2>\n"
        << "<h3>" << EscapedReportText(caption) << "</h3>\n"
        << "<P>\n";
    lines([&out](std::string_view line) {
        out << (line.empty() ? std::string("</P><P><tt>") : HtmlLine(line)) << "\n";
        return static_cast<bool>(out);
    });
    out << "</P>\n</HTML>\n";
}

void WriteHtmlReport(std::ostream& out, const std::string& title, const std::string& date,
                     const std::string& caption, const std::vector<std::string>& lines) {
    WriteHtmlReport(out, title, date, caption, LinesOf(lines));
}

void WriteRtfReport(std::ostream& out, const ReportLineSource& lines, const std::string& fontName,
                    int pointSize) {
    // A fixed-pitch font on a page wide enough for the longest line keeps the
    // report's columns; every line is one paragraph.
    long long longest = 0;
    lines([&longest](std::string_view line) {
        longest = std::max<long long>(longest, TextLength(line));
        return true;
    });
    const RtfPage page = PageFor(longest, pointSize);
    out << "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
        << "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 " << RtfLine(fontName) << ";}}\n"
        << "\\paperw" << page.width << "\\paperh" << page.height << "\\margl" << kMargin
        << "\\margr" << kMargin << "\\margt" << kMargin << "\\margb" << kMargin
        << (page.width > page.height ? "\\landscape" : "") << "\n"
        << "\\pard\\plain\\f0\\fs" << page.halfPoints << "\n";
    lines([&out](std::string_view line) {
        return static_cast<bool>(out << RtfLine(line) << "\\par\n");
    });
    out << "}\n";
}

void WriteRtfReport(std::ostream& out, const std::vector<std::string>& lines,
                    const std::string& fontName, int pointSize) {
    WriteRtfReport(out, LinesOf(lines), fontName, pointSize);
}

} // namespace bm
