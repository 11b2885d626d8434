// TInfo_F: "Race or Competitor Information": for a race number, the crews that
// may still be in each slot and their races by time, so that clashes stand
// out; for a crew number, the races it may still row and when, with those of
// the crews it shares a rower or a boat with.
#pragma once

#include "engine/draw/crewraceinfo.h"
#include "gui/common/sessionview.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class RadioGroup;

class TInfo_F : public QWidget, public SessionView {
    Q_OBJECT
public:
    // The window reads the session's meet.
    TInfo_F(bm::MeetSession& session, QWidget* parent);

    // Shows the window over the open meet (the Info Editor command).
    void ShowInfo();

    void MeetReplaced() override;

    // --- Handlers ---
    void ChangeDataType();
    void NewNumber();
    void DoCloseB();

protected:
    // A change anywhere reads the current number again.
    bool Showing() const override { return isVisible(); }
    void ReloadFromMeet() override { Reread(); }
    void showEvent(QShowEvent* event) override;

private:
    void Reread();

    bm::InformationView view_;

    RadioGroup* RaceOrCrew_RG = nullptr;
    QLabel* DataType_L = nullptr;
    QLineEdit* Number_ME = nullptr;
    QPlainTextEdit* Data_M = nullptr;
    QPushButton* Close_B = nullptr;
};
