// Saving a meet file under its write lock: the lock first (waiting while
// another program writes the file), then a look at the file, then the write.
// When another program changed the file since it was last seen, the lock is
// let go while the user is asked whether to overwrite it, so that a question
// never holds up another writer, and the file is looked at again once the
// lock is held anew.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/session/filestamp.h"

#include <functional>
#include <optional>
#include <string>

namespace bm {

struct LockedSave {
    std::string Name;
    bool Full = true; // in full, or the key data only
    // The file as it was last seen (opened or saved); the file is not looked
    // at when there is none.
    std::optional<FileStamp> Seen;
    // Asked about every 10 ms while another program holds the lock; false
    // gives the save up (nothing is written).
    std::function<bool()> KeepWaiting;
    // The waiting is over, whatever its end.
    std::function<void()> WaitOver;
    // Asked, without the lock, when the file changed since it was last seen:
    // true to overwrite it.
    std::function<bool()> Overwrite;
};

// Writes the meet as the save says; true when it was written, with the
// stamp of the file as written in `written`. False with the message in error,
// or with error empty when the waiting or the overwrite was declined.
bool SaveUnderLock(Boatmeet& meet, const LockedSave& save, FileStamp& written, std::string& error);

} // namespace bm
