#include "scheduler/ScheduleKey.h"

#include "settings/DayCount.h"

ScheduleKey ScheduleKey::of(double storedDate, const QByteArray& storedTime) {
    return {daycount::toDate(storedDate), storedTime};
}

bool ScheduleKey::matches(double storedDate, const QByteArray& storedTime) const {
    return daycount::toDate(storedDate) == day && storedTime == time;
}
