#include "access/ApplicationAccessible.h"

#include <QApplication>
#include <QMenu>

QObjectList ApplicationAccessible::openMenus() const {
    QObjectList menus;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(widget);
        if (!menu || !menu->isVisible()) {
            continue;
        }
        // A submenu belongs to the item that opened it.
        const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
        const QAccessibleInterface* parent = iface ? iface->parent() : nullptr;
        if (parent && parent->object() == qApp) {
            menus.append(menu);
        }
    }
    return menus;
}

int ApplicationAccessible::childCount() const {
    return QAccessibleApplication::childCount() + int(openMenus().size());
}

QAccessibleInterface* ApplicationAccessible::child(int index) const {
    const int windows = QAccessibleApplication::childCount();
    if (index < windows) {
        return QAccessibleApplication::child(index);
    }
    return QAccessible::queryAccessibleInterface(openMenus().value(index - windows));
}

int ApplicationAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int window = QAccessibleApplication::indexOfChild(child);
    if (window >= 0 || !child) {
        return window;
    }
    const qsizetype menu = openMenus().indexOf(child->object());
    return menu < 0 ? -1 : QAccessibleApplication::childCount() + int(menu);
}
