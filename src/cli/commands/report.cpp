// report FILE WHICH: one report of the display selector, on stdout or in a
// text, HTML, RTF or PDF file.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/model/settings.h"
#include "engine/model/textfile.h"
#include "engine/reports/catalogue.h"
#include "engine/reports/reportoutput.h"
#include "print/pdfreport.h"
#include "print/reportprint.h"

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

// The report's PDF, as the window's "Save to PDF File.." writes it in its
// default font, on the paper of the user's locale.
bool WritePdf(const std::string& path, const std::vector<std::string>& lines,
              const std::string& caption) {
    const OffscreenGui gui;
    return WritePdfReport(path, PdfPageLayout(LocalePageSize()), DefaultReportFont(), lines,
                          CurrentSettings().SplitOnBlankLine, caption);
}

// The report in the format, to stdout or to the file OUT.
int WriteOutput(const Boatmeet& meet, int index, const std::string& text, const std::string& format,
                const ParsedArgs& args, Streams& io) {
    const std::string caption(ReportCaptions[static_cast<std::size_t>(index)]);
    const std::string target = args.Value("-o");
    bool written = true;
    if (format == "pdf") {
        written = WritePdf(target, ReportLines(text), caption);
    } else {
        std::ostringstream formatted;
        std::ostream& out = args.Has("-o") ? formatted : io.out;
        if (format == "html")
            WriteHtmlReport(out, meet.Title, meet.Date, caption, ReportLines(text));
        else if (format == "rtf")
            WriteRtfReport(out, ReportLines(text), "Courier New", 10);
        else
            out << text;
        if (args.Has("-o"))
            written = WriteFileSafely(target, formatted.str());
    }
    if (!written) {
        io.err << "Could not write to file : " << target << "\n";
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
        std::ostringstream text;
        if (!WriteReport(meet, index, showType, text)) {
            io.err << "report not available\n";
            return Problem;
        }
        return WriteOutput(meet, index, text.str(), format, args, io);
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
                         .help = "Writes the report to the file OUT instead of stdout. A PDF "
                                 "is laid out as the desktop program prints: each line fitted "
                                 "across the page (turned or in a smaller font where needed), "
                                 "on Letter paper in a US-like locale (LC_ALL, LC_PAPER, LANG), "
                                 "A4 elsewhere."}},
            .notes = "The meet file is not changed.\n\n" + ReportList(),
            .run = RunReport};
}

} // namespace bm::cli
