// TESplitF: the "Event Splitter" dialog: an event with too many entries is
// split into divisions, its crews shared out among them.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace bm {
class Boatmeet;
class MeetSession;
} // namespace bm

class TESplitF : public QDialog {
    Q_OBJECT
public:
    explicit TESplitF(bm::MeetSession& session, QWidget* parent = nullptr);

    // Shows the dialog modally on the session's meet; a split is a change of
    // the meet. Nothing without a meet. A proposed split comes with its event
    // chosen and its number of divisions filled in.
    void Split(const QString& event = {}, int divisions = 0);

    // --- The controls' handlers ---
    void DoSplit();

private:
    // Fills the event choice with the meet's events, none chosen.
    void DoList();

    bm::MeetSession& session_;
    bm::Boatmeet* meet_ = nullptr; // only while the dialog is shown

    QComboBox* Split_CB = nullptr;
    QLineEdit* NDivs_E = nullptr;
    QPushButton* Split_B = nullptr;
    QPushButton* Cancel_B = nullptr;
};
