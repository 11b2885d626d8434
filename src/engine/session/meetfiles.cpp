#include "engine/session/meetfiles.h"

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

bool SaveMeetFile(Boatmeet& meet, const std::string& name, bool full, std::string& error) {
    const WriteLock lock(name);
    if (lock.Busy()) {
        error = BeingChangedText(name);
        return false;
    }
    if (!meet.SaveToFile(name, full)) {
        error = SaveFailedText;
        return false;
    }
    error.clear();
    return true;
}

bool IsSameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return std::filesystem::equivalent(first, second, error);
}

} // namespace bm
