// Recovery copies: the open meet with unsaved changes, written to a folder of
// the user's application data shortly after every change, so that a crash, a
// flat battery or a wrong answer to "Save Existing Data?" loses nothing.
//
// A copy is a meet data file (it opens like any other) named
// "recovery-<16 hex digits>.bmf"; after its header line come two lines the
// loader passes over: "RecoveryFile: " with the meet file it belongs to
// (empty for a new meet never saved; "%", CR and LF written as %25, %0D and
// %0A) and "RecoveryChanged: " with the time of the last change in
// milliseconds since 1970 (UTC). While a program has the meet open it holds a
// lock on "<copy>.lock", and no other program finds that copy.
#pragma once

#include "engine/model/boatmeet.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace bm {

struct RecoveryCopy {
    std::string Path;         // the copy in the recovery folder
    std::string MeetFile;     // the meet file it belongs to; empty for a new meet
    std::string Title;        // the meet's title
    std::int64_t Changed = 0; // the last change, milliseconds since 1970 (UTC)
};

// The time now in milliseconds since 1970 (UTC).
std::int64_t MillisecondsNow();
// The name a meet file is known by in copies: absolute, with links resolved.
std::string MeetFileIdentity(const std::string& fileName);
// A name for a new copy in the folder that no other copy has.
std::string NewRecoveryCopyPath(const std::string& folder);

// The text of a copy: the saved form of the meet with the record lines after
// its header line. meetFile is given as MeetFileIdentity gives it, or empty.
std::string RecoveryCopyText(const std::string& meetText, const std::string& meetFile,
                             std::int64_t changed);
// Reads the record of a copy (not the meet); false when the file is no copy.
bool ReadRecoveryCopy(const std::string& path, RecoveryCopy& copy);
// The meet of a copy; none when it can no longer be read.
std::unique_ptr<Boatmeet> LoadRecoveryCopy(const RecoveryCopy& copy);
// Removes the copy, unless a program has its meet open.
void DiscardRecoveryCopy(const RecoveryCopy& copy);

// The copies of the folder that hold changes their meet file lacks: those of
// new meets, of meet files that no longer exist, and of meet files last
// written before the copy's last change; newest first. Copies a running
// program has open are passed over; outdated copies are discarded.
std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder);
// The newest such copy of the meet file; false when there is none.
bool FindRecoveryCopy(const std::string& folder, const std::string& meetFile, RecoveryCopy& copy);

// "Boatmeet was closed without saving changes to NAME (last change at HH:MM).
// Recover them?" NAME is the meet file's name without its folder; for a new
// meet it is the new Boatmeet "TITLE", or a new Boatmeet when it has no
// title. The time is local.
std::string RecoveryQuestion(const RecoveryCopy& copy);

// Marks a copy as open in this program for the life of the object (a lock on
// "<copy>.lock", released by the system should the program end abruptly).
class RecoveryLock {
public:
    explicit RecoveryLock(const std::string& copyPath);
    ~RecoveryLock();
    RecoveryLock(const RecoveryLock&) = delete;
    RecoveryLock& operator=(const RecoveryLock&) = delete;

    // False when another program holds the lock or the folder cannot be written.
    bool Held() const { return fd_ >= 0; }

private:
    std::string lockPath_;
    int fd_ = -1;
};

} // namespace bm
