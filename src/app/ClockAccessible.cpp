#include "app/ClockAccessible.h"

#include "app/ClockWindow.h"

ClockAccessible::ClockAccessible(ClockWindow* clock)
    : QAccessibleWidget(clock, QAccessible::StaticText) {}

ClockWindow* ClockAccessible::clock() const {
    return static_cast<ClockWindow*>(widget());
}

QString ClockAccessible::shownText() const {
    return clock()->spokenTime ? clock()->spokenTime() : QString();
}

QString ClockAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return QStringLiteral("Chronidex");  // the same in every language
        case QAccessible::Value:
            return shownText();
        case QAccessible::Description:
            return clock()->spokenReminders ? clock()->spokenReminders() : QString();
        default:
            return QAccessibleWidget::text(t);
    }
}

void* ClockAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QStringList ClockAccessible::actionNames() const {
    return QAccessibleWidget::actionNames() << showMenuAction();
}

void ClockAccessible::doAction(const QString& actionName) {
    if (actionName == showMenuAction()) {
        clock()->openMenu();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
