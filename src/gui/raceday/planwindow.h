// TPlan_F: "Plan the Day": whether the day holds every race with the rest
// every crew needs, before the draw or after it. The picture of the day
// beside the same plan as text (for screen readers, and to copy), a line that
// says in words whether it fits, and the proposals, of which a split opens the
// event splitter on the event and its number of divisions.
#pragma once

#include "engine/schedule/dayplan.h"
#include "gui/common/sessionview.h"

#include <QWidget>

class PlanPictureView;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

class TPlan_F : public QWidget, public SessionView {
    Q_OBJECT
public:
    // The window reads the session's meet; it changes nothing.
    TPlan_F(bm::MeetSession& session, QWidget* parent);

    // Works the plan out for the open meet and shows the window (Operations,
    // "Plan the Day...", and the race editor's button).
    void ShowPlan();

    void MeetReplaced() override;

    // --- Handlers ---
    void ProposalChosen();
    void DoSplit();
    void DoClose();

    const bm::DayPlan& Plan() const { return plan_; }

signals:
    // The organiser wants the event splitter on a proposed split; the main
    // window, which owns the splitter, opens it.
    void SplitProposed(const QString& event, int divisions);

protected:
    bool Showing() const override;
    void ReloadFromMeet() override { Replan(); }
    void showEvent(QShowEvent* event) override;

private:
    void Replan();
    const bm::PlanProposal* ChosenProposal() const;

    bm::DayPlan plan_;

    QLabel* Verdict_L = nullptr;
    QScrollArea* PictureArea = nullptr;
    PlanPictureView* Picture_PB = nullptr;
    QPlainTextEdit* PlanMemo = nullptr;
    QListWidget* Proposals_LB = nullptr;
    QPushButton* Split_B = nullptr;
    QPushButton* Close_B = nullptr;
};
