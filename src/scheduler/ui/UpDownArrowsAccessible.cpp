#include "scheduler/ui/UpDownArrowsAccessible.h"

#include <QLineEdit>

#include "scheduler/ui/UpDownArrows.h"

UpDownArrowsAccessible::UpDownArrowsAccessible(UpDownArrows* arrows)
    : QAccessibleWidget(arrows, QAccessible::SpinBox) {}

UpDownArrows* UpDownArrowsAccessible::arrows() const {
    return static_cast<UpDownArrows*>(widget());
}

QString UpDownArrowsAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            if (!widget()->accessibleName().isEmpty()) {
                return widget()->accessibleName();
            }
            // Named like the field they step, whose label names it.
            if (QAccessibleInterface* field =
                    QAccessible::queryAccessibleInterface(arrows()->field())) {
                return field->text(QAccessible::Name);
            }
            return {};
        case QAccessible::Value:
            return arrows()->field()->text();
        default:
            return QAccessibleWidget::text(t);
    }
}

void* UpDownArrowsAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QVariant UpDownArrowsAccessible::currentValue() const {
    return arrows()->value().value_or(arrows()->minimum());
}

void UpDownArrowsAccessible::setCurrentValue(const QVariant& value) {
    bool number = false;
    const int v = value.toInt(&number);
    if (number) {
        arrows()->setValue(v);
    }
}

QVariant UpDownArrowsAccessible::maximumValue() const {
    return arrows()->maximum();
}

QVariant UpDownArrowsAccessible::minimumValue() const {
    return arrows()->minimum();
}
