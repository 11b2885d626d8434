// TCEdit: the crew editor: every crew of the meet in a list, the current
// crew's fields, and its double-up and boat-share links to other crews.
// Modeless; every change goes straight into the meet, with no OK or Cancel.
#pragma once

#include "engine/editors/creweditor.h"
#include "gui/common/sessionview.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

// What a screen reader calls the two warning labels, before the warning.
inline constexpr const char* LengthCaption = "Length warning";
inline constexpr const char* SameClubCaption = "Same club warning";

class CrewListModel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class WarningLabel;

class TCEdit : public QWidget, public SessionView {
    Q_OBJECT
public:
    // The editor works on the session's meet.
    explicit TCEdit(bm::MeetSession& session, QWidget* parent = nullptr);
    ~TCEdit() override;

    // Shows the editor on the open meet with no current crew (the crews are
    // sorted by event and club); does nothing without a meet.
    void OpenCrewEditor();

    // A change made elsewhere fills the lists and the fields again, keeping
    // the current crew; another meet leaves a visible editor open on it, empty.
    void MeetReplaced() override;

    // --- Handlers of the controls ---
    // A drop-down opens: it offers its set as it is now.
    void ClubDrop();
    void EventDrop();
    // A choice made in a drop-down.
    void ClubChosen(int index);
    void EventChosen(int index);
    void SelectCrewFromList();
    void DoNew();
    void DoDelete();
    void DoAddDouble();
    void DoAddShare();
    void DoRemoveDoubleUp();
    void DoRemoveBoatShare();
    void ClickCurrent();
    void DoClose();

protected:
    bool Showing() const override { return isVisible() && editor_; }
    void ReloadFromMeet() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Operation = std::function<bm::CrewEditResult()>;

    // --- Building the window (creweditorcontrols.cpp) ---
    void BuildControls();
    void BuildDetails();
    void BuildAssociations();
    void BuildCrewList();
    void LayOutControls();
    void SetTabOrder();
    void ConnectControls();

    // A change typed into an edit: one step of a typing group per field.
    void EditTyped(QLineEdit* edit, const char* field, const Operation& operation);
    // A check box clicked.
    void EditChosen(const Operation& operation);
    // A drop-down choice made: the same-club check is shown beside the fields.
    void Choose(const Operation& operation);
    // After an action: the list and fields shown as the result says, the
    // same-club warning beside the fields, then the stop and the other
    // messages shown and the change handed to the session.
    void Finish(const bm::CrewEditResult& result, std::string_view step,
                std::string_view group = {});
    // Everything anew: the crew list, both drop-downs and the fields.
    void ShowAll();
    void FillChoices(QComboBox* box, const std::vector<std::string>& choices, int selected);
    // The current crew's fields, links and length label, and its line selected.
    void ShowCurrentCrew();
    void ShowLinks(QListWidget* list, const std::vector<bm::CrewLine>& links);
    void ShowEdit(QLineEdit* edit, const std::string& stored);
    // What the fields hold for the edit's field.
    const std::string& StoredText(const bm::CrewFields& fields, const QLineEdit* edit) const;
    void SelectCurrentLine();
    int SelectedCrewLine() const;
    void RememberCurrent();
    void EndTyping();
    void ShowSameClub(const bm::CrewEditResult& result);

    std::unique_ptr<bm::CrewEditor> editor_;
    // The current crew's id, to find it again when the meet's crews were
    // made anew (undo and redo); -1 for none.
    int currentId_ = -1;
    // The edit being typed in, and the value its typing stored: refreshes
    // leave its text alone while the meet still holds that value.
    QLineEdit* typingIn_ = nullptr;
    std::string typedValue_;

    QGroupBox* Details_GB = nullptr;
    QComboBox* Club_CB = nullptr;
    QLineEdit* Name_E = nullptr;
    QLineEdit* Number_E = nullptr;
    QComboBox* Event_CB = nullptr;
    QLineEdit* Notes_E = nullptr;
    QLineEdit* DayLic_E = nullptr;
    QCheckBox* EntryFee_CB = nullptr;
    QCheckBox* EarlyReg_CB = nullptr;
    WarningLabel* OverSize_L = nullptr;
    WarningLabel* SameClub_L = nullptr;
    QPushButton* New_B = nullptr;
    QPushButton* Delete_B = nullptr;
    QGroupBox* CrewList_GB = nullptr;
    QListView* CrewList_LB = nullptr;
    CrewListModel* crewLines_ = nullptr;
    QPushButton* Add_Share_B = nullptr;
    QPushButton* Add_Double_B = nullptr;
    QGroupBox* Associations_GB = nullptr;
    QListWidget* BoatShare_LB = nullptr;
    QListWidget* DoubleUp_LB = nullptr;
    QPushButton* Remove_Share_B = nullptr;
    QPushButton* Remove_Double_B = nullptr;
    QPushButton* Close_B = nullptr;
};
