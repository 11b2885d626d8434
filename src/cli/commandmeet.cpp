#include "cli/commandmeet.h"

#include "cli/settingsoptions.h"
#include "engine/session/meetfiles.h"

namespace bm::cli {

ArgumentRule FileArgument() {
    return {"FILE", "The meet file."};
}

ArgumentRule ChangedFileArgument() {
    return {"FILE", "The meet file; the changed meet is written back to it unless -o is given."};
}

OptionRule OutputOption() {
    return {.name = "-o",
            .values = "OUT",
            .help = "Writes the changed meet to OUT instead; FILE stays as it is."};
}

std::unique_ptr<Boatmeet> OpenCommandMeet(const ParsedArgs& args, Streams& io) {
    if (!PrepareSettings(args, io))
        return nullptr;
    std::string error;
    std::unique_ptr<Boatmeet> meet = OpenMeetFile(args.positional.front(), error);
    if (!meet)
        io.err << error << "\n";
    return meet;
}

int ReadMeet(const ParsedArgs& args, Streams& io, const MeetWork& read) {
    const std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    return meet ? read(*meet) : Usage;
}

int ChangeMeet(const ParsedArgs& args, Streams& io, const MeetWork& change) {
    const std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    if (!meet)
        return Usage;
    const int status = change(*meet);
    if (status != Done)
        return status;
    const std::string target = args.Has("-o") ? args.Value("-o") : args.positional.front();
    return SaveMeetTo(*meet, target, true, io);
}

int SaveMeetTo(Boatmeet& meet, const std::string& target, bool full, Streams& io) {
    std::string error;
    if (!SaveMeetFile(meet, target, full, error)) {
        io.err << error << "\n";
        return Problem;
    }
    return Done;
}

} // namespace bm::cli
