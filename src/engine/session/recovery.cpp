#include "engine/session/recovery.h"

#include "engine/model/text.h"
#include "engine/model/textfile.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace bm {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view FileTag = "RecoveryFile: ";
constexpr std::string_view ChangedTag = "RecoveryChanged: ";
constexpr std::string_view CopyPrefix = "recovery-";
constexpr std::string_view CopyExtension = ".bmf";

std::string LockPath(const std::string& copyPath) {
    return copyPath + ".lock";
}

// The meet file name on one line: "%", CR and LF become %25, %0D and %0A.
std::string EscapeName(std::string_view name) {
    std::string escaped;
    for (char c : name) {
        if (c == '%')
            escaped += "%25";
        else if (c == '\r')
            escaped += "%0D";
        else if (c == '\n')
            escaped += "%0A";
        else
            escaped += c;
    }
    return escaped;
}

std::string UnescapeName(std::string_view line) {
    std::string name;
    for (std::size_t i = 0; i < line.size(); ++i) {
        unsigned value = 0;
        if (line[i] == '%' && i + 2 < line.size() &&
            std::from_chars(line.data() + i + 1, line.data() + i + 3, value, 16).ptr ==
                line.data() + i + 3) {
            name += static_cast<char>(value);
            i += 2;
        } else {
            name += line[i];
        }
    }
    return name;
}

// One line of at most 64 KiB without its line end; false at the end of the
// file or for a longer line.
bool ReadShortLine(std::istream& in, std::string& line) {
    constexpr std::size_t limit = 1 << 16;
    line.clear();
    char c;
    while (in.get(c) && c != '\n') {
        if (line.size() == limit)
            return false;
        line += c;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return in || !line.empty();
}

bool IsInUse(const std::string& copyPath) {
    const int fd = ::open(LockPath(copyPath).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd); // closing releases a lock taken here
    return held;
}

// True when the copy holds changes its meet file lacks: a change made in the
// same millisecond as the file was written counts, so no change is lost to
// the clock's resolution.
bool HoldsNewerChanges(const RecoveryCopy& copy) {
    if (copy.MeetFile.empty())
        return true;
    std::error_code error;
    const fs::file_time_type written = fs::last_write_time(copy.MeetFile, error);
    if (error)
        return true; // gone, or unreadable: the copy may be all that is left
    const auto since = std::chrono::file_clock::to_sys(written).time_since_epoch();
    return copy.Changed >= std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

bool IsCopyName(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.starts_with(CopyPrefix) && name.ends_with(CopyExtension);
}

} // namespace

std::int64_t MillisecondsNow() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

std::string MeetFileIdentity(const std::string& fileName) {
    if (fileName.empty())
        return {};
    std::error_code error;
    const fs::path absolute = fs::absolute(fileName, error);
    if (error)
        return fileName;
    const fs::path resolved = fs::weakly_canonical(absolute, error);
    return (error ? absolute.lexically_normal() : resolved).string();
}

std::string NewRecoveryCopyPath(const std::string& folder) {
    std::random_device seed;
    for (;;) {
        const std::uint64_t number = (std::uint64_t{seed()} << 32) | seed();
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(number));
        const fs::path path = fs::path(folder) / (std::string(CopyPrefix) + hex + ".bmf");
        std::error_code error;
        if (!fs::exists(path, error) && !fs::exists(LockPath(path.string()), error))
            return path.string();
    }
}

std::string RecoveryCopyText(const std::string& meetText, const std::string& meetFile,
                             std::int64_t changed) {
    const std::size_t lineEnd = meetText.find('\n');
    const std::size_t split = lineEnd == std::string::npos ? meetText.size() : lineEnd + 1;
    std::string text;
    text.reserve(meetText.size() + meetFile.size() + 64);
    text.append(meetText, 0, split);
    if (lineEnd == std::string::npos)
        text += '\n';
    text.append(FileTag).append(EscapeName(meetFile)).append("\n");
    text.append(ChangedTag).append(std::to_string(changed)).append("\n");
    text.append(meetText, split);
    return text;
}

bool ReadRecoveryCopy(const std::string& path, RecoveryCopy& copy) {
    std::ifstream in(path, std::ios::binary);
    std::string header, file, changed;
    if (!ReadShortLine(in, header) || !ReadShortLine(in, file) || !ReadShortLine(in, changed))
        return false;
    if (!header.starts_with("Boatmeet:") || !file.starts_with(FileTag) ||
        !changed.starts_with(ChangedTag))
        return false;
    const std::string_view number = std::string_view(changed).substr(ChangedTag.size());
    std::int64_t time = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), time);
    if (error != std::errc() || end != number.data() + number.size())
        return false;
    copy.Path = path;
    copy.MeetFile = UnescapeName(std::string_view(file).substr(FileTag.size()));
    copy.Title = CleanText(QuotedField(header, 0));
    copy.Changed = time;
    return true;
}

std::unique_ptr<Boatmeet> LoadRecoveryCopy(const RecoveryCopy& copy) {
    std::string text;
    if (!ReadTextFile(copy.Path, text))
        return nullptr;
    return Boatmeet::LoadFromText(text);
}

void DiscardRecoveryCopy(const RecoveryCopy& copy) {
    const RecoveryLock lock(copy.Path);
    if (!lock.Held())
        return;
    std::error_code error;
    fs::remove(copy.Path, error);
}

std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder) {
    // The names first: the folder is not changed while it is being listed.
    std::vector<std::string> paths;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (IsCopyName(it->path()) && it->is_regular_file(error))
            paths.push_back(it->path().string());
    std::vector<RecoveryCopy> found;
    for (const std::string& path : paths) {
        RecoveryCopy copy;
        if (IsInUse(path) || !ReadRecoveryCopy(path, copy))
            continue;
        if (HoldsNewerChanges(copy))
            found.push_back(copy);
        else
            DiscardRecoveryCopy(copy);
    }
    std::sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.Changed != b.Changed ? a.Changed > b.Changed : a.Path < b.Path;
    });
    return found;
}

bool FindRecoveryCopy(const std::string& folder, const std::string& meetFile, RecoveryCopy& copy) {
    const std::string identity = MeetFileIdentity(meetFile);
    for (RecoveryCopy& found : FindRecoveryCopies(folder)) {
        if (!identity.empty() && found.MeetFile == identity) {
            copy = std::move(found);
            return true;
        }
    }
    return false;
}

std::string RecoveryQuestion(const RecoveryCopy& copy) {
    std::string name;
    if (!copy.MeetFile.empty()) {
        name = fs::path(copy.MeetFile).filename().string();
        if (name.empty())
            name = copy.MeetFile;
    } else {
        name = copy.Title.empty() ? "a new Boatmeet" : "the new Boatmeet \"" + copy.Title + "\"";
    }
    const auto seconds = static_cast<std::time_t>(copy.Changed / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", local.tm_hour, local.tm_min);
    return "Boatmeet was closed without saving changes to " + name + " (last change at " + clock +
           "). Recover them?";
}

RecoveryLock::RecoveryLock(const std::string& copyPath) : lockPath_(LockPath(copyPath)) {
    std::error_code error;
    fs::create_directories(fs::path(copyPath).parent_path(), error);
    const int fd = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

RecoveryLock::~RecoveryLock() {
    if (fd_ < 0)
        return;
    // Removed before it is released: a program looking afterwards finds no
    // lock file, which means the same as an unheld lock.
    ::unlink(lockPath_.c_str());
    ::close(fd_);
}

} // namespace bm
