#include "cli/cmd_meet.h"

#include "cli/common.h"
#include "engine/session/meetfiles.h"

namespace bm::cli {

int RunNew(const ParsedArgs& args, Streams& io) {
    if (!PrepareSettings(args, io))
        return Usage;
    const std::unique_ptr<Boatmeet> meet = NewMeet(args.Value("--title"), args.Value("--date"));
    return SaveMeetTo(*meet, args.positional[0], true, io);
}

int RunSave(const ParsedArgs& args, Streams& io) {
    const std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    return SaveMeet(*meet, args, args.positional[0], io);
}

int RunSaveKey(const ParsedArgs& args, Streams& io) {
    const std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    return SaveMeetTo(*meet, args.positional[1], false, io);
}

int RunNumberCrews(const ParsedArgs& args, Streams& io) {
    const std::string by = args.Value("--by");
    if (by != "event" && by != "club")
        return UsageError(io, "number-crews", "--by must be event or club");
    const std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    if (by == "event")
        meet->NumberCrewsByEvent();
    else
        meet->NumberCrewsByClub();
    return SaveMeet(*meet, args, args.positional[0], io);
}

} // namespace bm::cli
