#include "autohide/ui/PullTabAccessible.h"

#include "autohide/ui/PullTabWindow.h"

PullTabAccessible::PullTabAccessible(PullTabWindow* tab)
    : QAccessibleWidget(tab, QAccessible::PushButton) {}

PullTabWindow* PullTabAccessible::tab() const {
    return static_cast<PullTabWindow*>(widget());
}

QString PullTabAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return tab()->spokenName();
    }
    return QAccessibleWidget::text(t);
}

QStringList PullTabAccessible::actionNames() const {
    return {pressAction()};
}

void PullTabAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        tab()->click();
    }
}
