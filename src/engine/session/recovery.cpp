#include "engine/session/recovery.h"

#include "engine/model/safefile.h"
#include "engine/model/text.h"
#include "engine/model/textfile.h"
#include "engine/model/writelock.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace bm {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view HeaderStart = "Boatmeet:";
constexpr std::string_view RecordStart = "Recovery";
constexpr std::string_view FileTag = "RecoveryFile: ";
constexpr std::string_view ChangedTag = "RecoveryChanged: ";
constexpr std::string_view BaseTag = "RecoveryBase: ";
constexpr std::string_view CheckTag = "RecoveryCheck: ";
constexpr int RecordLines = 4;
constexpr std::string_view CopyPrefix = "recovery-";
constexpr std::string_view CopyExtension = ".bmf";
// Appended to the name of a copy nothing can be read from, kept aside.
constexpr std::string_view UnreadableSuffix = ".unreadable";

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

// A file stamp on one line: the size and 16 hex digits of the hash, or "-".
std::string StampText(const FileStamp& stamp) {
    if (!stamp.Exists)
        return "-";
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(stamp.ContentHash));
    return std::to_string(stamp.Size) + " " + hash;
}

bool ReadStamp(std::string_view text, FileStamp& stamp) {
    stamp = {};
    if (text == "-")
        return true;
    const char* const end = text.data() + text.size();
    const auto size = std::from_chars(text.data(), end, stamp.Size);
    if (size.ec != std::errc() || size.ptr == end || *size.ptr != ' ')
        return false;
    const auto hash = std::from_chars(size.ptr + 1, end, stamp.ContentHash, 16);
    stamp.Exists = hash.ec == std::errc() && hash.ptr == end;
    return stamp.Exists;
}

template <typename Number> bool ReadNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

// Reads the lines of a text one after another: each without its line end,
// with where it starts and where the next one does.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (next_ >= text_.size())
            return false;
        start_ = next_;
        const std::size_t end = std::min(text_.find('\n', start_), text_.size());
        line = text_.substr(start_, end - start_);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        next_ = std::min(end + 1, text_.size());
        return true;
    }
    // Reads the last line again at the next call.
    void Back() { next_ = start_; }
    std::size_t Start() const { return start_; }
    std::size_t End() const { return next_; }

private:
    std::string_view text_;
    std::size_t start_ = 0;
    std::size_t next_ = 0;
};

// The record lines of a copy, read after its header; what each holds.
struct Record {
    bool file = false;
    bool changed = false;
    bool base = false;
    bool check = false;
    FileStamp checkStamp;
    std::size_t checkStart = 0; // the check line's bytes
    std::size_t checkEnd = 0;
};

// Reads one record line into the copy; false for a line that is none.
bool ReadRecordLine(std::string_view line, const LineReader& lines, RecoveryCopy& copy,
                    Record& record) {
    if (line.starts_with(FileTag)) {
        copy.MeetFile = UnescapeName(line.substr(FileTag.size()));
        record.file = true;
    } else if (line.starts_with(ChangedTag)) {
        record.changed = ReadNumber(line.substr(ChangedTag.size()), copy.Changed);
    } else if (line.starts_with(BaseTag)) {
        record.base = ReadStamp(line.substr(BaseTag.size()), copy.Base);
    } else if (line.starts_with(CheckTag)) {
        record.check = ReadStamp(line.substr(CheckTag.size()), record.checkStamp);
        record.checkStart = lines.Start();
        record.checkEnd = lines.End();
    } else {
        return false;
    }
    return true;
}

// True when every record line was read and the copy's bytes, less the check
// line, are as many and hash as the check says.
bool PassesCheck(std::string_view bytes, const Record& record) {
    if (!record.file || !record.changed || !record.base || !record.check)
        return false;
    const std::string_view before = bytes.substr(0, record.checkStart);
    const std::string_view after = bytes.substr(record.checkEnd);
    return record.checkStamp.Size == before.size() + after.size() &&
           record.checkStamp.ContentHash == HashBytes(after, HashBytes(before));
}

// True while a program has the copy open. A lock file left by a program that
// ended is removed on the way.
bool IsInUse(const std::string& copyPath) {
    bool busy = false;
    ReleaseLockFile(LockPath(copyPath), TakeLockFile(LockPath(copyPath), busy));
    return busy;
}

// The kind of a whole copy, from its meet file as it is now; false when the
// file holds the copy's meet, so the copy holds nothing more.
bool JudgeAgainstFile(RecoveryCopy& copy) {
    if (copy.Kind == RecoveryKind::Damaged || copy.MeetFile.empty())
        return true;
    const FileStamp now = StampFile(copy.MeetFile);
    if (now.SameContent(copy.Content))
        return false;
    if (now.Exists && !now.SameContent(copy.Base))
        copy.Kind = RecoveryKind::FileChanged;
    return true;
}

// The meet's name in the questions.
std::string CopyName(const RecoveryCopy& copy) {
    if (copy.MeetFile.empty())
        return copy.Title.empty() ? "a new Boatmeet" : "the new Boatmeet \"" + copy.Title + "\"";
    const std::string name = fs::path(copy.MeetFile).filename().string();
    return name.empty() ? copy.MeetFile : name;
}

// "HH:MM", or "HH:MM on 7 June 2024", of the copy's last change in local time.
std::string ChangeTimeText(const RecoveryCopy& copy, bool withDate) {
    static constexpr const char* months[] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
    const auto seconds = static_cast<std::time_t>(copy.Changed / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour, local.tm_min);
    std::string time = text;
    if (withDate)
        time += " on " + std::to_string(local.tm_mday) + " " + months[local.tm_mon % 12] + " " +
                std::to_string(local.tm_year + 1900);
    return time;
}

bool IsCopyName(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.starts_with(CopyPrefix) && name.ends_with(CopyExtension);
}

void RemoveCopy(const std::string& path) {
    std::error_code error;
    fs::remove(path, error);
}

// The text of a copy whose first line is no meet header, with one: the
// fields the line holds from its first quote on, or none.
std::string WithHeader(std::string text) {
    if (text.starts_with(HeaderStart))
        return text;
    const std::size_t lineEnd = std::min(text.find('\n'), text.size());
    const std::size_t quote = std::string_view(text).substr(0, lineEnd).find('"');
    if (quote == std::string::npos)
        return std::string(HeaderStart) + "\n" + text;
    return std::string(HeaderStart) + " " + text.substr(quote);
}

// True when the meet read from a copy holds anything at all.
bool HoldsAnything(const Boatmeet* meet) {
    return meet && (!meet->Title.empty() || !meet->Date.empty() || meet->Events.Count() > 0 ||
                    meet->Clubs.Count() > 0 || !meet->Crews.empty());
}

enum class Reading { Found, Discarded, Gone };

// Reads and judges the copy at path. A copy that cannot be read, or whose
// damage leaves nothing to read, is found Unreadable.
Reading ReadAndJudge(const std::string& path, RecoveryCopy& copy) {
    std::error_code error;
    if (!ReadRecoveryCopy(path, copy)) {
        if (!fs::exists(path, error))
            return Reading::Gone;
        copy = RecoveryCopy{};
        copy.Path = path;
        copy.Kind = RecoveryKind::Unreadable;
        return Reading::Found;
    }
    if (copy.Kind == RecoveryKind::Damaged && !HoldsAnything(LoadRecoveryCopy(copy).get()))
        copy.Kind = RecoveryKind::Unreadable;
    return JudgeAgainstFile(copy) ? Reading::Found : Reading::Discarded;
}

// The copies of the folder; those that running programs have open are read
// only when asked for, and marked InUse.
std::vector<RecoveryCopy> ScanCopies(const std::string& folder, bool inUseToo) {
    RemoveDeadSaveLeftovers(folder);
    // The names first: the folder is not changed while it is being listed.
    std::vector<std::string> paths;
    std::vector<std::string> lockedPaths;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (IsCopyName(path) && it->is_regular_file(error))
            paths.push_back(path.string());
        else if (path.extension() == ".lock" && IsCopyName(fs::path(path).replace_extension()))
            lockedPaths.push_back(fs::path(path).replace_extension().string());
    }
    for (const std::string& path : lockedPaths)
        IsInUse(path); // removes the lock file when its program ended
    std::vector<RecoveryCopy> found;
    for (const std::string& path : paths) {
        const bool inUse = IsInUse(path);
        RecoveryCopy copy;
        if (inUse && !inUseToo)
            continue;
        const Reading reading = ReadAndJudge(path, copy);
        copy.InUse = inUse;
        if (reading == Reading::Found)
            found.push_back(copy);
        else if (reading == Reading::Discarded && !inUse)
            DiscardRecoveryCopy(copy);
    }
    // Copies nothing can be read from first: they are set aside without a question.
    std::sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        const bool aUnreadable = a.Kind == RecoveryKind::Unreadable;
        const bool bUnreadable = b.Kind == RecoveryKind::Unreadable;
        if (aUnreadable != bUnreadable)
            return aUnreadable;
        return a.Changed != b.Changed ? a.Changed > b.Changed : a.Path < b.Path;
    });
    return found;
}

enum class Claim { Taken, ByAnother, Gone };

// Claims the copy for this program, then reads it again: the program that
// had it may have changed or removed it. Where no lock can be made at all
// (a folder that cannot be written) the copy is offered unclaimed.
Claim ClaimCopy(RecoveryChoice& choice) {
    if (choice.Copy.InUse)
        return Claim::ByAnother;
    choice.Claim = std::make_unique<RecoveryLock>(choice.Copy.Path);
    if (choice.Claim->ClaimedElsewhere())
        return Claim::ByAnother;
    const std::string path = choice.Copy.Path;
    switch (ReadAndJudge(path, choice.Copy)) {
    case Reading::Found:
        return Claim::Taken;
    case Reading::Discarded:
        RemoveCopy(path);
        return Claim::Gone;
    case Reading::Gone:
        break;
    }
    return Claim::Gone;
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
                             std::int64_t changed, const FileStamp& base) {
    const std::size_t lineEnd = meetText.find('\n');
    const std::size_t split = lineEnd == std::string::npos ? meetText.size() : lineEnd + 1;
    std::string record;
    record.append(meetText, 0, split);
    if (lineEnd == std::string::npos)
        record += '\n';
    record.append(FileTag).append(EscapeName(meetFile)).append("\n");
    record.append(ChangedTag).append(std::to_string(changed)).append("\n");
    record.append(BaseTag).append(StampText(base)).append("\n");
    const std::string_view rest = std::string_view(meetText).substr(split);
    const FileStamp check{true, record.size() + rest.size(), HashBytes(rest, HashBytes(record))};
    std::string text;
    text.reserve(record.size() + rest.size() + 64);
    text.append(record).append(CheckTag).append(StampText(check)).append("\n").append(rest);
    return text;
}

bool ParseRecoveryCopy(std::string_view bytes, RecoveryCopy& copy) {
    LineReader lines(bytes);
    std::string_view header;
    if (!lines.Next(header))
        return false;
    copy = RecoveryCopy{};
    const std::string title(QuotedField(header, 0));
    copy.Title = CleanText(IsValidUtf8(title) ? title : Windows1252ToUtf8(title));
    const std::size_t headerEnd = lines.End();
    Record record;
    std::string_view line;
    for (int i = 0; i < RecordLines && lines.Next(line); ++i) {
        if (!line.starts_with(RecordStart) || !ReadRecordLine(line, lines, copy, record)) {
            lines.Back();
            break;
        }
    }
    // The meet's saved form: the copy without its record lines.
    const std::string_view rest = bytes.substr(lines.End());
    copy.Content = {true, headerEnd + rest.size(),
                    HashBytes(rest, HashBytes(bytes.substr(0, headerEnd)))};
    const bool whole = header.starts_with(HeaderStart) && PassesCheck(bytes, record);
    copy.Kind = whole ? RecoveryKind::Unsaved : RecoveryKind::Damaged;
    return true;
}

bool ReadRecoveryCopy(const std::string& path, RecoveryCopy& copy) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad() || !ParseRecoveryCopy(bytes, copy))
        return false;
    copy.Path = path;
    return true;
}

std::unique_ptr<Boatmeet> LoadRecoveryCopy(const RecoveryCopy& copy) {
    std::string text;
    if (!ReadTextFile(copy.Path, text))
        return nullptr;
    return Boatmeet::LoadFromText(WithHeader(std::move(text)));
}

void DiscardRecoveryCopy(const RecoveryCopy& copy) {
    const RecoveryLock lock(copy.Path);
    if (lock.Held())
        RemoveCopy(copy.Path);
}

std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder) {
    return ScanCopies(folder, false);
}

std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder,
                                             const std::string& meetFile) {
    const std::string identity = MeetFileIdentity(meetFile);
    std::vector<RecoveryCopy> found = ScanCopies(folder, true);
    std::erase_if(found, [&identity](const RecoveryCopy& copy) {
        return identity.empty() || copy.MeetFile != identity;
    });
    return found;
}

std::string ClaimedCopyText(const RecoveryCopy& copy) {
    return "The unsaved changes to " + CopyName(copy) + " are open in another program";
}

std::string UnreadableCopyText(const std::string& copyPath, const std::string& keptPath) {
    return "The recovery copy " + copyPath + " could not be read. It is kept as " + keptPath + ".";
}

std::string RecoveryQuestion(const RecoveryCopy& copy) {
    const std::string name = CopyName(copy);
    switch (copy.Kind) {
    case RecoveryKind::FileChanged:
        return "Boatmeet was closed without saving changes to " + name + " (last change at " +
               ChangeTimeText(copy, true) +
               "). The file has been changed since. Recover the unsaved changes as a new, unsaved "
               "meet?";
    case RecoveryKind::Damaged:
        return "The recovery copy of " + name +
               " is damaged. Recover what could be read as a new, unsaved meet?";
    case RecoveryKind::Unsaved:
    case RecoveryKind::Unreadable:
        break;
    }
    return "Boatmeet was closed without saving changes to " + name + " (last change at " +
           ChangeTimeText(copy, false) + "). Recover them?";
}

RecoveryChoice ChooseRecoveryCopy(const std::vector<RecoveryCopy>& copies,
                                  MessageHandler& messages) {
    for (const RecoveryCopy& found : copies) {
        RecoveryChoice choice{nullptr, found, nullptr};
        const Claim claim = ClaimCopy(choice);
        if (claim == Claim::ByAnother)
            messages.Inform(ClaimedCopyText(choice.Copy));
        if (claim != Claim::Taken)
            continue;
        if (choice.Copy.Kind == RecoveryKind::Unreadable) {
            const std::string kept = choice.Copy.Path + std::string(UnreadableSuffix);
            std::error_code error;
            fs::rename(choice.Copy.Path, kept, error);
            messages.Inform(UnreadableCopyText(choice.Copy.Path, error ? choice.Copy.Path : kept));
            continue;
        }
        if (!messages.Ask(RecoveryQuestion(choice.Copy))) {
            RemoveCopy(choice.Copy.Path); // while claimed: no other program is offering it
            continue;
        }
        choice.Meet = LoadRecoveryCopy(choice.Copy);
        if (choice.Meet)
            return choice;
        // gone meanwhile
    }
    return {};
}

RecoveryLock::RecoveryLock(const std::string& copyPath) : lockPath_(LockPath(copyPath)) {
    std::error_code error;
    fs::create_directories(fs::path(copyPath).parent_path(), error);
    fd_ = TakeLockFile(lockPath_, busy_);
}

RecoveryLock::~RecoveryLock() {
    // Removed before it is released: a program looking afterwards finds no
    // lock file, which means the same as an unheld lock.
    ReleaseLockFile(lockPath_, fd_);
}

} // namespace bm
