#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <functional>
#include <vector>

#include "platform/linux/TimerFdAlarm.h"

namespace {

void spinFor(
    int ms, const std::function<bool()>& done = [] { return false; }) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

struct AlarmCase {
    const char* name;
    std::function<void(TimerFdAlarm&)> arm;
};

}  // namespace

// Whatever moments came before, the last one set rings, once, from the event
// loop; a moment already past rings at once, the epoch's first moment too.
TEST(TimerFdAlarmTest, TheLastMomentSetRingsOnceFromTheEventLoop) {
    const QDateTime past = QDateTime::currentDateTime().addSecs(-3600);
    const QDateTime future = QDateTime::currentDateTime().addSecs(3600);
    const std::vector<AlarmCase> cases = {
        {"an hour ago", [&](TimerFdAlarm& a) { a.set(past); }},
        {"the epoch", [](TimerFdAlarm& a) { a.set(QDateTime::fromMSecsSinceEpoch(0)); }},
        {"an hour ahead, then an hour ago",
         [&](TimerFdAlarm& a) {
             a.set(future);
             a.set(past);
         }},
        {"cancelled, then an hour ago",
         [&](TimerFdAlarm& a) {
             a.set(future);
             a.cancel();
             a.set(past);
         }},
    };
    for (const AlarmCase& c : cases) {
        TimerFdAlarm alarm;
        ASSERT_TRUE(alarm.valid());
        int rung = 0;
        alarm.setHandler([&] { ++rung; });
        c.arm(alarm);
        EXPECT_EQ(rung, 0) << c.name << ": rung outside the event loop";
        spinFor(2000, [&] { return rung > 0; });
        spinFor(200);  // a ring that was not read out would come again
        EXPECT_EQ(rung, 1) << c.name;
    }
}

// A moment ahead that is cancelled, or replaced by one further ahead, does
// not ring meanwhile.
TEST(TimerFdAlarmTest, ACancelledOrMovedMomentDoesNotRing) {
    const std::vector<AlarmCase> cases = {
        {"cancelled",
         [](TimerFdAlarm& a) {
             a.set(QDateTime::currentDateTime().addMSecs(50));
             a.cancel();
         }},
        {"moved an hour ahead",
         [](TimerFdAlarm& a) {
             a.set(QDateTime::currentDateTime().addMSecs(50));
             a.set(QDateTime::currentDateTime().addSecs(3600));
         }},
    };
    for (const AlarmCase& c : cases) {
        TimerFdAlarm alarm;
        ASSERT_TRUE(alarm.valid());
        int rung = 0;
        alarm.setHandler([&] { ++rung; });
        c.arm(alarm);
        spinFor(300);
        EXPECT_EQ(rung, 0) << c.name;
    }
}
