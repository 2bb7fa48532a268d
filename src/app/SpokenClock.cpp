#include "app/SpokenClock.h"

#include <QLocale>
#include <QRegularExpression>

#include "access/ScreenReader.h"
#include "app/ClockWindow.h"
#include "platform/Platform.h"

SpokenClock::SpokenClock(ClockWindow& clock, const WallClock& time, AccessibleTexts texts,
                         std::function<QStringList(const QDate&)> todaysReminders)
    : clock_(clock),
      time_(time),
      texts_(std::move(texts)),
      todaysReminders_(std::move(todaysReminders)) {
    clock_.spokenTime = [this] { return this->time(); };
    clock_.spokenReminders = [this] { return reminders(); };
    minute_.setSingleShot(true);
    minute_.setTimerType(Qt::PreciseTimer);
    connect(&minute_, &QTimer::timeout, this, &SpokenClock::tellTheMinute);
    QAccessible::installActivationObserver(this);
    accessibilityActiveChanged(screenreader::listening());
}

SpokenClock::~SpokenClock() {
    QAccessible::removeActivationObserver(this);
    clock_.spokenTime = nullptr;
    clock_.spokenReminders = nullptr;
}

// The locale's short time format, which names the minute ("14:05",
// "2:05 PM"); where it names the second too (the C locale's does), the
// seconds are left out: the time is told once a minute.
QString SpokenClock::time() const {
    const QLocale locale = QLocale::system();
    static const QRegularExpression seconds(QStringLiteral("[:.]?s{1,2}"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return locale.toString(time_.now().time(), format);
}

QString SpokenClock::reminders() const {
    const QStringList lines =
        todaysReminders_ ? todaysReminders_(time_.now().date()) : QStringList();
    if (lines.isEmpty()) {
        return {};
    }
    return texts_.line(sections::access::RemindersToday) + QLatin1Char(' ') +
           lines.join(QStringLiteral("; "));
}

void SpokenClock::accessibilityActiveChanged(bool active) {
    if (!active) {
        minute_.stop();
        return;
    }
    if (!minute_.isActive()) {
        toldTime_ = time();
        toldReminders_ = reminders();
        armForNextMinute();
    }
}

void SpokenClock::armForNextMinute() {
    const QTime now = time_.now().time();
    const int intoMinute = now.second() * 1000 + now.msec();
    // A little past the boundary, so that the time read then is the new minute's.
    minute_.start(60000 - intoMinute + 20);
}

void SpokenClock::tellTheMinute() {
    const QString now = time();
    if (now != toldTime_) {
        QAccessibleTextUpdateEvent event(&clock_, 0, toldTime_, now);
        QAccessible::updateAccessibility(&event);
        toldTime_ = now;
    }
    const QString reminders = this->reminders();
    if (reminders != toldReminders_) {
        QAccessibleEvent event(&clock_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
        toldReminders_ = reminders;
    }
    armForNextMinute();
}
