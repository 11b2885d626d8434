#include "model/meetsession.h"

#include "model/messages.h"
#include "model/misccode.h"

#include <filesystem>
#include <system_error>

namespace bm {

MeetSession::MeetSession(SessionHost& host) : host_(host) {}

MeetSession::~MeetSession() = default;

bool MeetSession::OpenFile(const std::string& name) {
    std::error_code error;
    if (name.empty() || !std::filesystem::is_regular_file(name, error)) {
        Messages().Inform("Could not open file : " + name);
        return false;
    }
    if (MeetFileKind(name) != 0) {
        Messages().Inform("This file does not appear to be a Boatmeet file..");
        return false;
    }
    CloseMeet();
    meet_ = Boatmeet::LoadFromFile(name);
    fileName_ = name;
    AfterOpen();
    host_.AddRecentFile(name);
    return true;
}

bool MeetSession::OpenLast() {
    const std::vector<std::string> recent = host_.RecentFiles();
    if (recent.empty()) {
        Messages().Inform("No Previous file to Reopen. Use Open");
        return false;
    }
    return OpenFile(recent.front());
}

bool MeetSession::CreateNew() {
    CloseMeet();
    meet_ = std::make_unique<Boatmeet>();
    ChangeTitleAndDate();
    meet_->Clubs.Add("Winner Prev");
    AfterOpen();
    fileName_.clear();
    return true;
}

void MeetSession::AfterOpen() {
    meetOpen_ = true;
    host_.ReadSettings();
    if (!fileName_.empty())
        host_.AddRecentFile(fileName_);
}

void MeetSession::CloseMeet() {
    if (meetOpen_ && meet_ && Messages().Ask("Save Existing Data?"))
        Save();
    meetOpen_ = false;
    meet_.reset();
}

bool MeetSession::QueryExit() {
    if (!Messages().Ask("Ok to Exit?"))
        return false;
    CloseMeet();
    return true;
}

bool MeetSession::Save() {
    if (!meet_)
        return false;
    if (fileName_.empty())
        return SaveAs();
    return SaveTo(fileName_, true);
}

bool MeetSession::SaveAs() {
    if (!meet_)
        return false;
    const std::string name = host_.ChooseMeetFile(fileName_);
    if (name.empty() || !SaveTo(name, true))
        return false;
    fileName_ = name;
    return true;
}

bool MeetSession::SaveKeyData() {
    if (!meet_ || !Messages().Ask("This saves only key data; NO crew, draw or race info is "
                                  "saved. Continue?"))
        return false;
    const std::string name = host_.ChooseMeetFile(KeyDataFileName(fileName_));
    return !name.empty() && SaveTo(name, false);
}

bool MeetSession::SaveTo(const std::string& name, bool full) {
    if (!meet_->SaveToFile(name, full)) {
        Messages().Inform("Failed to write to file. DATA NOT SAVED!");
        return false;
    }
    host_.AddRecentFile(name);
    return true;
}

bool MeetSession::ChangeTitleAndDate() {
    if (!meet_)
        return false;
    // The data file cannot hold double quotes or line breaks; what is kept is
    // what the file will hold.
    meet_->Title =
        CleanText(host_.AskText("Boatmeet Title", "Enter New Name for Boatmeet", meet_->Title));
    meet_->Date =
        CleanText(host_.AskText("Boatmeet Date", "Enter New Date for Boatmeet", meet_->Date));
    return true;
}

bool MeetSession::DrawAllEvents() {
    if (!meet_)
        return false;
    if (!meet_->Draws.empty() && !Messages().Ask("Some events may be drawn. OK to overwrite Draw?"))
        return false;
    meet_->DrawAllEvents();
    return true;
}

bool MeetSession::NumberRaces() {
    if (!meet_)
        return false;
    meet_->NumberRaces();
    return true;
}

bool MeetSession::NumberCrews(bool byEvent) {
    if (!meet_)
        return false;
    if (byEvent)
        meet_->NumberCrewsByEvent();
    else
        meet_->NumberCrewsByClub();
    return true;
}

std::string MeetSession::WindowTitle() const {
    return "Boatmeet: " + (meet_ ? meet_->TitleText() : std::string(" <No Boatmeet Loaded>"));
}

std::string KeyDataFileName(const std::string& fileName) {
    if (fileName.size() > 4 && fileName.ends_with(".bmf"))
        return fileName.substr(0, fileName.size() - 4) + "Key.bmf";
    return fileName + "Key";
}

std::string NotAvailableText(std::string_view command) {
    return "The " + std::string(command) + " is not available in this version yet.";
}

} // namespace bm
