#include "access/MenuKey.h"

#include <QKeyEvent>

namespace menukey {

bool opensMenu(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    return (event.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

}  // namespace menukey
