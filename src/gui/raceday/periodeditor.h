// TRPEdit: the "Race Periods" dialog, in which one race period's start, end
// and spacing (minutes between races or races per hour) is entered, changed or
// deleted.
#pragma once

#include "engine/editors/periodeditor.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

namespace bm {
class MessageHandler;
}

class TRPEdit : public QDialog {
    Q_OBJECT
public:
    // Refusals are shown through the messages.
    explicit TRPEdit(bm::MessageHandler& messages, QWidget* parent = nullptr);

    // Shows the dialog modally, preset with the record; on Ok the record holds
    // the period entered. Delete is offered only for a period that exists.
    bm::PeriodDialogResult Edit(bm::RacePeriod& record, bool canDelete);

    // The dialog's results besides Accepted (OK) and Rejected (Cancel).
    static constexpr int DeleteResult = 2;

private:
    void Preset(const bm::RacePeriod& record);
    void DoOK();
    // "NOT ZERO" shows while the interval reads as 0.
    void CheckZero();
    // The interval's label follows the interval kind (minutes or races per hour).
    void SetTimeSpec();
    bm::PeriodFields Fields() const;

    QLineEdit* Start_E = nullptr;
    QLineEdit* End_E = nullptr;
    QLineEdit* Interval_E = nullptr;
    QLabel* Interval_L = nullptr;
    QLabel* ZWarn_L = nullptr;
    RadioGroup* RIType_RG = nullptr;
    QPushButton* OK_B = nullptr;
    QPushButton* Cancel_B = nullptr;
    QPushButton* Delete_B = nullptr;
    bm::MessageHandler& messages_;
    bm::RacePeriod period_;
};
