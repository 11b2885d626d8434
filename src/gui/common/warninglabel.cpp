#include "gui/common/warninglabel.h"

#include "gui/common/valuelabel.h"

#include <QAccessible>

WarningLabel::WarningLabel(const char* objectName, const QString& caption) : caption_(caption) {
    setObjectName(QString::fromUtf8(objectName));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    SetLabelValue(this, caption_, QString());
    hide();
}

void WarningLabel::ShowWarning(const QString& warning) {
    const bool appears = !warning.isEmpty() && warning != text();
    SetLabelValue(this, caption_, warning);
    setVisible(!warning.isEmpty());
    if (!appears)
        return;
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
