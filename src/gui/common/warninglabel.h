// WarningLabel: a warning shown beside the fields it concerns. While there is
// no warning it is hidden, so a screen reader reads nothing there; when a
// warning appears it is shown, named by its caption and text, and announced
// as an alert. The room it takes stays, so the fields never move.
#pragma once

#include <QLabel>

class WarningLabel : public QLabel {
    Q_OBJECT
public:
    WarningLabel(const char* objectName, const QString& caption);

    // Shows the warning; an empty text takes it away.
    void ShowWarning(const QString& warning);
    const QString& Caption() const { return caption_; }

private:
    QString caption_;
};
