#include "app/DueCheckTicks.h"

#include <QDateTime>
#include <algorithm>

#include "state/TimerSwitch.h"

void DueCheckTicks::addCheck(TimerSwitch& gate, std::function<void()> tick,
                             std::function<qint64()> nextDue) {
    checks_.push_back({&gate, std::move(tick), std::move(nextDue)});
}

void DueCheckTicks::secondTick(const QDateTime& now) {
    // Any other second, also one the clock was set back to. Counted on the
    // local date and time the tick already has: converting to the epoch
    // would look the zone up once more.
    const qint64 second =
        now.date().toJulianDay() * 86400 + now.time().msecsSinceStartOfDay() / 1000;
    if (second == second_) {
        return;
    }
    second_ = second;
    for (Check& check : checks_) {
        check.queued = true;
        QMetaObject::invokeMethod(
            this, [this, &check] { run(check); }, Qt::QueuedConnection);
    }
}

void DueCheckTicks::run(Check& check) {
    check.queued = false;
    if (check.running || !check.gate->enabled()) {
        return;
    }
    check.running = true;
    check.tick();
    check.running = false;
}

qint64 DueCheckTicks::nextDueMinute() const {
    qint64 next = kNeverDue;
    for (const Check& check : checks_) {
        if (!check.queued && !check.running && check.gate->enabled()) {
            next = std::min(next, check.nextDue ? check.nextDue() : kDueNow);
        }
    }
    return next;
}
