// Recovery copies: the open meet with unsaved changes, written to a folder of
// the user's application data shortly after every change, so that a crash, a
// flat battery or a wrong answer to "Save Existing Data?" loses nothing.
//
// A copy is a meet data file (it opens like any other) named
// "recovery-<16 hex digits>.bmf"; after its header line come four lines the
// loader passes over:
//   "RecoveryFile: " and the meet file it belongs to (empty for a new meet
//     never saved; "%", CR and LF written as %25, %0D and %0A),
//   "RecoveryChanged: " and the time of the last change in milliseconds since
//     1970 (UTC),
//   "RecoveryBase: " and the size and hash (16 hex digits) of the meet file as
//     the changes were made on it, when it was opened or last saved ("-" when
//     there was none),
//   "RecoveryCheck: " and the size and hash of every other byte of the copy,
//     so that a copy cut short or otherwise damaged is known for one.
// While a program has the meet open it holds a lock on "<copy>.lock", and no
// other program finds that copy. A program claims a copy (takes its lock)
// before it asks about it, so that only one program ever offers it.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/session/filestamp.h"
#include "engine/session/messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

// What a copy holds, as against its meet file.
enum class RecoveryKind {
    // Changes the meet file lacks, made on the file as it still is (or a new
    // meet, or a file that is gone): they recover under the file's name.
    Unsaved,
    // The meet file was changed by someone else since: the changes recover as
    // a new, unsaved meet, so that neither version is lost.
    FileChanged,
    // The copy fails its check (its first line included): what can be read
    // recovers as a new, unsaved meet.
    Damaged,
    // Nothing of the copy can be read: it is set aside, never offered.
    Unreadable,
};

struct RecoveryCopy {
    std::string Path;         // the copy in the recovery folder
    std::string MeetFile;     // the meet file it belongs to; empty for a new meet
    std::string Title;        // the meet's title
    std::int64_t Changed = 0; // the last change, milliseconds since 1970 (UTC)
    FileStamp Base;           // the meet file the changes were made on
    FileStamp Content;        // the saved form of the meet the copy holds
    RecoveryKind Kind = RecoveryKind::Unsaved;
    bool InUse = false; // claimed by another running program
};

// The time now in milliseconds since 1970 (UTC).
std::int64_t MillisecondsNow();
// The name a meet file is known by in copies: absolute, with links resolved.
std::string MeetFileIdentity(const std::string& fileName);
// A name for a new copy in the folder that no other copy has.
std::string NewRecoveryCopyPath(const std::string& folder);

// The text of a copy: the saved form of the meet with the record lines after
// its header line. meetFile is given as MeetFileIdentity gives it, or empty;
// base is the stamp of the meet file the changes were made on.
std::string RecoveryCopyText(const std::string& meetText, const std::string& meetFile,
                             std::int64_t changed, const FileStamp& base);
// Reads the record of a copy from its bytes; false when there are none. A
// copy whose header, record lines or check do not hold is Damaged; Kind is
// otherwise Unsaved (FindRecoveryCopies compares with the meet file and
// tells a damaged copy that holds nothing readable).
bool ParseRecoveryCopy(std::string_view bytes, RecoveryCopy& copy);
// The same for the copy in the file at path.
bool ReadRecoveryCopy(const std::string& path, RecoveryCopy& copy);
// The meet of a copy, as much of it as can be read (a damaged first line is
// read as the meet's header); none when the copy can no longer be read at all.
std::unique_ptr<Boatmeet> LoadRecoveryCopy(const RecoveryCopy& copy);
// Removes the copy, unless a program has its meet open.
void DiscardRecoveryCopy(const RecoveryCopy& copy);

// The copies of the folder that hold something their meet file lacks, newest
// first, each with its kind (copies nothing can be read from too, before all). A whole
// copy whose meet is what its meet file holds is discarded; copies a running
// program has open are passed over. Lock files and unfinished writes left by
// programs that ended are removed.
std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder);
// Those of them that belong to the meet file, and the copies of the file
// that running programs have open, marked InUse.
std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder,
                                             const std::string& meetFile);

// The question asked about a copy. NAME is the meet file's name without its
// folder; for a new meet it is the new Boatmeet "TITLE", or a new Boatmeet
// when it has no title. Times are local; DATE is the day, the month's name
// and the year ("7 June 2024").
// Unsaved: "Boatmeet was closed without saving changes to NAME (last change
//   at HH:MM). Recover them?"
// FileChanged: "Boatmeet was closed without saving changes to NAME (last
//   change at HH:MM on DATE). The file has been changed since. Recover the
//   unsaved changes as a new, unsaved meet?"
// Damaged: "The recovery copy of NAME is damaged. Recover what could be read
//   as a new, unsaved meet?"
std::string RecoveryQuestion(const RecoveryCopy& copy);
// "The unsaved changes to NAME are open in another program"
std::string ClaimedCopyText(const RecoveryCopy& copy);
// "The recovery copy COPY could not be read. It is kept as KEPT."
std::string UnreadableCopyText(const std::string& copyPath, const std::string& keptPath);
// True when the copy recovers as a new meet with no file name.
inline bool RecoversAsNewMeet(const RecoveryCopy& copy) {
    return copy.Kind != RecoveryKind::Unsaved;
}

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
    // True when another program holds the lock.
    bool ClaimedElsewhere() const { return busy_; }

private:
    std::string lockPath_;
    int fd_ = -1;
    bool busy_ = false;
};

// The copy chosen for recovery, with its claim, which the program holds as
// long as it works on the meet.
struct RecoveryChoice {
    std::unique_ptr<Boatmeet> Meet; // none when no copy was chosen
    RecoveryCopy Copy;
    std::unique_ptr<RecoveryLock> Claim;
};

// Asks about each copy in turn, as given, each claimed before its question:
// a copy answered No is discarded; the meet of the first answered Yes is
// chosen and the rest stay for later. A copy another program has claimed is
// told (ClaimedCopyText) and passed over; one that nothing can be read from
// is set aside under a name no search finds and told (UnreadableCopyText).
RecoveryChoice ChooseRecoveryCopy(const std::vector<RecoveryCopy>& copies,
                                  MessageHandler& messages);

} // namespace bm
