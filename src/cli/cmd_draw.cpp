#include "cli/cmd_draw.h"

#include "cli/common.h"
#include "engine/draw/randomdraw.h"
#include "engine/reports/catalogue.h"
#include "engine/reports/reportoutput.h"

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

} // namespace

int RunDraw(const ParsedArgs& args, Streams& io) {
    const std::string& path = args.positional[0];
    std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    if (!args.Has("--event")) {
        DrawAllEvents(*meet);
        return SaveMeet(*meet, args, path, io);
    }
    // Every name is checked before anything is drawn.
    std::vector<int> keys;
    for (const auto& values : args.All("--event")) {
        const int key = meet->Events.KeyOf(values.front());
        if (key == -1) {
            io.err << "No such event : " << values.front() << "\n";
            return Usage;
        }
        keys.push_back(key);
    }
    for (int key : keys)
        DrawEvent(*meet, key);
    return SaveMeet(*meet, args, path, io);
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
    std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    std::ostringstream text;
    if (!WriteReport(*meet, index, showType, text)) {
        io.err << "report not available\n";
        return Problem;
    }
    if (format == "html")
        WriteHtmlReport(io.out, meet->Title, meet->Date, std::string(ReportCaptions[index]),
                        ReportLines(text.str()));
    else if (format == "rtf")
        WriteRtfReport(io.out, ReportLines(text.str()), "Courier New", 10);
    else
        io.out << text.str();
    return Done;
}

} // namespace bm::cli
