// report FILE WHICH: one report of the display selector.
#include "cli/arguments.h"
#include "cli/commandmeet.h"
#include "cli/commands/commands.h"
#include "engine/reports/catalogue.h"
#include "engine/reports/reportoutput.h"

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

int RunReport(const ParsedArgs& args, Streams& io) {
    const int index = FindReport(args.positional[1]);
    if (index < 0)
        return UsageError(io, "report", "no such report '" + args.positional[1] + "'");
    ShowType showType = ShowType::Races;
    if (!ShowTypeOf(args.Value("--show-type", "races"), showType))
        return UsageError(io, "report", "--show-type takes races, results or truncated");
    const std::string format = args.Value("--format", "text");
    if (format != "text" && format != "html" && format != "rtf")
        return UsageError(io, "report", "--format takes text, html or rtf");
    return ReadMeet(args, io, [&](Boatmeet& meet) {
        std::ostringstream text;
        if (!WriteReport(meet, index, showType, text)) {
            io.err << "report not available\n";
            return Problem;
        }
        if (format == "html")
            WriteHtmlReport(io.out, meet.Title, meet.Date, std::string(ReportCaptions[index]),
                            ReportLines(text.str()));
        else if (format == "rtf")
            WriteRtfReport(io.out, ReportLines(text.str()), "Courier New", 10);
        else
            io.out << text.str();
        return Done;
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
            .summary = "Writes one report of the display selector to stdout.",
            .arguments = {FileArgument(),
                          {"WHICH", "The report's index or caption (letter case and surrounding "
                                    "blanks ignored), as listed below."}},
            .options = {{.name = "--show-type",
                         .values = "races|results|truncated",
                         .help = "What the draws show: race times and names (races, the "
                                 "default), winners and verdicts (results), or winners by their "
                                 "short labels (truncated)."},
                        {.name = "--format",
                         .values = "text|html|rtf",
                         .help = "Plain text (the default), the report view's HTML file, or its "
                                 "RTF file."}},
            .notes = "The meet file is not changed.\n\n" + ReportList(),
            .run = RunReport};
}

} // namespace bm::cli
