// TFGetData: the one-line input dialog: a caption, a prompt and an edit
// preset with a text, with OK and Cancel (Escape and the window's close
// button cancel too).
#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class TFGetData : public QDialog {
    Q_OBJECT
public:
    explicit TFGetData(QWidget* parent = nullptr);

    // Shows the dialog modally: the text of the edit when OK closes it, none
    // when it is cancelled.
    std::optional<QString> Ask(const QString& caption, const QString& prompt, const QString& text);

private:
    QLabel* Info = nullptr;
    QLineEdit* Data_E = nullptr;
    QPushButton* OK_B = nullptr;
    QPushButton* Cancel_B = nullptr;
};
