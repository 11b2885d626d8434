// KeyButton: a push button that acts at once when its Alt key is pressed.
// A plain button first shows itself pressed and clicks a moment later, so
// keys typed meanwhile (a fast typist's next crew name, say) would still go
// to the control that had the focus before.
#pragma once

#include <QPushButton>
#include <QShortcutEvent>

class KeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut &&
            !static_cast<QShortcutEvent*>(event)->isAmbiguous() && isEnabled()) {
            click();
            return true;
        }
        return QPushButton::event(event);
    }
};
