// What the editor windows' edits share: an edit that stops typing at a number
// of characters yet shows a longer stored text whole, and labelled controls.
#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// The edit stops typing at limit characters. QLineEdit::setMaxLength alone
// would also cut a longer text shown in it, and a meet may hold one (from an
// older file, say): ShowStoredText shows such a text whole, and typing in it
// can only shorten it until it is within the limit.
void LimitTyping(QLineEdit* edit, int limit);
// Shows the text in the edit; nothing happens when it already shows it, so
// the cursor of someone typing stays where it is.
void ShowStoredText(QLineEdit* edit, const QString& text);

// A label naming the control: it is the control's buddy and gives it its accessible name.
QLabel* LabelFor(QWidget* control, const QString& caption);

// Sets a control's object name and accessible name.
void NameControl(QWidget* control, const char* objectName, const QString& accessibleName);
