#include "engine/model/safefile.h"

#include "engine/model/textfile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <set>
#include <signal.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace bm {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TempPrefix = ".bm";
constexpr std::string_view TempSuffix = ".tmp";

// The names of the temporary files this process is writing now: any other
// temporary file that bears its id is a leftover.
std::mutex openMutex;
std::set<std::string> openTemps;
std::atomic<unsigned> tempCount{0};

void MarkOpen(const std::string& name, bool open) {
    const std::lock_guard lock(openMutex);
    if (open)
        openTemps.insert(name);
    else
        openTemps.erase(name);
}

bool IsOpenHere(const std::string& name) {
    const std::lock_guard lock(openMutex);
    return openTemps.count(name) != 0;
}

// The start of the temporary names of the target: ".bm", 8 hex digits of
// the target's name and "-"; the process id follows.
std::string TempStem(const fs::path& target) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x",
                  static_cast<unsigned>(HashBytes(target.filename().string()) & 0xFFFFFFFFu));
    return std::string(TempPrefix) + hex + "-";
}

// The process that wrote the temporary file of that name (".bm", 8 hex
// digits, "-", the process id, "-", a count, ".tmp"); 0 for another name.
pid_t WriterOf(std::string_view name) {
    constexpr std::size_t idStart = TempPrefix.size() + 9;
    if (!name.starts_with(TempPrefix) || !name.ends_with(TempSuffix) || name.size() <= idStart ||
        name[idStart - 1] != '-')
        return 0;
    const std::string_view rest = name.substr(idStart);
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (error != std::errc() || end == rest.data() + rest.size() || *end != '-' || pid <= 0)
        return 0;
    return pid;
}

// True when the temporary file of that name is left by a write that ended
// without finishing: its process is gone, or it is this process's and no
// longer being written.
bool IsDeadLeftover(std::string_view name) {
    const pid_t pid = WriterOf(name);
    if (pid <= 0)
        return false;
    if (pid == ::getpid())
        return !IsOpenHere(std::string(name));
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the dead leftovers in the folder whose names begin with the stem.
void RemoveDeadLeftovers(const fs::path& folder, std::string_view stem) {
    std::error_code error;
    std::vector<fs::path> dead;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
         !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(stem) && IsDeadLeftover(name))
            dead.push_back(it->path());
    }
    for (const fs::path& path : dead)
        fs::remove(path, error);
}

// The rename is part of the folder: syncing it makes the new name last
// through a power cut. A folder that cannot be synced changes nothing.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void RemoveDeadSaveLeftovers(const std::string& folder) {
    RemoveDeadLeftovers(folder, TempPrefix);
}

bool IsStreamTarget(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode));
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return ::access(path.c_str(), W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string ReadOnlyFileText(const std::string& name) {
    return name + " is read-only: it was not written";
}

std::string OutputFailedText(const std::string& name) {
    return IsReadOnlyFile(name) ? ReadOnlyFileText(name) : "Could not write to file : " + name;
}

// Buffered writing to the temporary file; a failed write makes the stream bad.
class SafeFileWriter::Buffer : public std::streambuf {
public:
    explicit Buffer(int fd) : fd_(fd), data_(std::size_t{1} << 16) { Reset(); }

    bool Failed() const { return failed_; }

protected:
    int_type overflow(int_type c) override {
        if (!Drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (n < epptr() - pptr())
            return std::streambuf::xsputn(s, n);
        // A large piece goes straight to the file.
        if (!Drain() || !WriteAll(s, static_cast<std::size_t>(n)))
            return 0;
        return n;
    }

    int sync() override { return Drain() ? 0 : -1; }

private:
    void Reset() { setp(data_.data(), data_.data() + data_.size()); }

    bool Drain() {
        const bool ok = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        Reset();
        return ok;
    }

    bool WriteAll(const char* bytes, std::size_t count) {
        while (count > 0 && !failed_) {
            const ssize_t written = fd_ < 0 ? -1 : ::write(fd_, bytes, count);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                failed_ = true;
                break;
            }
            bytes += written;
            count -= static_cast<std::size_t>(written);
        }
        return !failed_;
    }

    int fd_;
    std::vector<char> data_;
    bool failed_ = false;
};

SafeFileWriter::SafeFileWriter(const std::string& path) {
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(target, error)) {
        const fs::path real = fs::canonical(target, error);
        if (!error)
            target = real;
    }
    target_ = target.string();
    streamTarget_ = IsStreamTarget(target_);
    if (streamTarget_)
        fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    else if (!IsReadOnlyFile(target_))
        OpenTemporary(target);
    buffer_ = std::make_unique<Buffer>(fd_);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
    if (fd_ < 0)
        stream_->setstate(std::ios::badbit);
}

void SafeFileWriter::OpenTemporary(const fs::path& target) {
    if (target.filename().empty())
        return;
    const fs::path folder = target.parent_path();
    const std::string stem = TempStem(target);
    RemoveDeadLeftovers(folder, stem);
    // Exclusive creation: never the file of another write.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const std::string name = stem + std::to_string(::getpid()) + "-" +
                                 std::to_string(tempCount++) + std::string(TempSuffix);
        MarkOpen(name, true);
        temp_ = (folder / name).string();
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            MarkOpen(name, false);
            temp_.clear();
            if (errno != EEXIST)
                break;
        }
    }
}

SafeFileWriter::~SafeFileWriter() {
    Discard();
}

std::ostream& SafeFileWriter::Stream() {
    return *stream_;
}

bool SafeFileWriter::Commit() {
    if (fd_ < 0)
        return false;
    if (streamTarget_)
        return CommitStream();
    stream_->flush();
    bool ok = !stream_->fail() && !buffer_->Failed();
    ok = ::fsync(fd_) == 0 && ok;
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    // The new file takes the old one's permissions (a private file stays private).
    std::error_code error;
    const fs::file_status old = fs::status(target_, error);
    if (ok && !error && fs::exists(old))
        fs::permissions(temp_, old.permissions(), error);
    error.clear();
    if (ok)
        fs::rename(temp_, target_, error);
    if (!ok || error) {
        Discard();
        return false;
    }
    MarkOpen(fs::path(temp_).filename().string(), false);
    temp_.clear();
    SyncFolder(fs::path(target_).parent_path());
    return true;
}

bool SafeFileWriter::CommitStream() {
    stream_->flush();
    const bool ok = !stream_->fail() && !buffer_->Failed();
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return ok && closed;
}

void SafeFileWriter::Discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (temp_.empty())
        return;
    std::error_code error;
    fs::remove(temp_, error);
    MarkOpen(fs::path(temp_).filename().string(), false);
    temp_.clear();
}

} // namespace bm
