// TDEdit: the "Draw Editor" window: one event's first-round slots and its
// unplaced crews, with the buttons that place a crew into a slot, empty a
// slot, add or take away a first round, and draw the event afresh. It is
// modeless; while it is open the main window's report view shows the draw of
// the event it edits instead of the selected report.
#pragma once

#include "engine/editors/editing.h"
#include "gui/common/sessionview.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;

namespace bm {
class DrawEditor;
}

class TDEdit : public QDialog, public SessionView {
    Q_OBJECT
public:
    // The window edits the draws of the session's meet.
    TDEdit(bm::MeetSession& session, QWidget* parent);
    ~TDEdit() override;

    // Opening: the lists start afresh on the open meet, the chosen event (if
    // it is still an event) is loaded again, and the window is shown.
    void Open();
    // What the main window's report view shows while this window is open:
    // the chosen event's draw as a bracket chart naming the races.
    const std::vector<std::string>& ViewLines() const { return viewLines_; }

    void MeetReplaced() override;

    // --- The controls' handlers ---
    void DoNewEvent();
    void AddToDraw();
    void RemoveFromDraw();
    void DoExpand();
    void DoContract();
    void DoAuto();
    void DoClose();

signals:
    // ViewLines() changed.
    void ViewChanged();

protected:
    bool Showing() const override { return isVisible() && editor_; }
    void ReloadFromMeet() override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void LayOutControls();
    QLayout* ButtonColumn();
    QLayout* CountsGrid();
    QPushButton* AddButton(const char* name, const char* caption, void (TDEdit::*handler)());
    // Fills the event choice with the meet's events, keeping the event chosen.
    void DoDropDown();
    // Shows the editor's lists, counts and status, and the event's draw in
    // the main window's view.
    void RefreshLists();
    void ShowCounts();
    // After a button: a rebuilt draw is shown here and handed to the session;
    // a message that stopped it is shown.
    void Finish(const bm::EditResult& result);
    int ChosenSlot() const;
    int ChosenCrew() const;

    std::unique_ptr<bm::DrawEditor> editor_;
    std::vector<std::string> viewLines_;

    QComboBox* REEvents_CB = nullptr;
    QListWidget* RaceSlot_E = nullptr;
    QListWidget* UnPlaced_E = nullptr;
    QLabel* NCrews_L = nullptr;
    QLabel* Placed_L = nullptr;
    QLabel* UnPlaced_L = nullptr;
    QLabel* Status_L = nullptr;
    QPushButton* Move_B = nullptr;
    QPushButton* Remove_B = nullptr;
    QPushButton* Expand_B = nullptr;
    QPushButton* Contact_B = nullptr;
    QPushButton* Auto_B = nullptr;
    QPushButton* Close_C = nullptr;
};
