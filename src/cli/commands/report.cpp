// report FILE WHICH: one report of the display selector, on stdout or in a
// text, HTML, RTF or PDF file.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/model/safefile.h"
#include "engine/model/settings.h"
#include "engine/reports/catalogue.h"
#include "engine/reports/reportoutput.h"
#include "print/pdfreport.h"
#include "print/reportprint.h"

#include <functional>
#include <iomanip>
#include <sstream>

namespace bm::cli {

namespace {

// The show type named on the command line; false for another name.
bool ShowTypeOf(const std::string& name, ShowType& showType) {
    if (name == "races")
        showType = ShowType::Races;
    else if (name == "results")
        showType = ShowType::Results;
    else if (name == "truncated")
        showType = ShowType::Truncated;
    else
        return false;
    return true;
}

// Writes the report into the stream it is given.
using ReportWriter = std::function<void(std::ostream&)>;

// The report's PDF, as the window's "Save to PDF File.." writes it in its
// default font, on the paper of the user's locale. Its pages are laid out from
// all the lines at once.
bool WritePdf(const std::string& path, const ReportWriter& write, const std::string& caption) {
    std::vector<std::string> lines;
    LinesOfReport(write)([&lines](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    const OffscreenGui gui;
    return WritePdfReport(path, PdfPageLayout(LocalePageSize()), DefaultReportFont(), lines,
                          CurrentSettings().SplitOnBlankLine, caption);
}

// The report in a text format, written as it is produced.
void WriteFormatted(std::ostream& out, const Boatmeet& meet, const std::string& caption,
                    const ReportWriter& write, const std::string& format) {
    if (format == "html")
        WriteHtmlReport(out, meet.Title, meet.Date, caption, LinesOfReport(write));
    else if (format == "rtf")
        WriteRtfReport(out, LinesOfReport(write), "Courier New", 10);
    else
        write(out);
}

// The report in the format, to stdout or to the file OUT, in constant memory
// whatever its size (but for a PDF).
int WriteOutput(const Boatmeet& meet, int index, const ReportWriter& write,
                const std::string& format, const ParsedArgs& args, Streams& io) {
    const std::string caption(ReportCaptions[static_cast<std::size_t>(index)]);
    const std::string target = args.Value("-o");
    bool written = true;
    if (format == "pdf") {
        written = WritePdf(target, write, caption);
    } else if (args.Has("-o")) {
        SafeFileWriter file(target);
        WriteFormatted(file.Stream(), meet, caption, write, format);
        written = file.Commit();
    } else {
        WriteFormatted(io.out, meet, caption, write, format);
    }
    if (!written) {
        io.err << OutputFailedText(target) << "\n";
        return Problem;
    }
    return Done;
}

int RunReport(const ParsedArgs& args, Streams& io) {
    const int index = FindReport(args.positional[1]);
    if (index < 0)
        return UsageError(io, "report", "no such report '" + args.positional[1] + "'");
    ShowType showType = ShowType::Races;
    if (!ShowTypeOf(args.Value("--show-type", "races"), showType))
        return UsageError(io, "report", "--show-type takes races, results or truncated");
    const std::string format = args.Value("--format", "text");
    if (format != "text" && format != "html" && format != "rtf" && format != "pdf")
        return UsageError(io, "report", "--format takes text, html, rtf or pdf");
    if (format == "pdf" && !args.Has("-o"))
        return UsageError(io, "report", "--format pdf needs -o OUT");
    return ReadMeet(args, io, [&](Boatmeet& meet) -> int {
        const ReportWriter write = [&](std::ostream& out) {
            WriteReport(meet, index, showType, out);
        };
        return WriteOutput(meet, index, write, format, args, io);
    });
}

// The selector's reports, one per line: the index and the caption.
std::string ReportList() {
    std::ostringstream list;
    list << "Reports (WHICH):\n";
    for (int i = 0; i < ReportCount; ++i)
        list << std::setw(4) << i << "  " << ReportCaptions[static_cast<std::size_t>(i)] << "\n";
    return list.str();
}

} // namespace

Command ReportCommand() {
    return {.name = "report",
            .summary = "Writes one report of the display selector to stdout or to a file.",
            .arguments = {FileArgument(),
                          {"WHICH", "The report's index or caption (letter case and surrounding "
                                    "blanks ignored), as listed below."}},
            .options = {{.name = "--show-type",
                         .values = "races|results|truncated",
                         .help = "What the draws show: race times and names (races, the "
                                 "default), winners and verdicts (results), or winners by their "
                                 "short labels (truncated)."},
                        {.name = "--format",
                         .values = "text|html|rtf|pdf",
                         .help = "Plain text (the default), the report view's HTML file, its "
                                 "RTF file, or its PDF file (needs -o)."},
                        {.name = "-o",
                         .values = "OUT",
                         .help = "Writes the report to the file OUT instead of stdout (a FIFO "
                                 "or a device is written into, never replaced; a read-only OUT "
                                 "is refused). A PDF "
                                 "is laid out as the desktop program prints: each line fitted "
                                 "across the page (turned or in a smaller font where needed), "
                                 "on Letter paper in a US-like locale (LC_ALL, LC_PAPER, LANG), "
                                 "A4 elsewhere."}},
            .notes = "The meet file is not changed.\n\n" + ReportList(),
            .run = RunReport};
}

} // namespace bm::cli
