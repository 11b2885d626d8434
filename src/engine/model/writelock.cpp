#include "engine/model/writelock.h"

#include "engine/model/safefile.h"
#include "engine/model/textfile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace bm {

namespace fs = std::filesystem;

namespace {

// The locks this process holds, by lock file, with the thread that took each:
// a thread taking its own lock again must not wait for itself.
std::mutex heldMutex;
std::map<std::string, std::thread::id> held;

// The lock file of the meet file: beside the file it names, links followed.
std::string LockPathOf(const std::string& path) {
    std::error_code error;
    fs::path real = fs::weakly_canonical(fs::absolute(path, error), error);
    if (error)
        real = fs::absolute(path, error).lexically_normal();
    const std::string name = real.filename().string();
    std::string lockName = "." + name + ".lock";
    if (lockName.size() > NAME_MAX) {
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(HashBytes(name)));
        lockName = std::string(".bm") + hex + ".lock";
    }
    return (real.parent_path() / lockName).string();
}

// True when the open lock file is still the one of that name: the holder
// before removes it on letting go, and a lock on a removed file holds off no one.
bool StillNamed(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// The reason a lock file could not be used, from the error of the system.
std::string ReasonText(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "permission denied";
    case EISDIR:
        return "a folder has its name";
    case EROFS:
        return "the folder is read-only";
    default:
        return std::generic_category().message(error);
    }
}

} // namespace

std::string BeingChangedText(const std::string& name) {
    return name + " is being changed by another program";
}

std::string LockFailedText(const std::string& name, const std::string& lockPath,
                           const std::string& reason) {
    return name + " was not written: its lock file " + lockPath + " cannot be used (" + reason +
           ")";
}

int TakeLockFile(const std::string& path, bool& busy) {
    busy = false;
    for (;;) {
        // Read access is enough to lock, so a lock file of another user serves too.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            busy = error == EWOULDBLOCK;
            ::close(fd);
            errno = error;
            return -1;
        }
        if (StillNamed(fd, path))
            return fd;
        ::close(fd); // removed meanwhile by its holder: the next lock file is the one
    }
}

void ReleaseLockFile(const std::string& path, int fd) {
    if (fd < 0)
        return;
    ::unlink(path.c_str());
    ::close(fd);
}

WriteLock::WriteLock(const std::string& path, std::chrono::milliseconds wait,
                     const std::function<bool()>& keepWaiting)
    : lockPath_(LockPathOf(path)) {
    if (IsStreamTarget(path))
        return; // written into, never replaced: no other writer's change is lost
    {
        const std::lock_guard lock(heldMutex);
        const auto found = held.find(lockPath_);
        if (found != held.end() && found->second == std::this_thread::get_id()) {
            nested_ = true; // the outer lock lets go
            return;
        }
    }
    Take(wait, keepWaiting);
}

void WriteLock::Take(std::chrono::milliseconds wait, const std::function<bool()>& keepWaiting) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool busy = false;
    while ((fd_ = TakeLockFile(lockPath_, busy)) < 0 && busy) {
        if (std::chrono::steady_clock::now() >= deadline) {
            state_ = State::Busy;
            return;
        }
        waited_ = true;
        if (keepWaiting && !keepWaiting()) {
            state_ = State::Cancelled;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (fd_ >= 0) {
        Register();
        return;
    }
    const int error = errno;
    std::error_code code;
    const bool noFolder = (error == ENOENT || error == ENOTDIR) &&
                          !fs::is_directory(fs::path(lockPath_).parent_path(), code);
    state_ = noFolder ? State::NoFolder : State::Failed;
    reason_ = noFolder ? std::string() : ReasonText(error);
}

WriteLock::~WriteLock() {
    if (nested_ || fd_ < 0)
        return;
    {
        const std::lock_guard lock(heldMutex);
        held.erase(lockPath_);
    }
    ReleaseLockFile(lockPath_, fd_);
}

void WriteLock::Register() {
    const std::lock_guard lock(heldMutex);
    held[lockPath_] = std::this_thread::get_id();
}

} // namespace bm
