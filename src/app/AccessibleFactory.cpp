#include "app/AccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

#include "access/ApplicationAccessible.h"
#include "access/ScreenReader.h"
#include "app/ClockAccessible.h"
#include "app/ClockWindow.h"
#include "autohide/ui/PullTabAccessible.h"
#include "autohide/ui/PullTabWindow.h"
#include "calendar/ui/CalendarAccessible.h"
#include "calendar/ui/CalendarWindow.h"
#include "desktop/ui/LinkLabel.h"
#include "desktop/ui/LinkLabelAccessible.h"
#include "scheduler/ui/UpDownArrows.h"
#include "scheduler/ui/UpDownArrowsAccessible.h"

namespace {

// Qt asks with each class name of the object, the most derived first.
QAccessibleInterface* programInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("QApplication")) {
        return object == qApp ? new ApplicationAccessible : nullptr;
    }
    if (className == QLatin1String("ClockWindow")) {
        return new ClockAccessible(static_cast<ClockWindow*>(object));
    }
    if (className == QLatin1String("CalendarWindow")) {
        return new CalendarAccessible(static_cast<CalendarWindow*>(object));
    }
    if (className == QLatin1String("PullTabWindow")) {
        return new PullTabAccessible(static_cast<PullTabWindow*>(object));
    }
    if (className == QLatin1String("UpDownArrows")) {
        return new UpDownArrowsAccessible(static_cast<UpDownArrows*>(object));
    }
    if (className == QLatin1String("ReminderNoticeBox")) {
        // A reminder's notice is read out at once, as a message box is.
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    }
    if (className == QLatin1String("LinkLabel")) {
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(programInterface);
        screenreader::follow();
        return true;
    }();
    Q_UNUSED(installed);
}
