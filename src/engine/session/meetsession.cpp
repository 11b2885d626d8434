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

std::string OverwriteQuestion(const std::string& name) {
    return "The file " + name +
           " was changed by another program since it was opened. "
           "Overwrite it?";
}

std::string ReloadQuestion(const std::string& name) {
    return "The file " + name + " was changed by another program. Reload it?";
}

bool AskUser(const std::string& question) {
    return Messages().Ask(question);
}

} // namespace

MeetSession::MeetSession(SessionHost& host) : host_(host) {}

MeetSession::~MeetSession() = default;

bool MeetSession::OpenFile(const std::string& name) {
    // Stamped before reading: a change made while it is read is caught later.
    const FileStamp stamp = StampFile(name);
    std::string error;
    std::unique_ptr<Boatmeet> opened = OpenMeetFile(name, error);
    if (!opened) {
        Messages().Inform(error);
        return false;
    }
    CloseMeet();
    // Changes a crash or a No to "Save Existing Data?" left behind.
    RecoveryCopy copy;
    std::unique_ptr<Boatmeet> recovered;
    if (!recoveryFolder_.empty())
        recovered = ChooseRecoveryCopy(FindRecoveryCopies(recoveryFolder_, name), AskUser, copy);
    const bool isRecovered = recovered != nullptr;
    // Changes made on another version of the file, or read from a damaged
    // copy, become a new meet: saving them never replaces the file unasked.
    const bool asNew = isRecovered && RecoversAsNewMeet(copy);
    meet_ = isRecovered ? std::move(recovered) : std::move(opened);
    SetFileName(asNew ? std::string() : name);
    if (!asNew)
        fileStamp_ = stamp;
    AfterOpen();
    BeginMeet(!isRecovered, isRecovered ? copy.Path : std::string());
    if (!asNew)
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
    SetFileName({});
    BeginMeet(true, {});
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
    EndMeet();
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
    if (FileChangedOnDisk() && !Messages().Ask(OverwriteQuestion(fileName_)))
        return false;
    if (!SaveTo(fileName_, true))
        return false;
    AfterSave();
    return true;
}

bool MeetSession::SaveAs() {
    if (!meet_)
        return false;
    const std::string name = host_.ChooseMeetFile(fileName_);
    if (name.empty() || !SaveTo(name, true))
        return false;
    SetFileName(name);
    AfterSave();
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
    RecordChange("Change Boatmeet Title/Date");
    return true;
}

bool MeetSession::DrawAllEvents() {
    if (!meet_)
        return false;
    if (!meet_->Draws.empty() && !Messages().Ask("Some events may be drawn. OK to overwrite Draw?"))
        return false;
    bm::DrawAllEvents(*meet_);
    RecordChange("Draw all Events");
    return true;
}

bool MeetSession::NumberRaces() {
    if (!meet_)
        return false;
    bm::NumberRaces(*meet_);
    RecordChange("Number Races");
    return true;
}

bool MeetSession::NumberCrews(bool byEvent) {
    if (!meet_)
        return false;
    if (byEvent)
        meet_->NumberCrewsByEvent();
    else
        meet_->NumberCrewsByClub();
    RecordChange(byEvent ? "Number Crews By Event" : "Number Crews By Club");
    return true;
}

// --- Undo, redo and the recovery copy ---------------------------------------------

void MeetSession::SetRecoveryFolder(const std::string& folder) {
    recoveryFolder_ = folder;
    if (folder.empty())
        return;
    if (!writer_)
        writer_ = std::make_unique<RecoveryWriter>();
    if (meet_ && copyPath_.empty()) {
        copyPath_ = NewRecoveryCopyPath(recoveryFolder_);
        copyLock_ = std::make_unique<RecoveryLock>(copyPath_);
        UpdateRecovery();
    }
}

bool MeetSession::OfferRecovery() {
    if (recoveryFolder_.empty())
        return false;
    RecoveryCopy copy;
    std::unique_ptr<Boatmeet> recovered =
        ChooseRecoveryCopy(FindRecoveryCopies(recoveryFolder_), AskUser, copy);
    if (!recovered)
        return false;
    CloseMeet();
    meet_ = std::move(recovered);
    SetFileName(RecoversAsNewMeet(copy) ? std::string() : copy.MeetFile);
    fileStamp_ = StampFile(fileName_);
    AfterOpen();
    BeginMeet(false, copy.Path);
    return true;
}

void MeetSession::RecordChange(std::string_view name, std::string_view group) {
    if (meet_ && history_.Record(*meet_, name, group))
        UpdateRecovery();
}

bool MeetSession::Undo() {
    if (!meet_ || !history_.Undo(*meet_))
        return false;
    UpdateRecovery();
    return true;
}

bool MeetSession::Redo() {
    if (!meet_ || !history_.Redo(*meet_))
        return false;
    UpdateRecovery();
    return true;
}

void MeetSession::FlushRecovery() {
    if (writer_)
        writer_->Flush();
}

void MeetSession::BeginMeet(bool saved, const std::string& copyPath) {
    history_.Start(*meet_, saved);
    if (recoveryFolder_.empty())
        return;
    copyPath_ = copyPath.empty() ? NewRecoveryCopyPath(recoveryFolder_) : copyPath;
    copyLock_ = std::make_unique<RecoveryLock>(copyPath_);
}

void MeetSession::EndMeet() {
    if (writer_ && !copyPath_.empty()) {
        // Unsaved changes stay in the copy, to be offered when the meet is
        // opened again or the program starts.
        if (!IsModified())
            writer_->Remove(copyPath_);
        writer_->Flush();
    }
    copyLock_.reset();
    copyPath_.clear();
    history_.Clear();
}

void MeetSession::AfterSave() {
    fileStamp_ = StampFile(fileName_);
    declinedReload_ = {};
    history_.MarkSaved(*meet_);
    if (writer_ && !copyPath_.empty())
        writer_->Remove(copyPath_);
}

void MeetSession::SetFileName(const std::string& name) {
    fileName_ = name;
    fileIdentity_ = MeetFileIdentity(name);
    fileStamp_ = {};
    declinedReload_ = {};
}

bool MeetSession::FileChangedOnDisk() const {
    return meet_ && !fileName_.empty() && FileChangedSince(fileName_, fileStamp_);
}

bool MeetSession::OfferReload() {
    if (!meet_ || IsModified() || !FileChangedOnDisk())
        return false;
    const FileStamp now = StampFile(fileName_);
    if (now.SameContent(declinedReload_))
        return false;
    if (!Messages().Ask(ReloadQuestion(fileName_))) {
        declinedReload_ = now;
        return false;
    }
    std::string error;
    std::unique_ptr<Boatmeet> reloaded = OpenMeetFile(fileName_, error);
    if (!reloaded) {
        declinedReload_ = now;
        Messages().Inform(error);
        return false;
    }
    // Nothing is unsaved, so the meet is replaced without the close question.
    EndMeet();
    meet_ = std::move(reloaded);
    fileStamp_ = now;
    AfterOpen();
    BeginMeet(true, {});
    return true;
}

void MeetSession::UpdateRecovery() {
    if (!writer_ || copyPath_.empty())
        return;
    if (history_.IsModified())
        writer_->Write(copyPath_, RecoveryCopyText(history_.PresentText(), fileIdentity_,
                                                   MillisecondsNow(), fileStamp_));
    else
        writer_->Remove(copyPath_);
}

std::string MeetSession::WindowTitle() const {
    return "Boatmeet: " + (meet_ ? meet_->TitleText() : std::string(" <No Boatmeet Loaded>"));
}

std::string KeyDataFileName(const std::string& fileName) {
    if (fileName.size() > 4 && fileName.ends_with(".bmf"))
        return fileName.substr(0, fileName.size() - 4) + "Key.bmf";
    return fileName + "Key";
}

} // namespace bm
