// One writer at a time for a meet file: boatmeet-cli holds this lock from
// reading the file to writing it back, and every save of a meet takes it, so
// that two programs changing one file never lose each other's changes.
//
// The lock is an advisory lock on a hidden file beside the meet file,
// ".NAME.lock" (".bm" and 16 hex digits of NAME, then ".lock", for a name too
// long for that), not on the meet file itself: a save renames a new file over
// the old one, so a lock on the old file would not hold off the next writer.
// The lock file goes when the lock is let go; one left by a program that was
// killed is taken over and removed by the next writer. No lock, no write: a
// lock that cannot be had for any other reason than another writer holding
// it (a lock file that may not be opened, a folder in its place, a folder
// that cannot be written) keeps the writer from writing. Publishing the site
// takes the same kind of lock on a name inside the published folder.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace bm {

// "NAME is being changed by another program"
std::string BeingChangedText(const std::string& name);
// "NAME was not written: its lock file LOCK cannot be used (REASON)"
std::string LockFailedText(const std::string& name, const std::string& lockPath,
                           const std::string& reason);

// Takes an exclusive advisory lock on the lock file, making the file when
// there is none: the open file, or -1 when another program holds the lock
// (busy is then true) or no lock can be had there (errno then says why).
int TakeLockFile(const std::string& path, bool& busy);
// Removes the lock file, then lets go of its lock: whoever takes the lock
// next makes a new file.
void ReleaseLockFile(const std::string& path, int fd);

class WriteLock {
public:
    // How long a writer waits for another to finish.
    static constexpr std::chrono::milliseconds DefaultWait{5000};

    enum class State {
        Held,      // the file may be written
        Busy,      // another program held the lock all the time waited
        Cancelled, // the waiting was given up
        Failed,    // no lock can be had: Reason says why
        NoFolder,  // the file's folder does not exist: nothing can be written there
    };

    // Takes the lock of the file, waiting while another program holds it, at
    // most `wait`; while it waits, keepWaiting (when given) is called about
    // every 10 ms, and false from it gives the waiting up. A thread that holds
    // the lock already takes it again at once. A FIFO or a device is written
    // as a stream, never replaced: it needs no lock.
    explicit WriteLock(const std::string& path, std::chrono::milliseconds wait = DefaultWait,
                       const std::function<bool()>& keepWaiting = {});
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    State Result() const { return state_; }
    bool Held() const { return state_ == State::Held; }
    bool Busy() const { return state_ == State::Busy; }
    bool Waited() const { return waited_; }
    const std::string& LockPath() const { return lockPath_; }
    // Why no lock could be had, in words ("permission denied"); empty unless Failed.
    const std::string& Reason() const { return reason_; }

private:
    void Take(std::chrono::milliseconds wait, const std::function<bool()>& keepWaiting);
    void Register();

    std::string lockPath_;
    int fd_ = -1;
    State state_ = State::Held;
    std::string reason_;
    bool nested_ = false;
    bool waited_ = false;
};

} // namespace bm
