// TForm1: the main window: the open meet with its file flows, the meet-wide
// commands, the report panel, and the way into every editor and dialog. The
// flows themselves are the engine's MeetSession, which this window holds and
// hands to every window; the window supplies the session's dialogs and, as
// one of the session's observers, keeps its title and Edit menu with the meet.
#pragma once

#include "engine/session/meetsession.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class DialogProvider;
class QAction;
class QMenu;
class QToolButton;
class ReportView;
class TAboutBox;
class TDEdit;
class TESplitF;
class TCEdit;
class TListEdit_F;
class TInfo_F;
class THelpF;
class TMakeData_F;
class TPlan_F;
class TPrefsF;
class TProgressF;
class LockWait;
class TRaceEdit_F;
class TRaceResults;

namespace bm {
class SettingsStore;
}

// The meet file named by the program's one optional argument, as a full,
// clean name, so the recent files can open it again from any folder; empty
// without an argument.
QString MeetFileArgument(const QStringList& arguments);

class TForm1 : public QMainWindow, private bm::SessionHost, private bm::MeetObserver {
    Q_OBJECT
public:
    // The window works with the given settings store, dialogs and messages;
    // none is owned.
    TForm1(bm::SettingsStore& store, DialogProvider& dialogs, bm::MessageHandler& messages,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // --- File (filecommands.cpp) ---
    void DoFileReopen();
    void FileOpen();
    void FileReopen(const QString& name);
    void OpenLast();
    void FileSave();
    void FileSaveAs();
    void FileSaveKey();
    void FileExit();
    // Opens a meet file as the open flow does.
    void OpenFile(const QString& name);

    // --- Edit and the recovery copy (editcommands.cpp) ---
    // Undo and redo of the changes to the meet.
    void EditUndo();
    void EditRedo();
    // Keeps recovery copies of unsaved changes in the folder (the user's
    // application data); without it none is kept. Set once, at start-up.
    void SetRecoveryFolder(const QString& folder);
    // The program's start, once the window is shown: the meet file given opens
    // (and a recovery copy of it is offered); without one the About box
    // greets, then every recovery copy of a meet left unsaved is offered.
    void StartUp(const QString& meetFile);

    // --- Operations (filecommands.cpp) ---
    void OpsCreateNew();
    void OpsChangeTitle();
    void OpnsSplit();
    void OpnsDraw();
    void OpnsNumberRaces();
    void OpnsNumberCrews(bool byEvent);
    void OpnsPlanDay();
    void OpnsTestData();
    void VEXATest();

    // --- Publishing (publishcommand.cpp) ---
    // Writes the regatta's web site into a folder chosen by the user (the
    // meet's last one offered first) and shows what changed since the
    // previous publication there.
    void PublishToFolder();

    // --- The report panel with its outputs ---
    // Produces the selected report of the open meet in the report view.
    void RefreshDisplay();
    ReportView& Report() { return *Panel1; }

    // --- Editors and Help (mainwindow.cpp) ---
    void EditCrew();
    void EditEvent();
    void EditClub();
    void EditRace();
    void EditDraw();
    void EditPreferences();
    void ShowResultsEditor();
    void EditInfo();
    void DoHelp();
    void DoAbout();
    // The folder where the help file is looked for (the program's folder by default).
    void SetHelpFolder(const QString& folder) { helpFolder_ = folder; }

    // Every open window reloads from the meet at once, the title follows the
    // meet and the report view is produced again (after the preferences).
    void RefreshAll();
    bm::MeetSession& Session() { return session_; }
    TProgressF* ProgressWindow() const { return ProgressF; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // SessionHost
    std::string ChooseMeetFile(const std::string& proposed) override;
    std::string ReadSettings() override;
    std::vector<std::string> RecentFiles() override;
    void AddRecentFile(const std::string& name) override;
    void Post(std::function<void()> call) override;
    bool KeepWaitingForLock(const std::string& name) override;
    void LockWaitOver() override;
    // MeetObserver: the title, the Edit menu and the commands follow the
    // meet; another meet shows in them at once.
    void MeetChanged(const bm::MeetChanges& changes) override;
    void MeetReplaced() override;

    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildOperationsMenu();
    void BuildOutputMenu(QMenu* menu);
    void BuildToolButtons();
    void LayOutClient();
    QAction* AddAction(QMenu* menu, const char* caption, const char* name,
                       void (TForm1::*handler)());
    QToolButton* AddToolButton(const char* name, const char* text, const char* hint,
                               void (TForm1::*handler)());
    void DoRefresh();
    void SetWindowTitle();
    // The commands that need a meet are enabled exactly while one is open.
    void EnableMeetCommands();
    // The Edit menu names the steps that Undo and Redo would take back or
    // bring back, and offers only what there is.
    void UpdateEditActions();
    // Says once, when the recovery copy could not be written, that unsaved
    // changes are not safe from a crash.
    void CheckRecoveryCopy();
    void CheckClose(QCloseEvent* event);
    void BuildWindows();

    bm::SettingsStore& store_;
    DialogProvider& dialogs_;
    bm::MeetSession session_;
    QString helpFolder_;
    // While the reload question is up, coming back to the window asks nothing.
    bool offeringReload_ = false;

    QWidget* Panel2 = nullptr;
    ReportView* Panel1 = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* Reopen = nullptr;
    QAction* UndoItem = nullptr;
    QAction* RedoItem = nullptr;
    QString recoveryFolder_;
    QTimer recoveryCheck_;
    bool recoveryWarned_ = false;

    TListEdit_F* ListEdit_F = nullptr;
    TCEdit* CEdit = nullptr;
    TProgressF* ProgressF = nullptr;
    std::unique_ptr<LockWait> lockWait_;
    TPrefsF* PrefsF = nullptr;
    TAboutBox* AboutBox = nullptr;
    THelpF* HelpF = nullptr;
    TDEdit* DEdit = nullptr;
    TESplitF* ESplitF = nullptr;
    TMakeData_F* MakeData_F = nullptr;
    TRaceEdit_F* RaceEdit_F = nullptr;
    TRaceResults* RaceResults = nullptr;
    TInfo_F* Info_F = nullptr;
    TPlan_F* Plan_F = nullptr;
};
