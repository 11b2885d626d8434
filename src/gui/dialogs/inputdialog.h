// TFGetData: the one-line input dialog: a caption, a prompt and an edit
// preset with a text. It has no cancel: however it closes, the edit's text is the answer.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TFGetData : public QDialog {
    Q_OBJECT
public:
    explicit TFGetData(QWidget* parent = nullptr);

    // Shows the dialog modally and returns the text of the edit once it closes.
    QString Ask(const QString& caption, const QString& prompt, const QString& text);

private:
    QLabel* Info = nullptr;
    QLineEdit* Data_E = nullptr;
    QPushButton* OK_B = nullptr;
};
