#pragma once

#include <QString>

#include "locale/NoticeTexts.h"
#include "platform/Platform.h"
#include "state/ClockState.h"

// How a reminder is told and what the user made of it. A due reminder goes
// through the desktop's notifications when the user chose them, and the
// notice box comes up whenever a notification was not shown or went without
// the user acting on it, so nothing is lost unseen. An overdue one, and any
// one without notifications, gets the notice box. Each way waits for the
// user, the clock ticking meanwhile, or for the program's end.
class ReminderNotice {
  public:
    // Put off from a notification: its later action names this span.
    static constexpr int kNotificationMinutes = 10;

    ReminderNotice(ClockState& state, Platform& platform);

    ReminderAnswer tellDue(const QString& text);
    ReminderAnswer tellOverdue(const QString& notice);

    PutOffChoice putOffChoice() const;

  private:
    ReminderAnswer box(const QString& text);

    ClockState& state_;
    Platform& platform_;
    NoticeTexts texts_;
};
