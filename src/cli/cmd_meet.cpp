#include "cmd_meet.h"

#include "common.h"
#include "model/misccode.h"

namespace bm::cli {

namespace {

void ReportWriteFailure(Streams& io) {
    io.err << "Failed to write to file. DATA NOT SAVED!\n";
}

} // namespace

int RunNew(const ParsedArgs& args, Streams& io) {
    CliMessages messages(io.err);
    if (!PrepareSettings(args, io))
        return Usage;
    Boatmeet meet;
    meet.Title = CleanText(args.Value("--title"));
    meet.Date = CleanText(args.Value("--date"));
    meet.Clubs.Add("Winner Prev");
    if (!meet.SaveToFile(args.positional[0], true)) {
        ReportWriteFailure(io);
        return Problem;
    }
    return Done;
}

int RunSave(const ParsedArgs& args, Streams& io) {
    CliMessages messages(io.err);
    if (!PrepareSettings(args, io))
        return Usage;
    const std::unique_ptr<Boatmeet> meet = OpenMeet(args.positional[0], io);
    if (!meet)
        return Usage;
    return SaveMeet(*meet, args, args.positional[0], io);
}

int RunSaveKey(const ParsedArgs& args, Streams& io) {
    CliMessages messages(io.err);
    if (!PrepareSettings(args, io))
        return Usage;
    const std::unique_ptr<Boatmeet> meet = OpenMeet(args.positional[0], io);
    if (!meet)
        return Usage;
    if (!meet->SaveToFile(args.positional[1], false)) {
        ReportWriteFailure(io);
        return Problem;
    }
    return Done;
}

int RunNumberCrews(const ParsedArgs& args, Streams& io) {
    const std::string by = args.Value("--by");
    if (by != "event" && by != "club") {
        io.err << "boatmeet-cli number-crews: --by must be event or club\n";
        return Usage;
    }
    CliMessages messages(io.err);
    if (!PrepareSettings(args, io))
        return Usage;
    const std::unique_ptr<Boatmeet> meet = OpenMeet(args.positional[0], io);
    if (!meet)
        return Usage;
    if (by == "event")
        meet->NumberCrewsByEvent();
    else
        meet->NumberCrewsByClub();
    return SaveMeet(*meet, args, args.positional[0], io);
}

} // namespace bm::cli
