#pragma once

#include <time.h>

#include <QStringList>
#include <initializer_list>

#include "DueCheckFixture.h"

// The due checks under the fake clock in a time zone with daylight saving,
// ticked as the program's one-second timers tick them.
class BerlinClockFixture : public DueCheckFixture {
  protected:
    static void SetUpTestSuite() {
        saved_ = qgetenv("TZ");
        hadTz_ = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    static void TearDownTestSuite() {
        if (hadTz_) {
            qputenv("TZ", saved_);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    // Ticks both checks once a second from the clock's time for `seconds`.
    void tickFor(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            tick();
            platform.clock = platform.clock.addSecs(1);
        }
    }
    void tick() {
        reminders.reminderTick();
        launches.launchTick();
    }
    // One reminder and one launch of `day` at `time`: the reminder's text is
    // "<time> <label>", the program's file name the same with "-" for ":",
    // and it exists, so a due launch opens it.
    void addBoth(const QDate& day, const char* time, const QString& label) {
        const QString text = QLatin1String(time) + QLatin1Char(' ') + label;
        addReminder(day, time, text);
        const QString name = QString(text).replace(QLatin1Char(':'), QLatin1Char('-'));
        folder.write(name, "#!/bin/sh\n");
        addLaunch(day, time, folder.path(name));
    }
    // What was announced, as "<time> <label>" in the order it came.
    QStringList firedReminders() const { return announced(false, QString()); }
    QStringList overdueReminders() const {
        return announced(true, QStringLiteral("Просрочено напоминание"));
    }
    QStringList overdueLaunches() const {
        return announced(true, QStringLiteral("Просрочен запуск"));
    }
    QStringList startedLaunches() const {
        QStringList names;
        for (const QString& line : platform.opened) {
            names << nameOf(line);
        }
        return names;
    }

  private:
    static QString nameOf(const QString& path) {
        return path.section(QLatin1Char('/'), -1).replace(QLatin1Char('-'), QLatin1Char(':'));
    }
    QStringList announced(bool overdue, const QString& header) const {
        QStringList found;
        for (const QString& message : platform.messages) {
            const QString first = message.section(QLatin1Char('\r'), 0, 0);
            if (!overdue && !message.contains(QLatin1Char('\r'))) {
                found << message;
            } else if (overdue && first == header) {
                found << nameOf(message.section(QLatin1Char('\r'), 2));
            }
        }
        return found;
    }

  protected:
    static inline QByteArray saved_;
    static inline bool hadTz_ = false;
};

// Texts of a test's expected times, written as UTF-8 literals.
inline QStringList times(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items) {
        out << QString::fromUtf8(item);
    }
    return out;
}
