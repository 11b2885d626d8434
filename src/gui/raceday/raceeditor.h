// TRaceEdit_F: the "Race Editor": one race shown by its number with its
// details and its time set by hand; the race periods, the least times between
// races and the scheduling choices; and the commands that schedule, realign
// and clear race times.
#pragma once

#include "gui/common/sessionview.h"

#include <QWidget>

#include <string_view>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class RadioGroup;
class TProgressF;
class TRaceChk_F;
class TRPEdit;

namespace bm {
class Boatmeet;
struct EditResult;
} // namespace bm

class TRaceEdit_F : public QWidget, public SessionView {
    Q_OBJECT
public:
    // The window works on the session's meet and shows the scheduler's
    // progress in the progress window.
    TRaceEdit_F(bm::MeetSession& session, TProgressF& progress, QWidget* parent);

    // Fills the window from the open meet and shows it (the Race Editor command).
    void OpenRaceEditor();

    void MeetReplaced() override;

    // --- Handlers ---
    // The race the number names: its time and details.
    void ChgeRaceNo();
    void DoSetTime();
    // The least times and scheduling choices go to the meet as the window shows them.
    void SetASTimes(std::string_view step, std::string_view group = {});
    void DoAddRacePeriod();
    void EditRacePeriod(QListWidgetItem* item);
    void DoClearRaces();
    void DoSchedule();
    void DoRealign();
    void DoFixed();
    void DoClose();

signals:
    // "Plan the Day...": the main window shows the plan window.
    void PlanRequested();

protected:
    bool Showing() const override { return isVisible() && Meet(); }
    void ReloadFromMeet() override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* ManualPanel();
    QWidget* SchedulingPanel();
    QWidget* PeriodList();
    QWidget* LeastTimes();
    QWidget* SchedulingButtons();
    QLineEdit* LeastTimeEdit(const char* name);
    // The period rows, least times, choices and the races still to time, as
    // the meet holds them; `all` rewrites every field, otherwise a field whose
    // value the meet already holds is left as typed.
    void FillFields(bool all);
    // After a command: its information shows, and the change becomes a step.
    void Apply(const bm::EditResult& result, std::string_view step, unsigned aspects);
    bm::Boatmeet* Meet() const;

    TProgressF& progress_;
    // Off while the window fills its fields, so that the change handlers do
    // not write half-filled values to the meet.
    bool ready_ = false;
    // On while the scheduler runs: no second run starts.
    bool busy_ = false;

    QLineEdit* RaceNo_E = nullptr;
    QLineEdit* Time_E = nullptr;
    QPushButton* SetTime_B = nullptr;
    QPlainTextEdit* RMemo = nullptr;
    QListWidget* RaceP_LB = nullptr;
    QLineEdit* BRTime_E = nullptr;
    QLineEdit* BSTime_E = nullptr;
    QLineEdit* DUTime_E = nullptr;
    RadioGroup* SType_RG = nullptr;
    RadioGroup* fType_RG = nullptr;
    QLabel* Capacity_L = nullptr;
    QPushButton* AddRP_B = nullptr;
    QPushButton* ReTime_B = nullptr;
    QPushButton* Clear_B = nullptr;
    QPushButton* Schedule_B = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Plan_B = nullptr;
    QPushButton* Close_B = nullptr;
    TRPEdit* RPEdit = nullptr;
    TRaceChk_F* RaceChk_F = nullptr;
};
