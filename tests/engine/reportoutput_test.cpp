#include "engine/reports/reportoutput.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bm;

namespace {

std::string Html(const std::string& title, const std::string& date, const std::string& caption,
                 const std::vector<std::string>& lines) {
    std::ostringstream out;
    WriteHtmlReport(out, title, date, caption, lines);
    return out.str();
}

std::string Rtf(const std::vector<std::string>& lines, int pointSize = 10) {
    std::ostringstream out;
    WriteRtfReport(out, lines, "Courier New", pointSize);
    return out.str();
}

// The number after an RTF control word, -1 when the word is absent.
long long RtfValue(const std::string& rtf, const std::string& word) {
    const std::size_t at = rtf.find("\\" + word);
    if (at == std::string::npos)
        return -1;
    return std::stoll(rtf.substr(at + word.size() + 1));
}

// The page must hold the longest line in a fixed-pitch font (0.6 em a
// character) between its margins, or a word processor wraps the line.
void ExpectLineFits(const std::string& rtf, int chars) {
    const long long text =
        RtfValue(rtf, "paperw") - RtfValue(rtf, "margl") - RtfValue(rtf, "margr");
    const long long lineTwips = chars * 6 * RtfValue(rtf, "fs"); // 0.6 em, 10 twips a half-point
    EXPECT_GE(text, lineTwips) << rtf.substr(0, 200);
    EXPECT_LE(RtfValue(rtf, "paperw"), 31680); // 22 inches, the widest page word processors take
}

} // namespace

TEST(ReportLines, SplitsAsTheViewHoldsThem) {
    EXPECT_EQ(ReportLines("a\nb\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ReportLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(ReportLines("a\n\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(ReportLines("").empty());
}

// Lines handed out as the report writes them are the lines the view holds,
// however the writes cut the text; a sink that wants no more stops the writer.
TEST(ReportLines, HandedOutAsWrittenTheSameAsSplitWhole) {
    for (const std::string text : {"a\nb\n", "a\r\n\nb", "a\n\n", "", "\n", "x\r", "one line"}) {
        std::vector<std::string> lines;
        LinesOfReport([&text](std::ostream& out) {
            for (char c : text)
                out << c;
        })([&lines](std::string_view line) {
            lines.emplace_back(line);
            return true;
        });
        EXPECT_EQ(lines, ReportLines(text)) << text;
    }
    int written = 0;
    int handed = 0;
    LinesOfReport([&written](std::ostream& out) {
        while (out && written < 1000) {
            out << "line " << written << "\n";
            ++written;
        }
    })([&handed](std::string_view) { return ++handed < 3; });
    EXPECT_EQ(handed, 3);
    EXPECT_EQ(written, 3);
}

TEST(HtmlReport, BlocksBlanksAndHyphens) {
    EXPECT_EQ(Html("Regatta", "1 May", "Race Schedule", {"R1   0930 - x", "second", "", "b"}),
              "<HTML>\n"
              "<meta charset=\"utf-8\">\n"
              "<title>Regatta on 1 May Race Schedule</title>\n"
              "<h2>Regatta on 1 May</h2>\n"
              "<h3>Race Schedule</h3>\n"
              "<P>\n"
              "R1&nbsp;&nbsp;&nbsp;0930&nbsp;&#8209&nbsp;x<br>\n"
              "second<br>\n"
              "</P><P><tt>\n"
              "b<br>\n"
              "</P>\n"
              "</HTML>\n");
}

TEST(HtmlReport, EmptyDateKeepsTheOnAndNothingElseIsWritten) {
    EXPECT_EQ(
        Html("T", "", "Finals Results", {}),
        "<HTML>\n<meta charset=\"utf-8\">\n<title>T on  Finals Results</title>\n<h2>T on </h2>\n"
        "<h3>Finals Results</h3>\n<P>\n</P>\n</HTML>\n");
}

TEST(HtmlReport, MarkupInNamesIsEscapedBeforeBlanksAndHyphens) {
    const std::string page =
        Html("A&B <Cup>", "<b>", "Draws for each Club", {"<script>x-y & z</script>"});
    EXPECT_NE(page.find("<title>A&amp;B &lt;Cup&gt; on &lt;b&gt; Draws for each Club</title>\n"),
              std::string::npos);
    EXPECT_NE(page.find("<h2>A&amp;B &lt;Cup&gt; on &lt;b&gt;</h2>\n"), std::string::npos);
    EXPECT_NE(page.find("\n&lt;script&gt;x&#8209y&nbsp;&amp;&nbsp;z&lt;/script&gt;<br>\n"),
              std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
}

TEST(HtmlReport, NonAsciiTextPassesUnchanged) {
    EXPECT_NE(Html("T", "D", "C", {"Whakatāne"}).find("\nWhakatāne<br>\n"), std::string::npos);
}

TEST(RtfReport, MinimalDocumentInAFixedPitchFont) {
    EXPECT_EQ(Rtf({"  (1) A", "", "x"}),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
              "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\n"
              "\\paperw11906\\paperh16838\\margl720\\margr720\\margt720\\margb720\n"
              "\\pard\\plain\\f0\\fs20\n"
              "  (1) A\\par\n"
              "\\par\n"
              "x\\par\n"
              "}\n");
}

TEST(RtfReport, PageHoldsTheLongestLineWithoutWrapping) {
    // Lines of up to 84 characters in 10 point fit an A4 page upright.
    const std::string upright = Rtf({std::string(84, 'x')});
    EXPECT_EQ(RtfValue(upright, "paperw"), 11906);
    EXPECT_EQ(upright.find("\\landscape"), std::string::npos);
    ExpectLineFits(upright, 84);
    // A worksheet line of 102 characters turns the page.
    const std::string turned = Rtf({"short", std::string(102, '-'), ""});
    EXPECT_EQ(RtfValue(turned, "paperw"), 16838);
    EXPECT_EQ(RtfValue(turned, "paperh"), 11906);
    EXPECT_NE(turned.find("\\landscape"), std::string::npos);
    EXPECT_EQ(RtfValue(turned, "fs"), 20);
    ExpectLineFits(turned, 102);
    // Wider trees widen the page and keep the font; lengths count characters.
    std::string wide;
    for (int i = 0; i < 200; ++i)
        wide += "\xc4\x81";
    const std::string widened = Rtf({wide});
    EXPECT_GT(RtfValue(widened, "paperw"), 16838);
    EXPECT_EQ(RtfValue(widened, "fs"), 20);
    ExpectLineFits(widened, 200);
    // Beyond the widest page only the font gets smaller, never below half a point.
    const std::string shrunk = Rtf({std::string(600, 'x')}, 12);
    EXPECT_EQ(RtfValue(shrunk, "paperw"), 31680);
    EXPECT_LT(RtfValue(shrunk, "fs"), 24);
    ExpectLineFits(shrunk, 600);
    EXPECT_EQ(RtfValue(Rtf({std::string(100000, 'x')}), "fs"), 1);
}

TEST(RtfReport, EscapesControlCharactersAndNonAscii) {
    const std::string rtf = Rtf({"{a}\\b", "Müller \xe2\x82\xac \xf0\x9f\x98\x80", "t\tx"});
    EXPECT_NE(rtf.find("\n\\{a\\}\\\\b\\par\n"), std::string::npos);
    // Code points as signed 16-bit units, "?" for readers without Unicode;
    // beyond the 16-bit range as a surrogate pair.
    EXPECT_NE(rtf.find("\nM\\u252?ller \\u8364? \\u-10179?\\u-8704?\\par\n"), std::string::npos);
    EXPECT_NE(rtf.find("\nt\\tab x\\par\n"), std::string::npos);
}

TEST(RtfReport, BrokenUtf8NeverOverrunsTheLine) {
    const std::string rtf = Rtf({std::string("a\xe2\x82", 3), std::string("\xc3", 1)});
    EXPECT_NE(rtf.find("\na\\u226?"), std::string::npos);
    EXPECT_EQ(rtf.substr(rtf.size() - 2), "}\n");
}
