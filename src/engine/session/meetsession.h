// The open meet of the desktop program and the flows that open, create, save
// and close it, with every question and message they show. The window around
// it supplies the dialogs and the settings store through SessionHost and
// refreshes its views when an operation reports a change.
#pragma once

#include "engine/model/boatmeet.h"

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
    bool Save();
    bool SaveAs();
    bool SaveKeyData();

    // --- Meet-wide commands; true when the meet changed ---
    bool ChangeTitleAndDate();
    bool DrawAllEvents();
    bool NumberRaces();
    bool NumberCrews(bool byEvent);

    Boatmeet* Meet() const { return meet_.get(); }
    bool HasMeet() const { return meet_ != nullptr; }
    const std::string& FileName() const { return fileName_; }
    std::string WindowTitle() const;

private:
    bool SaveTo(const std::string& name, bool full);
    void AfterOpen();

    SessionHost& host_;
    std::unique_ptr<Boatmeet> meet_;
    std::string fileName_;
    bool meetOpen_ = false;
};

// The name proposed for the key data of a meet file: "spring.bmf" gives
// "springKey.bmf", any other name gets "Key" appended.
std::string KeyDataFileName(const std::string& fileName);

// The message of a command whose window this version does not have yet.
std::string NotAvailableText(std::string_view command);

} // namespace bm
