// TPrefsF: the preferences dialog: five tabs of report, draw-tree,
// crew-editor and billing settings. Filled from the settings, and on OK the settings take the
// controls' values. OK refuses an amount that is no money value ("Money values are written
// like 12 or 12.50, at most 21474836.47") and the dialog stays open on it.
#pragma once

#include "engine/model/settings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace bm {
class MessageHandler;
}

class TPrefsF : public QDialog {
    Q_OBJECT
public:
    // Refusals are shown through the messages.
    explicit TPrefsF(bm::MessageHandler& messages, QWidget* parent = nullptr);

    // Each control takes its setting.
    void Fill(const bm::Settings& settings);
    // Each setting takes its control's value; an amount keeps its value when
    // its edit holds no money value.
    void Apply(bm::Settings& settings) const;

private:
    QWidget* LaneInfoTab();
    QWidget* DrawTreeTab();
    QWidget* MiscTab();
    QWidget* CrewEditTab();
    QWidget* BillingTab();
    QCheckBox* Check(const char* name, const char* caption);
    QLineEdit* Edit(const char* name);
    void DoOK();
    void DoCancel();

    QTabWidget* PageControl1 = nullptr;
    QLineEdit* Lane1Info_E = nullptr;
    QLineEdit* Lane2Info_E = nullptr;
    QCheckBox* ShowLaneInfo_CB = nullptr;
    QCheckBox* CompressDT_CB = nullptr;
    QCheckBox* SpacedDT_CB = nullptr;
    QCheckBox* ShowRaceNoDT_CB = nullptr;
    QLineEdit* MaxNameLen_E = nullptr;
    QCheckBox* ShowCrewNotes_CB = nullptr;
    QCheckBox* ShowSponsor_CB = nullptr;
    QCheckBox* PageEjectClub_CB = nullptr;
    QCheckBox* AllowTC_CB = nullptr;
    QCheckBox* CheckTC_CB = nullptr;
    QCheckBox* SplitOnBlankLine_CB = nullptr;
    QCheckBox* RecordMoves_CB = nullptr;
    QLineEdit* SetCrewName_E = nullptr;
    QLineEdit* DayLicCost_E = nullptr;
    QCheckBox* Early_Pay_CB = nullptr;
    QCheckBox* AutoEntry_CB = nullptr;
    QLineEdit* PerSeat_E = nullptr;
    QLineEdit* EarlyPayment_E = nullptr;
    QRadioButton* PerSeat_RB = nullptr;
    QRadioButton* PerCrew_RB = nullptr;
    QCheckBox* CoxesPay_CB = nullptr;
    bm::MessageHandler& messages_;
};
