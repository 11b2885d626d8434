#include "engine/session/lockedsave.h"

#include "engine/model/writelock.h"
#include "engine/session/meetfiles.h"

namespace bm {

namespace {

enum class Attempt { Written, Refused, FileChanged };

// One go under the lock: the file is written unless it changed since it was
// seen, in which case seen becomes what it holds now.
Attempt WriteUnlessChanged(Boatmeet& meet, const LockedSave& save, std::optional<FileStamp>& seen,
                           FileStamp& written, std::string& error) {
    const WriteLock lock(save.Name, WriteLock::DefaultWait, save.KeepWaiting);
    if (lock.Waited() && save.WaitOver)
        save.WaitOver();
    if (!lock.Held()) {
        error = LockRefusal(lock, save.Name);
        return Attempt::Refused;
    }
    if (seen && FileChangedSince(save.Name, *seen)) {
        seen = StampFile(save.Name);
        return Attempt::FileChanged;
    }
    if (!WriteMeetFile(meet, save.Name, save.Full, error))
        return Attempt::Refused;
    // Stamped before the lock goes: a write by another program after it is a change.
    written = StampFile(save.Name);
    return Attempt::Written;
}

} // namespace

bool SaveUnderLock(Boatmeet& meet, const LockedSave& save, FileStamp& written, std::string& error) {
    error.clear();
    std::optional<FileStamp> seen = save.Seen;
    for (;;) {
        switch (WriteUnlessChanged(meet, save, seen, written, error)) {
        case Attempt::Written:
            return true;
        case Attempt::Refused:
            return false;
        case Attempt::FileChanged:
            if (!save.Overwrite || !save.Overwrite())
                return false;
            break;
        }
    }
}

} // namespace bm
