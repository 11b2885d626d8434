// TInfo_F: "Race or Competitor Information": for a race number, the crews that
// may still be in each slot and their races by time, so that clashes stand
// out; for a crew number, the races it may still row and when, with those of
// the crews it shares a rower or a boat with.
#pragma once

#include "engine/draw/crewraceinfo.h"
#include "gui/mainwindow/meetview.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class RadioGroup;
class TForm1;

class TInfo_F : public QWidget, public MeetView {
    Q_OBJECT
public:
    explicit TInfo_F(TForm1& form);

    // Shows the window over the open meet (the Info Editor command).
    void ShowInfo();

    // MeetView: refresh all reads the current number again.
    void ReloadFromMeet() override;
    void MeetReplaced() override;

    // --- Handlers ---
    void ChangeDataType();
    void NewNumber();
    void DoCloseB();

private:
    void Reread();

    TForm1& form_;
    bm::InformationView view_;

    RadioGroup* RaceOrCrew_RG = nullptr;
    QLabel* DataType_L = nullptr;
    QLineEdit* Number_ME = nullptr;
    QPlainTextEdit* Data_M = nullptr;
    QPushButton* Close_B = nullptr;
};
