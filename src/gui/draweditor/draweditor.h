// TDEdit: the "Draw Editor" window: one event's first-round slots and its
// unplaced crews, with the buttons that place a crew into a slot, empty a
// slot, add or take away a first round, and draw the event afresh. It is
// modeless; while it is open the main window's report view shows the draw of
// the event it edits instead of the selected report.
#pragma once

#include "gui/mainwindow/meetview.h"

#include <QDialog>

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class TForm1;

namespace bm {
class DrawEditor;
}

class TDEdit : public QDialog, public MeetView {
    Q_OBJECT
public:
    // The window edits the draws of the main window's open meet.
    explicit TDEdit(TForm1& form);
    ~TDEdit() override;

    // Opening: the lists start afresh on the open meet, the chosen event (if
    // it is still an event) is loaded again, and the window is shown.
    void Open();

    // MeetView
    void ReloadFromMeet() override;
    void MeetReplaced() override;

    // --- The controls' handlers ---
    void DoNewEvent();
    void AddToDraw();
    void RemoveFromDraw();
    void DoExpand();
    void DoContract();
    void DoAuto();
    void DoClose();

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
    // After a button: a message that stopped it is shown; a rebuilt draw is
    // a change of the meet.
    void Finish(bool rebuilt, const std::string& message);
    int ChosenSlot() const;
    int ChosenCrew() const;

    TForm1& form_;
    std::unique_ptr<bm::DrawEditor> editor_;

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
