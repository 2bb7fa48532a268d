#pragma once

#include <QDate>
#include <QStringList>

#include "scheduler/ScheduleEntry.h"

namespace schedule {

// The reminders of `list` that fall on `day`, in the order of their minutes
// (those whose time text names no minute last, in file order), each as its
// time and text on one line: "14:30 Call mum". What a screen reader tells of
// the clock's day.
QStringList todaysReminders(const ScheduleList& list, const QDate& day);

}  // namespace schedule
