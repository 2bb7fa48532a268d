#include "app/AwaySleep.h"

#include <algorithm>

#include "app/DueCheckTicks.h"
#include "platform/Platform.h"

AwaySleep::AwaySleep(Platform& platform, const DueCheckTicks& checks,
                     std::function<QDateTime()> dayChange, std::function<void()> wake)
    : platform_(platform),
      checks_(checks),
      dayChange_(std::move(dayChange)),
      wake_(std::move(wake)) {}

AwaySleep::~AwaySleep() {
    if (alarm_) {
        alarm_->cancel();
        alarm_->setHandler({});
    }
}

bool AwaySleep::sleep() {
    if (!alarm_) {
        alarm_ = platform_.wallClockAlarm();
        if (!alarm_) {
            return false;
        }
        alarm_->setHandler([this] {
            if (sleeping_) {
                armed_ = false;  // rung: whatever comes next is set afresh
                wake_();
            }
        });
    }
    sleeping_ = true;
    settle();
    return true;
}

void AwaySleep::stop() {
    if (!sleeping_) {
        return;
    }
    sleeping_ = false;
    armed_ = false;
    alarm_->cancel();
}

// The first moment of the minute an entry is due, or of the next day. A
// minute the clock skips (a daylight-saving gap) has no moment: looked at
// again a minute later, when the check will have found it past.
QDateTime AwaySleep::wanted(qint64 dueMinute, const QDateTime& dayChange) const {
    if (dueMinute == DueCheckTicks::kDueNow) {
        return {};
    }
    if (dueMinute == DueCheckTicks::kNeverDue) {
        return dayChange;
    }
    const int minuteOfDay = int(dueMinute % 1440);
    const QDateTime start(QDate::fromJulianDay(dueMinute / 1440),
                          QTime(minuteOfDay / 60, minuteOfDay % 60));
    if (!start.isValid()) {
        return platform_.now().addSecs(60);
    }
    return std::min(start, dayChange);
}

void AwaySleep::settle() {
    if (!sleeping_) {
        return;
    }
    const qint64 dueMinute = checks_.nextDueMinute();
    const QDateTime dayChange = dayChange_();
    if (armed_ && dueMinute != DueCheckTicks::kDueNow && dueMinute == armedMinute_ &&
        dayChange == armedDayChange_) {
        return;
    }
    QDateTime at = wanted(dueMinute, dayChange);
    // Due now, or a moment that has passed: the next second of the clock,
    // since the checks run once in each.
    const QDateTime now = platform_.now();
    if (!at.isValid() || at <= now) {
        at = now.addMSecs(1000 - now.time().msec());
    }
    alarm_->set(at);
    armed_ = true;
    armedMinute_ = dueMinute;
    armedDayChange_ = dayChange;
}
