// TRaceResults: the "Race Results" window: a race chosen by its number, its
// event, the winner chosen from the race's two crews and the verdict. Later
// races follow by themselves, as they refer to the winner of the race feeding them.
#pragma once

#include "engine/editors/resultseditor.h"
#include "gui/common/sessionview.h"

#include <QWidget>

#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bm {
class Boatmeet;
} // namespace bm

class TRaceResults : public QWidget, public SessionView {
    Q_OBJECT
public:
    // The window records the results of the session's meet.
    TRaceResults(bm::MeetSession& session, QWidget* parent);

    // Shows the window over the open meet (the Results Editor command).
    void ShowResults();

    void MeetReplaced() override;

    // --- Handlers ---
    void RaceNoChanged();
    // Opening the winner list: both crews of the race and "Clear Result".
    void GenerateCrewList();
    void CrewSelected(int item);
    void VerdictChanged(const QString& verdict);
    void DoClose();

protected:
    bool Showing() const override { return isVisible() && Meet(); }
    void ReloadFromMeet() override { ShowCurrentRace(); }
    void showEvent(QShowEvent* event) override;

private:
    // The race the number names, as the engine shows it, without writing back.
    void Show(const bm::ResultShown& shown);
    void ShowCurrentRace();
    void Changed(const bm::EditResult& result, std::string_view group);
    void ShowStoredVerdict(const QString& stored);
    // Shows the warning in words (a screen reader is alerted to it); empty hides it.
    void ShowWarning(const std::string& warning);
    bm::Boatmeet* Meet() const;

    bm::ResultsEditor editor_;
    // On while the window sets its own controls: their change handlers then do nothing.
    bool filling_ = false;

    QLineEdit* RaceNo_ME = nullptr;
    QLabel* Event_L = nullptr;
    QComboBox* Winner_CB = nullptr;
    QComboBox* Verdict_CB = nullptr;
    QLabel* Warning_L = nullptr;
    QPushButton* Close_B = nullptr;
};
