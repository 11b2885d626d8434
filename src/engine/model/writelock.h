// One writer at a time for a meet file: boatmeet-cli holds this lock from
// reading the file to writing it back, and every save of a meet takes it, so
// that two programs changing one file never lose each other's changes.
//
// The lock is an advisory lock on a hidden file beside the meet file,
// ".NAME.lock" (".bm" and 16 hex digits of NAME, then ".lock", for a name too
// long for that), not on the meet file itself: a save renames a new file over
// the old one, so a lock on the old file would not hold off the next writer.
// The lock file goes when the lock is let go; one left by a program that was
// killed is taken over and removed by the next writer. Publishing the site
// takes the same kind of lock on a name inside the published folder.
#pragma once

#include <chrono>
#include <string>

namespace bm {

// "NAME is being changed by another program"
std::string BeingChangedText(const std::string& name);

// Takes an exclusive advisory lock on the lock file, making the file when
// there is none: the open file, or -1 when another program holds the lock
// (busy is then true) or no lock can be had there.
int TakeLockFile(const std::string& path, bool& busy);
// Removes the lock file, then lets go of its lock: whoever takes the lock
// next makes a new file.
void ReleaseLockFile(const std::string& path, int fd);

class WriteLock {
public:
    // How long a writer waits for another to finish.
    static constexpr std::chrono::milliseconds DefaultWait{5000};

    // Takes the lock of the file, waiting while another program holds it. A
    // thread that holds it already takes it again at once. Where no lock can
    // be had at all (a folder that cannot be written, say) the writer goes on
    // without one, and its write fails or not on its own.
    explicit WriteLock(const std::string& path, std::chrono::milliseconds wait = DefaultWait);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // True when another program held the lock all the time waited: the file
    // must not be written.
    bool Busy() const { return busy_; }

private:
    void Register();

    std::string lockPath_;
    int fd_ = -1;
    bool busy_ = false;
    bool nested_ = false;
};

} // namespace bm
