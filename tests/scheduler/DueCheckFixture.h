#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>

#include "FakePlatform.h"
#include "FakeTimer.h"
#include "TempFolder.h"
#include "scheduler/LaunchDueCheck.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderDueCheck.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/Cp1251.h"
#include "settings/DayCount.h"

// A program folder with a language file, the clock's state and fake timers,
// and both due checks over them.
class DueCheckFixture : public ::testing::Test {
  protected:
    DueCheckFixture() {
        state.programFolder = ProgramFolder(folder.root());
        state.settings = SettingsRecord::defaults();
        state.skinName = QStringLiteral("Classic");
        writeLanguage();
    }

    void writeLanguage() {
        folder.write(QStringLiteral("lang/Русский.lng"),
                     cp1251::encode(QStringLiteral("[funupu]\r\nПросрочено напоминание\r\n"
                                                   "Просрочен запуск\r\n в \r\n[end]\r\n")));
    }

    void at(int h, int m, int s = 0) { platform.clock = QDateTime(today(), QTime(h, m, s)); }
    QDate today() const { return platform.clock.date(); }

    void addReminder(const QDate& day, const char* time, const QString& text) {
        ReminderRecord rec;
        rec.setDate(daycount::fromDate(day) + 0.25);
        rec.setTime(QLatin1String(time));
        rec.setText(text);
        ASSERT_TRUE(files.append(rec));
    }
    void addLaunch(const QDate& day, const char* time, const QString& path) {
        LaunchRecord rec;
        rec.setDate(daycount::fromDate(day));
        rec.setTime(QLatin1String(time));
        rec.setFile(path);
        ASSERT_TRUE(files.append(rec));
    }
    int remindersInFile() { return int(files.load(ScheduleKind::Reminders).size()); }
    int launchesInFile() { return int(files.load(ScheduleKind::Launches).size()); }
    QString shortDate(const QDate& day) const {
        return QLocale::system().toString(day, QLocale::ShortFormat);
    }
    QString skinSound() const { return folder.path(QStringLiteral("skins/Classic.wav")); }

    TempFolder folder;
    ClockState state;
    FakeClockTimers timers;
    FakePlatform platform;
    ScheduleFiles files{state.programFolder};
    ReminderDueCheck reminders{state, timers.view(), platform};
    LaunchDueCheck launches{state, timers.view(), platform};
};
