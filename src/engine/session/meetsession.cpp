#include "engine/session/meetsession.h"

#include "engine/draw/randomdraw.h"
#include "engine/model/text.h"
#include "engine/schedule/numbering.h"
#include "engine/session/lockedsave.h"
#include "engine/session/meetfiles.h"
#include "engine/session/messages.h"

#include <algorithm>

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

} // namespace

MeetSession::MeetSession(SessionHost& host, MessageHandler& messages, StepHistory steps)
    : host_(host), messages_(messages), keepSteps_(steps == StepHistory::Kept) {}

MeetSession::~MeetSession() = default;

bool MeetSession::OpenFile(const std::string& name) {
    // Stamped before reading: a change made while it is read is caught later.
    const FileStamp stamp = StampFile(name);
    std::string error;
    std::unique_ptr<Boatmeet> opened = OpenMeetFile(name, error);
    if (!opened) {
        messages_.Inform(error);
        return false;
    }
    if (!LetGo())
        return false;
    // Changes a crash or a No to "Save Existing Data?" left behind; those
    // another program has open stay its own, and the file opens as it is.
    RecoveryChoice recovered;
    if (!recoveryFolder_.empty())
        recovered = ChooseRecoveryCopy(FindRecoveryCopies(recoveryFolder_, name), messages_);
    const bool isRecovered = recovered.Meet != nullptr;
    // Changes made on another version of the file, or read from a damaged
    // copy, become a new meet: saving them never replaces the file unasked.
    const bool asNew = isRecovered && RecoversAsNewMeet(recovered.Copy);
    meet_ = isRecovered ? std::move(recovered.Meet) : std::move(opened);
    SetFileName(asNew ? std::string() : name);
    if (!asNew)
        fileStamp_ = stamp;
    AfterOpen();
    BeginMeet(!isRecovered, std::move(recovered));
    if (!asNew)
        host_.AddRecentFile(name);
    Replaced();
    return true;
}

bool MeetSession::OpenLast() {
    const std::vector<std::string> recent = host_.RecentFiles();
    if (recent.empty()) {
        messages_.Inform("No Previous file to Reopen. Use Open");
        return false;
    }
    return OpenFile(recent.front());
}

bool MeetSession::CreateNew() {
    const std::optional<std::string> title = messages_.AskText(TitleCaption, TitlePrompt, "");
    if (!title)
        return false;
    const std::optional<std::string> date = messages_.AskText(DateCaption, DatePrompt, "");
    if (!date || !LetGo())
        return false;
    meet_ = NewMeet(*title, *date);
    AfterOpen();
    SetFileName({});
    BeginMeet(true);
    Replaced();
    return true;
}

void MeetSession::AfterOpen() {
    const std::string problem = host_.ReadSettings();
    if (!problem.empty())
        messages_.Inform(problem);
    if (!fileName_.empty())
        host_.AddRecentFile(fileName_);
}

bool MeetSession::CloseMeet() {
    const bool hadMeet = HasMeet();
    if (!LetGo())
        return false;
    if (hadMeet)
        Replaced();
    return true;
}

bool MeetSession::LetGo() {
    if (!meet_)
        return true;
    if (IsModified()) {
        const Answer answer = messages_.AskOrCancel("Save Existing Data?");
        if (answer == Answer::Cancel || (answer == Answer::Yes && !Save()))
            return false;
    }
    EndMeet();
    meet_.reset();
    return true;
}

bool MeetSession::QueryExit() {
    return messages_.Ask("Ok to Exit?") && CloseMeet();
}

bool MeetSession::Save() {
    if (!meet_)
        return false;
    if (fileName_.empty())
        return SaveAs();
    if (!SaveTo(fileName_, true, fileStamp_))
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
    if (!meet_ || !messages_.Ask("This saves only key data; NO crew, draw or race info is "
                                 "saved. Continue?"))
        return false;
    const std::string name = host_.ChooseMeetFile(KeyDataFileName(fileName_));
    if (name.empty())
        return false;
    if (!fileName_.empty() && IsSameFile(fileName_, name)) {
        messages_.Inform(KeyDataOverMeetText);
        return false;
    }
    return SaveTo(name, false);
}

bool MeetSession::SaveTo(const std::string& name, bool full, std::optional<FileStamp> seen) {
    const LockedSave save{
        .Name = name,
        .Full = full,
        .Seen = seen,
        .KeepWaiting = [this, &name] { return host_.KeepWaitingForLock(name); },
        .WaitOver = [this] { host_.LockWaitOver(); },
        .Overwrite = [this, &name] { return messages_.Ask(OverwriteQuestion(name)); }};
    std::string error;
    if (!SaveUnderLock(*meet_, save, written_, error)) {
        if (!error.empty())
            messages_.Inform(error);
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
    const std::optional<std::string> title =
        messages_.AskText(TitleCaption, TitlePrompt, meet_->Title);
    if (!title)
        return false;
    const std::optional<std::string> date = messages_.AskText(DateCaption, DatePrompt, meet_->Date);
    if (!date)
        return false;
    meet_->Title = CleanText(*title);
    meet_->Date = CleanText(*date);
    Changed("Change Boatmeet Title/Date", {}, {aspect::Title});
    return true;
}

bool MeetSession::DrawAllEvents() {
    if (!meet_)
        return false;
    if (!meet_->Draws.empty() && !messages_.Ask("Some events may be drawn. OK to overwrite Draw?"))
        return false;
    bm::DrawAllEvents(*meet_);
    Changed("Draw all Events", {}, {aspect::Draws | aspect::Races});
    return true;
}

bool MeetSession::NumberRaces() {
    if (!meet_)
        return false;
    bm::NumberRaces(*meet_);
    Changed("Number Races", {}, {aspect::Draws});
    return true;
}

bool MeetSession::NumberCrews(bool byEvent) {
    if (!meet_)
        return false;
    if (byEvent)
        meet_->NumberCrewsByEvent();
    else
        meet_->NumberCrewsByClub();
    Changed(byEvent ? "Number Crews By Event" : "Number Crews By Club", {}, {aspect::Crews});
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
    RecoveryChoice recovered = ChooseRecoveryCopy(FindRecoveryCopies(recoveryFolder_), messages_);
    if (!recovered.Meet || !LetGo())
        return false;
    meet_ = std::move(recovered.Meet);
    SetFileName(RecoversAsNewMeet(recovered.Copy) ? std::string() : recovered.Copy.MeetFile);
    fileStamp_ = StampFile(fileName_);
    AfterOpen();
    BeginMeet(false, std::move(recovered));
    Replaced();
    return true;
}

// --- The one door for changes -------------------------------------------------------

void MeetSession::AddObserver(MeetObserver& observer) {
    observers_.push_back(&observer);
}

void MeetSession::RemoveObserver(MeetObserver& observer) {
    std::erase(observers_, &observer);
}

void MeetSession::Changed(std::string_view step, std::string_view group, MeetChange change) {
    if (!meet_)
        return;
    if (keepSteps_ && history_.Record(*meet_, step, group))
        UpdateRecovery();
    Pending(change);
}

void MeetSession::Finish(const EditResult& result, std::string_view step, std::string_view group,
                         MeetChange change) {
    if (!result.Stop.empty())
        messages_.Inform(result.Stop);
    for (const std::string& message : result.Messages)
        messages_.Inform(message);
    if (result.Changed)
        Changed(step, group, change);
}

void MeetSession::SettingsChanged() {
    Pending({aspect::All, nullptr});
}

void MeetSession::Pending(const MeetChange& change) {
    pending_.Add(change);
    if (posted_)
        return;
    posted_ = true;
    host_.Post([alive = std::weak_ptr<char>(alive_), this] {
        if (!alive.expired())
            NotifyObservers();
    });
}

void MeetSession::NotifyObservers() {
    posted_ = false;
    if (pending_.Empty())
        return;
    const MeetChanges changes = std::move(pending_);
    pending_ = {};
    TellObservers([&](MeetObserver& observer) { observer.MeetChanged(changes); });
}

void MeetSession::Replaced() {
    pending_ = {};
    TellObservers([](MeetObserver& observer) { observer.MeetReplaced(); });
    Pending({aspect::All, nullptr});
}

void MeetSession::TellObservers(const std::function<void(MeetObserver&)>& tell) {
    // An observer may add or remove observers meanwhile (a window opened or
    // closed): those still registered when their turn comes are told.
    const std::vector<MeetObserver*> observers = observers_;
    for (MeetObserver* observer : observers)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            tell(*observer);
}

bool MeetSession::Undo() {
    if (!meet_ || !history_.Undo(*meet_))
        return false;
    UpdateRecovery();
    Pending({aspect::All, nullptr});
    return true;
}

bool MeetSession::Redo() {
    if (!meet_ || !history_.Redo(*meet_))
        return false;
    UpdateRecovery();
    Pending({aspect::All, nullptr});
    return true;
}

void MeetSession::FlushRecovery() {
    if (writer_)
        writer_->Flush();
}

void MeetSession::BeginMeet(bool saved, RecoveryChoice recovered) {
    if (keepSteps_)
        history_.Start(*meet_, saved);
    if (recoveryFolder_.empty())
        return;
    if (recovered.Claim) {
        copyPath_ = recovered.Copy.Path;
        copyLock_ = std::move(recovered.Claim);
        return;
    }
    copyPath_ = NewRecoveryCopyPath(recoveryFolder_);
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
    fileStamp_ = written_;
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
    if (!messages_.Ask(ReloadQuestion(fileName_))) {
        declinedReload_ = now;
        return false;
    }
    std::string error;
    std::unique_ptr<Boatmeet> reloaded = OpenMeetFile(fileName_, error);
    if (!reloaded) {
        declinedReload_ = now;
        messages_.Inform(error);
        return false;
    }
    // Nothing is unsaved, so the meet is replaced without the close question.
    EndMeet();
    meet_ = std::move(reloaded);
    fileStamp_ = now;
    AfterOpen();
    BeginMeet(true);
    Replaced();
    return true;
}

void MeetSession::UpdateRecovery() {
    if (!writer_ || copyPath_.empty())
        return;
    if (history_.IsModified())
        // The copy's text is made on the writer's thread, once for a burst of
        // typing, from the present state the history shares.
        writer_->Write(copyPath_, [meet = history_.PresentMeet(), file = fileIdentity_,
                                   changed = MillisecondsNow(), base = fileStamp_] {
            return RecoveryCopyText(meet->SavedText(), file, changed, base);
        });
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
