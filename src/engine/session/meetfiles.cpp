#include "engine/session/meetfiles.h"

#include "engine/model/safefile.h"
#include "engine/model/text.h"
#include "engine/model/writelock.h"

#include <filesystem>
#include <system_error>

namespace bm {

std::unique_ptr<Boatmeet> OpenMeetFile(const std::string& name, std::string& error) {
    std::error_code code;
    if (name.empty() || !std::filesystem::is_regular_file(name, code)) {
        error = "Could not open file : " + name;
        return nullptr;
    }
    // A file that cannot be read counts as one that is not a meet file.
    if (MeetFileKind(name) != FileKind::Meet) {
        error = "This file does not appear to be a Boatmeet file..";
        return nullptr;
    }
    error.clear();
    return Boatmeet::LoadFromFile(name);
}

std::unique_ptr<Boatmeet> NewMeet(std::string_view title, std::string_view date) {
    auto meet = std::make_unique<Boatmeet>();
    meet->Title = CleanText(title);
    meet->Date = CleanText(date);
    meet->Clubs.Add(WinnerPrevClub);
    return meet;
}

std::string LockRefusal(const WriteLock& lock, const std::string& name) {
    switch (lock.Result()) {
    case WriteLock::State::Busy:
        return BeingChangedText(name);
    case WriteLock::State::Failed:
        return LockFailedText(name, lock.LockPath(), lock.Reason());
    case WriteLock::State::NoFolder:
        return SaveFailedText;
    case WriteLock::State::Held:
    case WriteLock::State::Cancelled:
        break;
    }
    return {};
}

bool WriteMeetFile(Boatmeet& meet, const std::string& name, bool full, std::string& error) {
    if (IsReadOnlyFile(name)) {
        error = ReadOnlyFileText(name);
        return false;
    }
    if (!meet.SaveToFile(name, full)) {
        error = SaveFailedText;
        return false;
    }
    error.clear();
    return true;
}

bool SaveMeetFile(Boatmeet& meet, const std::string& name, bool full, std::string& error) {
    const WriteLock lock(name);
    if (!lock.Held()) {
        error = LockRefusal(lock, name);
        return false;
    }
    return WriteMeetFile(meet, name, full, error);
}

bool IsSameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return std::filesystem::equivalent(first, second, error);
}

} // namespace bm
