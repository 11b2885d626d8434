// report with -o: the report in a text, HTML, RTF or PDF file instead of on
// stdout; PDF files on A4 and Letter keep every character of every line, with
// no display.
#include "clirun.h"
#include "engine/model/boatmeet.h"
#include "engine/model/textfile.h"
#include "engine/reports/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace bm;
using namespace bm::test;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(text))
        lines.emplace_back(line);
    return lines;
}

// The small meet with crew names long enough that the widest reports need a
// smaller font even on a turned page.
std::string WideMeet(const TempDir& dir) {
    std::unique_ptr<Boatmeet> meet = Boatmeet::LoadFromFile(DataPath("rep_small.bmf"));
    for (auto& crew : meet->Crews)
        crew->Name += " of the Upper Harbour Rowing Association";
    const std::string path = dir.File("wide.bmf");
    meet->SaveToFile(path, true);
    return path;
}

} // namespace

TEST(ReportFiles, UsageErrorsWriteNothing) {
    TempDir dir;
    const std::string meet = CopyFixture(dir, "rep_small.bmf");
    CliResult result = RunCli({"report", meet, "9", "--format", "pdf", "--defaults"});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.starts_with("boatmeet-cli report: --format pdf needs -o OUT\n"))
        << result.err;
    result = RunCli({"report", meet, "9", "--format", "doc", "-o", dir.File("r.doc")});
    EXPECT_EQ(result.status, 2);
    result = RunCli({"report", meet, "99", "-o", dir.File("r.txt")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ReportFiles, TextHtmlAndRtfGoToTheFileInsteadOfStdout) {
    TempDir dir;
    const std::string meet = CopyFixture(dir, "rep_small.bmf");
    for (const char* format : {"text", "html", "rtf"}) {
        const std::string file = dir.File(std::string("report.") + format);
        const CliResult printed = RunCli({"report", meet, "2", "--format", format, "--defaults"});
        const CliResult written =
            RunCli({"report", meet, "2", "--format", format, "-o", file, "--defaults"});
        EXPECT_EQ(written.status, 0) << format;
        EXPECT_EQ(written.out + written.err, "") << format;
        EXPECT_EQ(ReadFile(file), printed.out) << format;
    }
    const std::string nowhere = dir.File("no/folder/report.txt");
    for (const char* format : {"text", "pdf"}) {
        const CliResult failed = RunCli({"report", meet, "2", "--format", format, "-o", nowhere});
        EXPECT_EQ(failed.status, 1) << format;
        EXPECT_EQ(failed.err, "Could not write to file : " + nowhere + "\n");
    }
    EXPECT_EQ(ReadFile(meet), ReadFile(DataPath("rep_small.bmf")));
}

// The real program with no display, on the paper of the locale.
TEST(ReportFiles, PdfKeepsEveryLineOfEveryReportOnA4AndLetter) {
    TempDir dir;
    const std::string meet = WideMeet(dir);
    struct Paper {
        const char* locale;
        const char* name; // as pdfinfo ends the page size
    };
    for (const Paper& paper :
         {Paper{"en_GB.UTF-8", " pts (A4)"}, Paper{"en_US.UTF-8", " pts (letter)"}}) {
        for (int report = 0; report < ReportCount; ++report) {
            const std::string which = std::to_string(report);
            const std::string pdf = dir.File("report.pdf");
            const CliResult result =
                RunProgram(dir, {"report", meet, which, "--format", "pdf", "-o", pdf, "--defaults"},
                           "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_PAPER= LC_ALL=" +
                               std::string(paper.locale));
            ASSERT_EQ(result.status, 0) << which << result.err;
            EXPECT_EQ(result.out + result.err, "") << which;
            const std::vector<std::string> lines =
                Lines(RunCli({"report", meet, which, "--defaults"}).out);
            EXPECT_EQ(LinesMissingFromPdf(lines, PdfText(pdf)), std::vector<std::string>{})
                << paper.locale << " report " << which;
            EXPECT_TRUE(PdfPageSize(pdf).ends_with(paper.name))
                << PdfPageSize(pdf) << " for " << paper.locale;
        }
    }
}
