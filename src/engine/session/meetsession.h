// The open meet of the desktop program as a document: the flows that open,
// create, save and close it, with every question and message they show, and
// the one door through which every change of the meet passes: the change
// becomes an undoable step, the recovery copy follows, and the views of the
// meet (its observers) are told once the gesture that made it is over. The
// program around it supplies the settings store and the save dialog through
// SessionHost; messages and questions go through the MessageHandler it holds.
#pragma once

#include "engine/editors/editing.h"
#include "engine/model/boatmeet.h"
#include "engine/session/filestamp.h"
#include "engine/session/history.h"
#include "engine/session/meetobserver.h"
#include "engine/session/messages.h"
#include "engine/session/recovery.h"
#include "engine/session/recoverywriter.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

// What the session needs from the program around it. Without one of its own
// a program keeps no recent files and tells observers at once.
class SessionHost {
public:
    virtual ~SessionHost() = default;
    // The name chosen in the meet save dialog, which starts at the proposed
    // name; empty when the dialog is cancelled.
    virtual std::string ChooseMeetFile(const std::string& proposed) {
        (void)proposed;
        return {};
    }
    // Reads the user's settings into the process-wide settings; a problem
    // found on the way is returned, to be shown.
    virtual std::string ReadSettings() { return {}; }
    virtual std::vector<std::string> RecentFiles() { return {}; }
    virtual void AddRecentFile(const std::string& name) { (void)name; }
    // Has the call made once the program's current event is handled (a
    // program with an event loop posts it); by default it is made at once.
    virtual void Post(std::function<void()> call) { call(); }
    // Asked about every 10 ms while a save waits for another program to
    // finish writing the file NAME (at most WriteLock::DefaultWait): false
    // gives the save up, and nothing is written. A program with windows
    // shows the waiting, with a way to cancel it.
    virtual bool KeepWaitingForLock(const std::string& name) {
        (void)name;
        return true;
    }
    // The waiting for the lock is over, whatever its end.
    virtual void LockWaitOver() {}
};

// Whether the session keeps the undo history of its meet. A program that
// makes one change and ends (the command line) keeps none.
enum class StepHistory { Kept, NotKept };

class MeetSession {
public:
    MeetSession(SessionHost& host, MessageHandler& messages, StepHistory steps = StepHistory::Kept);
    ~MeetSession();
    MeetSession(const MeetSession&) = delete;
    MeetSession& operator=(const MeetSession&) = delete;

    // --- The open/save/close flows; true when a meet was opened or created ---
    bool OpenFile(const std::string& name);
    // Opens the most recent file of the list.
    bool OpenLast();
    // Asks the title and the date (Cancel abandons, leaving the open meet as
    // it is), closes the open meet and creates the new one.
    bool CreateNew();
    // When the meet has unsaved changes asks "Save Existing Data?": Yes saves,
    // No leaves them in the recovery copy, Cancel keeps the meet open. True
    // when the meet was closed; a save that fails or is cancelled keeps it
    // open too.
    bool CloseMeet();
    // "Ok to Exit?": true, with the meet closed, when the program may end.
    bool QueryExit();

    // --- Saving; true when the file was written ---
    // Each save takes the file's write lock, waiting while another program
    // writes it (the host may give the waiting up: nothing is written), and
    // writes under it. A lock that cannot be had, or a read-only file, is
    // told and nothing is written. Save looks at the file under the lock:
    // when another program changed it since it was opened or last saved
    // here, the lock is let go and "The file NAME was changed by another
    // program since it was opened. Overwrite it?" is asked; No leaves the
    // file as it is, Yes takes the lock again and looks again.
    bool Save();
    bool SaveAs();
    bool SaveKeyData();

    // --- Meet-wide commands; true when the meet changed (each an undoable step) ---
    bool ChangeTitleAndDate();
    bool DrawAllEvents();
    bool NumberRaces();
    bool NumberCrews(bool byEvent);

    // --- The one door for changes ---
    // The views of the meet: told of every change and of every other meet.
    // An observer removes itself before it goes.
    void AddObserver(MeetObserver& observer);
    void RemoveObserver(MeetObserver& observer);
    // Records the change just made to the open meet as an undoable step named
    // for the Edit menu (see MeetHistory::Record for the group), has the
    // recovery copy written shortly, and tells the observers once the
    // program's current event is handled (several changes: one telling).
    void Changed(std::string_view step, std::string_view group = {}, MeetChange change = {});
    // The end of an editor action: its stop and then its messages in
    // information boxes, and, when it changed the meet, Changed.
    void Finish(const EditResult& result, std::string_view step, std::string_view group = {},
                MeetChange change = {});
    // The settings the views show the meet with changed (the preferences).
    void SettingsChanged();
    // Tells the observers now of the changes not yet told.
    void NotifyObservers();
    MessageHandler& Messages() const { return messages_; }

    // --- Undo, redo and the recovery copy ---
    // The folder of the user's application data where recovery copies are
    // kept; until it is set none is kept. Set it once, at start-up.
    void SetRecoveryFolder(const std::string& folder);
    // At start-up: asks about each recovery copy found, newest first, and
    // opens the first one answered Yes as a changed, unsaved meet (with no
    // file name when its file changed since or the copy is damaged); a copy
    // answered No is discarded. True when a recovered meet was opened.
    // OpenFile asks the same about the copies of the file it opens.
    bool OfferRecovery();
    // The next change starts a new step (the user left the field typed in).
    void EndTyping() { history_.EndTyping(); }
    // True when the meet changed; every crew, draw and race is then new.
    bool Undo();
    bool Redo();
    const MeetHistory& History() const { return history_; }
    // True when the open meet has changes that are not saved.
    bool IsModified() const { return meet_ && history_.IsModified(); }
    // Returns once the recovery copy on disk is up to date.
    void FlushRecovery();
    // This meet's recovery copy; empty while none is kept.
    const std::string& RecoveryCopyPath() const { return copyPath_; }
    // True when the last recovery copy could not be written (a full disk, say).
    bool RecoveryWriteFailed() const { return writer_ && writer_->LastWriteFailed(); }

    // --- The meet's file on disk ---
    // True when another program changed the open meet's file since it was
    // opened or last saved here (NAME in the questions is the file's full name).
    bool FileChangedOnDisk() const;
    // When the window comes back to the front: if another program changed the
    // file and the meet has no unsaved change, asks "The file NAME was changed
    // by another program. Reload it?" (once for each new content of the
    // file); Yes opens the file again. True when the meet was reloaded.
    bool OfferReload();

    Boatmeet* Meet() const { return meet_.get(); }
    bool HasMeet() const { return meet_ != nullptr; }
    const std::string& FileName() const { return fileName_; }
    std::string WindowTitle() const;

private:
    // Seen: the file as last seen here, when it is to be looked at first.
    bool SaveTo(const std::string& name, bool full, std::optional<FileStamp> seen = {});
    // The close flow without telling the observers (another meet follows, or
    // CloseMeet tells them): false when the meet stays open.
    bool LetGo();
    void AfterOpen();
    void AfterSave();
    // Starts the history and the recovery copy of the meet just made current;
    // a recovered copy is carried on with, under the claim taken when it was
    // offered.
    void BeginMeet(bool saved, RecoveryChoice recovered = {});
    void EndMeet();
    void SetFileName(const std::string& name);
    void UpdateRecovery();
    // The meet was replaced (or closed): observers forget the old one now and
    // are shown the new one with the next telling.
    void Replaced();
    // The changes wait to be told; the telling is posted once.
    void Pending(const MeetChange& change);
    void TellObservers(const std::function<void(MeetObserver&)>& tell);

    SessionHost& host_;
    MessageHandler& messages_;
    bool keepSteps_;
    std::vector<MeetObserver*> observers_;
    MeetChanges pending_;
    bool posted_ = false;
    // Posted tellings hold it weakly, so none runs after the session is gone.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
    std::unique_ptr<Boatmeet> meet_;
    std::string fileName_;
    std::string fileIdentity_; // the file name as recovery copies give it
    FileStamp fileStamp_;      // the file as it was opened or last saved here
    FileStamp written_;        // the file as the last save here wrote it
    FileStamp declinedReload_; // the file's content when a reload was declined
    MeetHistory history_;
    std::string recoveryFolder_;
    std::string copyPath_;
    std::unique_ptr<RecoveryLock> copyLock_;
    // After the lock: destroyed first, so a last write is done before the
    // lock is let go.
    std::unique_ptr<RecoveryWriter> writer_;
};

// The name proposed for the key data of a meet file: "spring.bmf" gives
// "springKey.bmf", any other name gets "Key" appended.
std::string KeyDataFileName(const std::string& fileName);

} // namespace bm
