// AddMenuAction: a menu item that triggers a handler of its window and is
// named after it, so tests and scripts find every command by its name.
#pragma once

#include "gui/common/textconversion.h"

#include <QAction>
#include <QMenu>

template <typename Receiver>
QAction* AddMenuAction(QMenu* menu, const char* caption, const char* name, Receiver* receiver,
                       void (Receiver::*handler)()) {
    QAction* action = menu->addAction(Text(caption));
    action->setObjectName(Text(name));
    QObject::connect(action, &QAction::triggered, receiver, handler);
    return action;
}
