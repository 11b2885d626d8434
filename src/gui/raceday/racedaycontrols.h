// What the race-day windows (race editor, period dialog, race check, results
// and information) share in building their controls.
#pragma once

#include "gui/common/textconversion.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <string>

namespace raceday {

// A label for the control: its buddy (so its text, blanks trimmed, is the
// control's accessible name).
inline QLabel* LabelFor(const char* caption, QWidget* buddy) {
    auto* label = new QLabel(Text(caption));
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text().trimmed());
    return label;
}

inline QLineEdit* NamedEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(Text(name));
    return edit;
}

inline QPushButton* NamedButton(const char* name, const char* caption) {
    auto* button = new QPushButton(Text(caption));
    button->setObjectName(Text(name));
    return button;
}

// A read-only text in the fixed-pitch font of the reports, whose columns it keeps.
inline QPlainTextEdit* ReportText(const char* name, const char* accessibleName) {
    auto* text = new QPlainTextEdit;
    text->setObjectName(Text(name));
    text->setAccessibleName(Text(accessibleName));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Tab leaves the text rather than being typed into it.
    text->setTabChangesFocus(true);
    return text;
}

inline std::string Std(const QLineEdit* edit) {
    return edit->text().toStdString();
}

} // namespace raceday
