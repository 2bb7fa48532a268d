#include "desktop/ui/LinkLabelAccessible.h"

#include "desktop/ui/LinkLabel.h"

LinkLabelAccessible::LinkLabelAccessible(LinkLabel* label)
    : QAccessibleWidget(label, QAccessible::Link) {}

LinkLabel* LinkLabelAccessible::label() const {
    return static_cast<LinkLabel*>(widget());
}

QString LinkLabelAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return label()->text();
    }
    return QAccessibleWidget::text(t);
}

QStringList LinkLabelAccessible::actionNames() const {
    return QAccessibleWidget::actionNames() << pressAction();
}

void LinkLabelAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        label()->openLink();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
