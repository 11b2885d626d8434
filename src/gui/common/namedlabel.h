// NamedLabel(): a label carrying its form's control name and, for the control
// it captions, the buddy that gives that control its accessible name and
// keyboard shortcut.
#pragma once

#include "gui/common/textconversion.h"

#include <QLabel>

inline QLabel* NamedLabel(const char* name, const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(Text(text), parent);
    label->setObjectName(Text(name));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}
