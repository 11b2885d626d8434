// TRaceResults: the "Race Results" window: a race chosen by its number, its
// event, the winner chosen from the race's two crews and the verdict. Later
// races follow by themselves, as they refer to the winner of the race feeding them.
#pragma once

#include "engine/editors/resultseditor.h"
#include "gui/mainwindow/meetview.h"

#include <QWidget>

#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm1;

namespace bm {
class Boatmeet;
} // namespace bm

class TRaceResults : public QWidget, public MeetView {
    Q_OBJECT
public:
    // A window of the main window, which it tells of every result recorded.
    explicit TRaceResults(TForm1& form);

    // Shows the window over the open meet (the Results Editor command).
    void ShowResults();

    // MeetView
    void ReloadFromMeet() override;
    void MeetReplaced() override;

    // --- Handlers ---
    void RaceNoChanged();
    // Opening the winner list: both crews of the race and "Clear Result".
    void GenerateCrewList();
    void CrewSelected(int item);
    void VerdictChanged(const QString& verdict);
    void DoClose();

private:
    // The race the number names, as the engine shows it, without writing back.
    void Show(const bm::ResultShown& shown);
    void ShowCurrentRace();
    void Changed(std::string_view group);
    bm::Boatmeet* Meet() const;

    TForm1& form_;
    bm::ResultsEditor editor_;
    // On while the window sets its own controls: their change handlers then do nothing.
    bool filling_ = false;
    // On while the window's own change refreshes every view: this one is up to date.
    bool changing_ = false;

    QLineEdit* RaceNo_ME = nullptr;
    QLabel* Event_L = nullptr;
    QComboBox* Winner_CB = nullptr;
    QComboBox* Verdict_CB = nullptr;
    QPushButton* Close_B = nullptr;
};
