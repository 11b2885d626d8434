// TMakeData_F: the "Test Data Generation" window: writes a synthetic meet of
// the chosen size to a file, without touching the open meet.
#pragma once

#include <QDialog>

class DialogProvider;

namespace bm {
class MeetSession;
}
class QLineEdit;
class QPushButton;

class TMakeData_F : public QDialog {
    Q_OBJECT
public:
    // The window browses for its file with the dialogs and keeps off the
    // file of the session's meet (neither is owned).
    TMakeData_F(DialogProvider& dialogs, const bm::MeetSession& session, QWidget* parent = nullptr);

    // Shows the window, the output file starting in the folder of the
    // session's meet file (the root folder without one).
    void Open();

    // --- The controls' handlers ---
    void DoBrowse();
    void DoGenerate();
    void DoClose();

private:
    QLineEdit* AddEdit(const char* name, const char* text);
    void LayOutControls();

    DialogProvider& dialogs_;
    const bm::MeetSession& session_;

    QLineEdit* OFName_E = nullptr;
    QPushButton* Browse_B = nullptr;
    QLineEdit* Title_E = nullptr;
    QLineEdit* NCrews_E = nullptr;
    QLineEdit* NEvents_E = nullptr;
    QLineEdit* NClubs_E = nullptr;
    QLineEdit* DUp_E = nullptr;
    QLineEdit* BS_E = nullptr;
    QPushButton* Generate_B = nullptr;
    QPushButton* Close_B = nullptr;
};
