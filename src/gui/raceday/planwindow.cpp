#include "gui/raceday/planwindow.h"

#include "engine/model/boatmeet.h"
#include "engine/model/settings.h"
#include "engine/reports/dayplanreport.h"
#include "engine/session/meetsession.h"
#include "gui/raceday/planpicture.h"
#include "gui/raceday/racedaycontrols.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include <sstream>

using namespace raceday;

namespace {

// What the verdict line says: the first thing that does not fit, or that it fits.
QString VerdictText(const bm::DayPlan& plan) {
    const std::vector<std::string> problems = bm::DayPlanProblems(plan);
    if (problems.empty())
        return QStringLiteral("Fits: every race and round can fit within the race periods.");
    return QStringLiteral("Does not fit: ") + Text(problems.front()) + QLatin1Char('.');
}

} // namespace

TPlan_F::TPlan_F(bm::MeetSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), SessionView(session, bm::aspect::All) {
    setObjectName(QStringLiteral("Plan_F"));
    setWindowTitle(QStringLiteral("Plan the Day"));
    Verdict_L = new QLabel;
    Verdict_L->setObjectName(QStringLiteral("Verdict_L"));
    Verdict_L->setWordWrap(true);
    Verdict_L->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Verdict_L->setFocusPolicy(Qt::StrongFocus);
    Picture_PB = new PlanPictureView;
    PictureArea = new QScrollArea;
    PictureArea->setObjectName(QStringLiteral("PictureArea"));
    PictureArea->setWidgetResizable(true);
    PictureArea->setWidget(Picture_PB);
    PictureArea->setAccessibleName(QStringLiteral("Picture of the day"));
    PlanMemo = ReportText("PlanMemo", "The plan of the day as text");
    PlanMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(PictureArea);
    split->addWidget(PlanMemo);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({660, 440});
    Proposals_LB = new QListWidget;
    Proposals_LB->setObjectName(QStringLiteral("Proposals_LB"));
    Proposals_LB->setWordWrap(true);
    Proposals_LB->setMaximumHeight(120);
    Split_B = NamedButton("Split_B", "Open the Event &Splitter...");
    Split_B->setEnabled(false);
    Close_B = NamedButton("Close_B", "&Close");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Split_B);
    buttons->addStretch();
    buttons->addWidget(Close_B);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Verdict_L);
    layout->addWidget(split, 1);
    layout->addWidget(LabelFor("&Proposals:", Proposals_LB));
    Proposals_LB->setAccessibleName(QStringLiteral("Proposals"));
    layout->addWidget(Proposals_LB);
    layout->addLayout(buttons);
    connect(Proposals_LB, &QListWidget::currentRowChanged, this, &TPlan_F::ProposalChosen);
    connect(Proposals_LB, &QListWidget::itemActivated, this, &TPlan_F::DoSplit);
    connect(Split_B, &QPushButton::clicked, this, &TPlan_F::DoSplit);
    connect(Close_B, &QPushButton::clicked, this, &TPlan_F::DoClose);
    resize(1100, 720);
}

void TPlan_F::ShowPlan() {
    if (!session_.Meet())
        return;
    Replan();
    show();
    raise();
    activateWindow();
    Proposals_LB->setFocus();
}

bool TPlan_F::Showing() const {
    return isVisible() && session_.Meet();
}

void TPlan_F::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CatchUp();
}

void TPlan_F::MeetReplaced() {
    if (!session_.Meet())
        hide();
    else if (isVisible())
        Replan();
}

void TPlan_F::Replan() {
    const bm::Boatmeet* meet = session_.Meet();
    if (!meet)
        return;
    plan_ = bm::PlanTheDay(*meet, bm::CurrentSettings());
    std::ostringstream text;
    bm::WriteDayPlanText(text, meet->TitleText(), plan_);
    // The text keeps its place when the plan follows a change.
    const int scrolled = PlanMemo->verticalScrollBar()->value();
    PlanMemo->setPlainText(Text(text.str()));
    PlanMemo->verticalScrollBar()->setValue(scrolled);
    const QString verdict = VerdictText(plan_);
    Verdict_L->setText(verdict);
    Verdict_L->setAccessibleName(verdict);
    Verdict_L->setStyleSheet(plan_.Fits() ? QString() : QStringLiteral("color: #b00000;"));
    Picture_PB->ShowPlan(plan_);
    Picture_PB->setAccessibleDescription(verdict);
    Proposals_LB->clear();
    for (const bm::PlanProposal& proposal : plan_.Proposals)
        Proposals_LB->addItem(Text(proposal.Text));
    if (plan_.Proposals.empty())
        Proposals_LB->addItem(QStringLiteral("No proposals: nothing needs to change."));
    ProposalChosen();
}

const bm::PlanProposal* TPlan_F::ChosenProposal() const {
    const int row = Proposals_LB->currentRow();
    if (row < 0 || row >= static_cast<int>(plan_.Proposals.size()))
        return nullptr;
    return &plan_.Proposals[static_cast<std::size_t>(row)];
}

void TPlan_F::ProposalChosen() {
    const bm::PlanProposal* proposal = ChosenProposal();
    Split_B->setEnabled(proposal && proposal->Kind == bm::ProposalKind::Split);
}

void TPlan_F::DoSplit() {
    const bm::PlanProposal* proposal = ChosenProposal();
    if (proposal && proposal->Kind == bm::ProposalKind::Split)
        emit SplitProposed(Text(proposal->Event), proposal->Divisions);
}

void TPlan_F::DoClose() {
    hide();
}
