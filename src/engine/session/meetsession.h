// The open meet of the desktop program and the flows that open, create, save
// and close it, with every question and message they show. The window around
// it supplies the dialogs and the settings store through SessionHost and
// refreshes its views when an operation reports a change. The session also
// keeps the meet's undo history and, given a recovery folder, its recovery copy.
#pragma once

#include "engine/model/boatmeet.h"
#include "engine/session/filestamp.h"
#include "engine/session/history.h"
#include "engine/session/recovery.h"
#include "engine/session/recoverywriter.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bm {

// What the session needs from the program around it.
class SessionHost {
public:
    virtual ~SessionHost() = default;
    // The name chosen in the meet save dialog, which starts at the proposed
    // name; empty when the dialog is cancelled.
    virtual std::string ChooseMeetFile(const std::string& proposed) = 0;
    // The text left in the input dialog when it closes.
    virtual std::string AskText(const std::string& caption, const std::string& prompt,
                                const std::string& text) = 0;
    // Reads the user's settings into the process-wide settings.
    virtual void ReadSettings() = 0;
    virtual std::vector<std::string> RecentFiles() = 0;
    virtual void AddRecentFile(const std::string& name) = 0;
};

class MeetSession {
public:
    explicit MeetSession(SessionHost& host);
    ~MeetSession();
    MeetSession(const MeetSession&) = delete;
    MeetSession& operator=(const MeetSession&) = delete;

    // --- The open/save/close flows; true when a meet was opened or created ---
    bool OpenFile(const std::string& name);
    // Opens the most recent file of the list.
    bool OpenLast();
    bool CreateNew();
    // Asks "Save Existing Data?" (Yes saves), then closes the meet whatever
    // became of the save.
    void CloseMeet();
    // "Ok to Exit?": true, with the meet closed, when the program may end.
    bool QueryExit();

    // --- Saving; true when the file was written ---
    // When another program changed the file since it was opened or last
    // saved here, asks "The file NAME was changed by another program since
    // it was opened. Overwrite it?" first; No leaves the file as it is.
    bool Save();
    bool SaveAs();
    bool SaveKeyData();

    // --- Meet-wide commands; true when the meet changed (each an undoable step) ---
    bool ChangeTitleAndDate();
    bool DrawAllEvents();
    bool NumberRaces();
    bool NumberCrews(bool byEvent);

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
    // Records the change just made to the open meet as an undoable step named
    // for the menu (see MeetHistory::Record for the group), and has the
    // recovery copy written shortly.
    void RecordChange(std::string_view name, std::string_view group = {});
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
    bool SaveTo(const std::string& name, bool full);
    void AfterOpen();
    void AfterSave();
    // Starts the history and the recovery copy of the meet just made current;
    // copyPath names a recovered copy to carry on with.
    void BeginMeet(bool saved, const std::string& copyPath);
    void EndMeet();
    void SetFileName(const std::string& name);
    void UpdateRecovery();

    SessionHost& host_;
    std::unique_ptr<Boatmeet> meet_;
    std::string fileName_;
    std::string fileIdentity_; // the file name as recovery copies give it
    FileStamp fileStamp_;      // the file as it was opened or last saved here
    FileStamp declinedReload_; // the file's content when a reload was declined
    bool meetOpen_ = false;
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
