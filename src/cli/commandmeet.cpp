#include "cli/commandmeet.h"

#include "cli/settingsoptions.h"
#include "engine/model/writelock.h"
#include "engine/session/meetfiles.h"
#include "engine/session/meetsession.h"

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

namespace {

// What the command's session says goes to stderr; it asks nothing (a command
// answers the questions of its own operations from its options).
class CommandMessages : public SilentMessages {
public:
    explicit CommandMessages(std::ostream& err) : err_(err) {}
    void Inform(const std::string& text) override { err_ << text << "\n"; }

private:
    std::ostream& err_;
};

// The meet of FILE as the desktop program's open flow checks it.
std::unique_ptr<Boatmeet> OpenFileArgument(const ParsedArgs& args, Streams& io) {
    std::string error;
    std::unique_ptr<Boatmeet> meet = OpenMeetFile(args.positional.front(), error);
    if (!meet)
        io.err << error << "\n";
    return meet;
}

} // namespace

std::unique_ptr<Boatmeet> OpenCommandMeet(const ParsedArgs& args, Streams& io) {
    return PrepareSettings(args, io) ? OpenFileArgument(args, io) : nullptr;
}

int ReadMeet(const ParsedArgs& args, Streams& io, const MeetWork& read) {
    const std::unique_ptr<Boatmeet> meet = OpenCommandMeet(args, io);
    return meet ? read(*meet) : Usage;
}

int ChangeMeet(const ParsedArgs& args, Streams& io, const MeetWork& change) {
    if (!PrepareSettings(args, io))
        return Usage;
    // From reading to writing back, no other writer comes between.
    const std::string target = args.Has("-o") ? args.Value("-o") : args.positional.front();
    // No lock, no write; where the folder is missing the write fails by itself.
    const WriteLock lock(target);
    if (!lock.Held() && lock.Result() != WriteLock::State::NoFolder) {
        io.err << LockRefusal(lock, target) << "\n";
        return Problem;
    }
    // The meet is the document of a session, as in the desktop program: the
    // same open flow, and the change passes its one door. A command that
    // ends at once keeps no undo history and no recovery copy.
    SessionHost host;
    CommandMessages messages(io.err);
    MeetSession session(host, messages, StepHistory::NotKept);
    if (!session.OpenFile(args.positional.front()))
        return Usage;
    const int status = change(*session.Meet());
    if (status != Done)
        return status;
    session.Changed(args.action.empty() ? "Command" : args.action);
    return SaveMeetTo(*session.Meet(), target, true, io);
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
