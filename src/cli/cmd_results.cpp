#include "cli/cmd_results.h"

#include "cli/common.h"
#include "engine/draw/crewraceinfo.h"
#include "engine/draw/eventsplit.h"
#include "engine/draw/results.h"
#include "engine/model/text.h"
#include "engine/reports/reports.h"

#include <optional>

namespace bm::cli {

namespace {

// WINNER: 1 or 2 for the crew in that place, 0 for "clear"; -1 otherwise.
int WinnerPlace(const std::string& text) {
    if (text == "1" || text == "2")
        return text[0] - '0';
    return SameTextIgnoringCase(text, "clear") ? 0 : -1;
}

// The event named: an exact match first, else the first ignoring letter case.
std::string EventNamed(const Boatmeet& meet, const std::string& name) {
    for (const std::string& text : meet.Events.Texts())
        if (text == name)
            return text;
    const int key = meet.Events.KeyOf(name);
    return key == -1 ? std::string() : meet.Events.TextOf(key);
}

} // namespace

int RunSetResult(const ParsedArgs& args, Streams& io) {
    const int place = WinnerPlace(args.positional[2]);
    if (place < 0)
        return UsageError(io, "set-result", "WINNER must be 1, 2 or clear");
    const std::string& path = args.positional[0];
    auto meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    std::optional<std::string> verdict;
    if (args.Has("--verdict"))
        verdict = args.All("--verdict").front().front();
    const std::string message = SetRaceResult(*meet, args.positional[1], place, verdict);
    if (!message.empty()) {
        io.err << message << "\n";
        return Problem;
    }
    return SaveMeet(*meet, args, path, io);
}

int RunSplit(const ParsedArgs& args, Streams& io) {
    const std::string& path = args.positional[0];
    auto meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    std::string error;
    if (!SplitEvent(
            *meet, EventNamed(*meet, args.positional[1]), ReadInt(args.positional[2]),
            [](const std::string&) { return true; }, error)) {
        io.err << error << "\n";
        return Problem;
    }
    return SaveMeet(*meet, args, path, io);
}

int RunInfo(const ParsedArgs& args, Streams& io) {
    const bool crew = args.Has("--crew");
    if (crew == args.Has("--race"))
        return UsageError(io, "info", "give either --race N or --crew N");
    int number = 0;
    const std::string text = args.Value(crew ? "--crew" : "--race");
    if (!ParseWholeInt(text, number))
        return UsageError(io, "info", "not a number: '" + text + "'");
    auto meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    for (const std::string& line : InformationText(*meet, crew, number))
        io.out << line << "\n";
    return Done;
}

int RunCheck(const ParsedArgs& args, Streams& io) {
    auto meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    return WriteDrawStatus(*meet, io.out, ShowType::Races) > 0 ? Problem : Done;
}

} // namespace bm::cli
