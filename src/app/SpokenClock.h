#pragma once

#include <QAccessible>
#include <QDate>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "locale/AccessibleTexts.h"

class ClockWindow;
class WallClock;

// What the clock window tells a screen reader: the time as the user's
// locale writes it ("14:05"), and the reminders still due today after the
// words that introduce them. While a reader listens, a timer wakes at the
// start of each minute and tells it what changed; without one no timer runs
// and nothing is worked out, whatever the face's tick does each second.
class SpokenClock : public QObject, public QAccessible::ActivationObserver {
    Q_OBJECT
  public:
    SpokenClock(ClockWindow& clock, const WallClock& time, AccessibleTexts texts,
                std::function<QStringList(const QDate&)> todaysReminders);
    ~SpokenClock() override;

    QString time() const;
    QString reminders() const;

    void accessibilityActiveChanged(bool active) override;

    // Whether the minute's news is armed.
    bool telling() const { return minute_.isActive(); }

  private:
    void armForNextMinute();
    void tellTheMinute();

    ClockWindow& clock_;
    const WallClock& time_;
    AccessibleTexts texts_;
    std::function<QStringList(const QDate&)> todaysReminders_;
    QTimer minute_;
    QString toldTime_;
    QString toldReminders_;
};
