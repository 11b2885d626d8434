#include "gui/editors/storededit.h"

#include "gui/common/textconversion.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

const char* const LimitProperty = "typingLimit";

int TypingLimit(const QLineEdit* edit) {
    const QVariant limit = edit->property(LimitProperty);
    return limit.isValid() ? limit.toInt() : 32767;
}

} // namespace

void LimitTyping(QLineEdit* edit, int limit) {
    edit->setProperty(LimitProperty, limit);
    edit->setMaxLength(limit);
    // The room a longer stored text was given shrinks as the text is shortened.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        edit->setMaxLength(std::max(TypingLimit(edit), static_cast<int>(text.size())));
    });
}

void ShowStoredText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text)
        return;
    edit->setMaxLength(std::max(TypingLimit(edit), static_cast<int>(text.size())));
    edit->setText(text);
}

QLabel* LabelFor(QWidget* control, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    control->setAccessibleName(name);
    return label;
}

void NameControl(QWidget* control, const char* objectName, const QString& accessibleName) {
    control->setObjectName(Text(objectName));
    control->setAccessibleName(accessibleName);
}
