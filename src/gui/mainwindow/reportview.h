// ReportView: the main window's report panel Panel1: the display selector
// DSelect_CB, the display lock DisplayLock_CB and the draw show type
// DrawShowType_CB above the report view REdit with its pop-up menu
// PopupMenu1, and every output of the view's lines (text, RTF, HTML and PDF
// files, printer, clipboard) with the printer set-up and the view's font.
// Reports are written on a thread of their own from a copy of the meet. One
// asked for (the selector, the show type, the lock let go) that is ready
// within half a second shows at once, a longer one when it is ready, with a
// progress window beside that can cancel it (as Escape does) and never takes
// the keys. After a change of the meet the report is made once the changes
// pause (typing goes on undisturbed), and the next change cancels it; no
// window shows.
#pragma once

#include "engine/draw/drawdisplay.h"
#include "gui/common/sessionview.h"

#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class BackgroundReport;
class DialogProvider;
class QCheckBox;
class QComboBox;
class QMenu;
class QPrinter;
class QTimer;
class ReportLinesView;
class ReportText;
class TProgressF;

class ReportView : public QWidget, public SessionView {
    Q_OBJECT
public:
    // The panel shows the reports of the session's meet, produced again at
    // every change, and asks through the dialogs; neither is owned.
    ReportView(bm::MeetSession& session, DialogProvider& dialogs, QWidget* parent = nullptr);
    ~ReportView() override;

    // The view keeps nothing of the meet: the next telling shows the new
    // one at once.
    void MeetReplaced() override { replaced_ = true; }

    // Produces the selected report of the open meet and shows it, unless a
    // window has taken the view over or the display is locked. A report not
    // ready within half a second shows when it is, with the progress window
    // meanwhile; a report cancelled there leaves the view empty.
    void RefreshDisplay();
    // How long a refresh waits for its report before it shows the progress
    // window (half a second unless set).
    void SetReportWait(std::chrono::milliseconds wait) { reportWait_ = wait; }
    // How long the changes of the meet must pause before the report is made
    // (a quarter of a second unless set).
    void SetChangePause(std::chrono::milliseconds pause);
    // True while a report is due or being produced for the view.
    bool Producing() const;
    // While the function gives true a window has taken the view over (the
    // draw editor, while it is open, shows the draw it edits there): the
    // selected report is not produced and the view shows what that window
    // loads into it.
    void SetTakenOver(std::function<bool()> takenOver) { takenOver_ = std::move(takenOver); }
    // Shows the lines in the view unless the display is locked (a report
    // still being produced is abandoned).
    void LoadView(const std::vector<std::string>& lines);
    // Ticks "Display Locked", so later refreshes leave the view's text as it is.
    void LockDisplay();
    // Shows the lines under "Display Locked", in place of what the view shows
    // even when it was locked: a text the user just asked for.
    void ShowLocked(const std::vector<std::string>& lines);
    std::vector<std::string> ViewLines() const;
    bm::ShowType DrawShowType() const;

    // --- Outputs of the view (the Output menu and the pop-up menu) ---
    void SaveViewAsText();
    void SaveViewAsRtf();
    void SaveViewAsHtml();
    void SaveViewAsPdf();
    void CopyViewToClipboard();
    void PrintView();
    void PrinterSetup();
    void ChooseViewFont();
    QPrinter& Printer() { return *printer_; }

protected:
    // SessionView: the panel is the main window's, on screen while the
    // program runs.
    bool Showing() const override { return true; }
    // After a change the report waits for the changes to pause; another
    // meet shows at once.
    void ReloadFromMeet() override;

private:
    void BuildSelectors();
    void BuildView();
    void LayOutControls();
    void BuildPopupMenu();
    void DisplayLockClicked();
    // Starts the selected report unless the view is taken over or locked:
    // false then. The report shows when it is ready.
    bool StartReport();
    // The report produced: shown when it is still the one asked for.
    void ReportReady(int generation);
    void ShowReport(ReportText text);
    void AbandonReport();
    // The report asked for is given up: the view empties.
    void CancelReport();
    // The file name chosen in a save dialog for the view's text, "" when cancelled.
    QString ChooseOutputFile(const char* filter, const char* suffix);
    void WriteOutput(const QString& name, const std::string& content);

    DialogProvider& dialogs_;
    std::unique_ptr<QPrinter> printer_;
    std::function<bool()> takenOver_;
    std::unique_ptr<BackgroundReport> producing_;
    int generation_ = 0;
    std::chrono::milliseconds reportWait_{500};
    TProgressF* progress_ = nullptr;
    QTimer* changePause_ = nullptr;
    bool replaced_ = false;

    QComboBox* DSelect_CB = nullptr;
    QCheckBox* DisplayLock_CB = nullptr;
    QComboBox* DrawShowType_CB = nullptr;
    ReportLinesView* REdit = nullptr;
    QMenu* PopupMenu1 = nullptr;
};
