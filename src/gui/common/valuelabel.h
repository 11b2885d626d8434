// SetLabelValue(): shows a value in a label that stands for it, such as the
// draw editor's count of crews or the race check's proposed time. A screen
// reader reads a label by its accessible name, and a name once given hides
// the text shown; so the name is given with the value after its caption
// ("Crews: 6"), each time a value is shown (the caption alone for none).
#pragma once

#include <QLabel>

inline void SetLabelValue(QLabel* label, const QString& caption, const QString& value) {
    label->setText(value);
    label->setAccessibleName(value.isEmpty() ? caption : caption + QStringLiteral(": ") + value);
}
