// AddMenuAction: a menu item that triggers a handler of its window and is
// named after it, so tests and scripts find every command by its name.
#pragma once

#include "gui/common/textconversion.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

template <typename Receiver>
QAction* AddMenuAction(QMenu* menu, const char* caption, const char* name, Receiver* receiver,
                       void (Receiver::*handler)()) {
    QAction* action = menu->addAction(Text(caption));
    action->setObjectName(Text(name));
    QObject::connect(action, &QAction::triggered, receiver, handler);
    return action;
}

// The platform's keys for a standard command, or the given keys where the
// platform has none (some desktops have no Save As or Quit key), so that
// every such menu item has its shortcut and shows it.
inline void SetStandardShortcut(QAction* action, QKeySequence::StandardKey key,
                                const char* fallback) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty())
        action->setShortcut(QKeySequence(Text(fallback)));
    else
        action->setShortcuts(keys);
}
