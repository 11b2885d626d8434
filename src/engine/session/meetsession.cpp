#include "engine/session/meetsession.h"

#include "engine/draw/randomdraw.h"
#include "engine/model/text.h"
#include "engine/schedule/numbering.h"
#include "engine/session/meetfiles.h"
#include "engine/session/messages.h"

namespace bm {

namespace {

constexpr const char* TitleCaption = "Boatmeet Title";
constexpr const char* TitlePrompt = "Enter New Name for Boatmeet";
constexpr const char* DateCaption = "Boatmeet Date";
constexpr const char* DatePrompt = "Enter New Date for Boatmeet";

} // namespace

MeetSession::MeetSession(SessionHost& host) : host_(host) {}

MeetSession::~MeetSession() = default;

bool MeetSession::OpenFile(const std::string& name) {
    std::string error;
    std::unique_ptr<Boatmeet> opened = OpenMeetFile(name, error);
    if (!opened) {
        Messages().Inform(error);
        return false;
    }
    CloseMeet();
    meet_ = std::move(opened);
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
    const std::string title = host_.AskText(TitleCaption, TitlePrompt, "");
    const std::string date = host_.AskText(DateCaption, DatePrompt, "");
    meet_ = NewMeet(title, date);
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
    std::string error;
    if (!SaveMeetFile(*meet_, name, full, error)) {
        Messages().Inform(error);
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
    meet_->Title = CleanText(host_.AskText(TitleCaption, TitlePrompt, meet_->Title));
    meet_->Date = CleanText(host_.AskText(DateCaption, DatePrompt, meet_->Date));
    return true;
}

bool MeetSession::DrawAllEvents() {
    if (!meet_)
        return false;
    if (!meet_->Draws.empty() && !Messages().Ask("Some events may be drawn. OK to overwrite Draw?"))
        return false;
    bm::DrawAllEvents(*meet_);
    return true;
}

bool MeetSession::NumberRaces() {
    if (!meet_)
        return false;
    bm::NumberRaces(*meet_);
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
