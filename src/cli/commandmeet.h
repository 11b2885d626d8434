// The meet a command works on: opening FILE after the run's settings, running
// the command's reading or change, and writing the changed meet back to FILE
// or to -o OUT.
#pragma once

#include "cli/command.h"
#include "engine/model/boatmeet.h"

#include <functional>
#include <memory>
#include <string>

namespace bm::cli {

// A command's work on its meet; gives Done, or the status of a refusal whose
// message it has written.
using MeetWork = std::function<int(Boatmeet& meet)>;

// The meet file argument of a command that reads a meet.
ArgumentRule FileArgument();
// The meet file argument of a command that changes its meet.
ArgumentRule ChangedFileArgument();
// -o OUT: where a changed meet goes instead of back to FILE.
OptionRule OutputOption();

// The run's settings, then the meet of FILE (the first argument) as the
// desktop program's open flow checks it; nothing when either is refused (the
// message is written; the exit status is Usage).
std::unique_ptr<Boatmeet> OpenCommandMeet(const ParsedArgs& args, Streams& io);

// Opens the command's meet and reads it; the file is never written. Usage when
// the meet could not be opened, else the reading's status.
int ReadMeet(const ParsedArgs& args, Streams& io, const MeetWork& read);
// Opens the command's meet, changes it and, when the change gives Done, writes
// it in full to -o OUT or back to FILE, holding the write lock of that target
// throughout. Usage when the meet could not be opened, Problem with "TARGET is
// being changed by another program" when another program held the lock all
// the time waited, or with the lock file named when no lock can be had
// there, the change's status when it refused (nothing is written in any of
// these cases), else the status of the write.
int ChangeMeet(const ParsedArgs& args, Streams& io, const MeetWork& change);

// Writes the meet (in full, or its key data) to the target.
int SaveMeetTo(Boatmeet& meet, const std::string& target, bool full, Streams& io);

} // namespace bm::cli
