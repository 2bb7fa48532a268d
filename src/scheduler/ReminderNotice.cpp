#include "scheduler/ReminderNotice.h"

#include <QCoreApplication>
#include <optional>

#include "texts/DialogTexts.h"

ReminderNotice::ReminderNotice(ClockState& state, Platform& platform)
    : state_(state), platform_(platform), texts_(state.programFolder, state.settings) {}

PutOffChoice ReminderNotice::putOffChoice() const {
    using namespace sections::notices;
    PutOffChoice choice;
    choice.laterCaption = texts_.line(LaterButton);
    choice.chooserName = texts_.line(LaterChooser);
    choice.minuteUnit = texts_.line(MinuteUnit);
    return choice;
}

ReminderAnswer ReminderNotice::box(const QString& text) {
    return platform_.showReminder(text, putOffChoice());
}

ReminderAnswer ReminderNotice::tellOverdue(const QString& notice) {
    return box(notice);
}

ReminderAnswer ReminderNotice::tellDue(const QString& text) {
    DesktopNotifier* notifier = platform_.desktopNotifier();
    if (!state_.options.desktopNotifications() || !notifier) {
        return box(text);
    }
    using namespace sections::notices;
    DesktopNotice notice;
    notice.title = texts_.line(NotificationTitle);
    notice.text = text;
    // As every "Ок" of the program, in Russian whatever the language.
    notice.confirmAction = dialogtexts::ok();
    notice.laterAction = texts_.line(LaterAction);
    std::optional<DesktopNotifier::Outcome> outcome;
    notifier->show(notice, [&outcome](DesktopNotifier::Outcome o) { outcome = o; });
    // As a box's own loop would: the clock ticks on, and this check waits
    // for the user or the program's end, each of which comes as an event.
    while (!outcome && !state_.ending) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!outcome) {
        notifier->withdraw();  // the end came first: the record stays for the next start
        return {};
    }
    switch (*outcome) {
        case DesktopNotifier::Outcome::Confirmed:
        case DesktopNotifier::Outcome::DismissedByUser:
            return {};
        case DesktopNotifier::Outcome::PutOff:
            return {ReminderAnswer::Choice::PutOff, kNotificationMinutes};
        case DesktopNotifier::Outcome::ClosedWithoutUser:
        case DesktopNotifier::Outcome::ServiceGone:
        case DesktopNotifier::Outcome::NotShown:
            break;
    }
    return box(text);
}
