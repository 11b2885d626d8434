// TListEdit_F: the list editor: the events or the clubs of the meet, each
// with its two side values (an event's sponsor and entry fee, a club's
// colours and contact). Modeless; every change goes straight into the meet.
#pragma once

#include "engine/editors/listeditor.h"
#include "gui/common/sessionview.h"

#include <QWidget>

#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TListEdit_F : public QWidget, public SessionView {
    Q_OBJECT
public:
    // The editor works on the session's meet.
    explicit TListEdit_F(bm::MeetSession& session, QWidget* parent = nullptr);
    ~TListEdit_F() override;

    // Shows the editor on the events or the clubs of the open meet, no line
    // selected; does nothing without a meet.
    void OpenListEditor(bm::EditedList list);

    // A change made elsewhere reloads the list, keeping the selected
    // position; another meet closes the editor.
    void MeetReplaced() override;

    // --- Handlers of the controls ---
    void DoClick();
    void DoOKB();
    void DoUp();
    void DoDown();
    void DoSort();
    void DoSortEvent();
    void DoDelete();
    void DoAdd();
    void DoSponsorSet();
    void DoEntryFeeSet();
    void DoClose();

protected:
    bool Showing() const override { return isVisible() && editor_; }
    void ReloadFromMeet() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void LayOutControls();
    void SetTabOrder();
    // Fills the list from the editor, selects its line and shows the edits
    // anew; "New Data:" is emptied.
    void ShowList();
    // The three edits of the selected line.
    void ShowValues();
    // After a button: the list shown anew, then the result handed to the session.
    void Finish(const bm::EditResult& result);
    // The name of the undoable step of a change here.
    std::string StepName() const;

    std::unique_ptr<bm::ListEditor> editor_;
    bm::EditedList list_ = bm::EditedList::Events;

    QLabel* Set1_L = nullptr;
    QLineEdit* Set1_E = nullptr;
    QPushButton* Set1_b = nullptr;
    QLabel* Set2_L = nullptr;
    QLineEdit* Set2_E = nullptr;
    QPushButton* Set2_B = nullptr;
    QListWidget* Data_LB = nullptr;
    QLineEdit* Modify_E = nullptr;
    QPushButton* DoOk = nullptr;
    QPushButton* Up_B = nullptr;
    QPushButton* Down_B = nullptr;
    QPushButton* Sort_B = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* LE_Delete_B = nullptr;
    QLineEdit* LEdit_E = nullptr;
    QPushButton* LE_Add_B = nullptr;
    QPushButton* LE_Close_B = nullptr;
};
