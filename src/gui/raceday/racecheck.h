// TRaceChk_F: "Placing an Invalid Race": while races are scheduled, asks
// whether the races proposed for a time slot may be placed although they break
// a least time between races.
#pragma once

#include <QDialog>

#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace bm {
class Boatmeet;
struct Race;
} // namespace bm

class TRaceChk_F : public QDialog {
    Q_OBJECT
public:
    explicit TRaceChk_F(QWidget* parent = nullptr);

    // Shows the proposed time and the races, in the order they would be
    // placed, and asks; true only when Accept is pressed (closing the window
    // counts as Skip).
    bool Check(const bm::Boatmeet& meet, int cursor, const std::vector<bm::Race*>& races);

private:
    QLabel* Time_L = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Accept_B = nullptr;
    QPushButton* Skip_B = nullptr;
};
