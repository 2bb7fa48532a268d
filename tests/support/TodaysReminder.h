#pragma once

#include <gtest/gtest.h>
#include <QDate>
#include <QString>
#include <QTime>

#include "TempFolder.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/DayCount.h"
#include "settings/ProgramFolder.h"

// A reminder for `day` at `at`, added to the schedule of the program folder
// in `folder`.
inline void addReminder(const TempFolder& folder, const QDate& day, const QTime& at,
                        const QString& text) {
    const ProgramFolder programFolder(folder.root());
    const ScheduleFiles files(programFolder);
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(day));
    rec.setTime(at.toString(QStringLiteral("HH:mm")));
    rec.setText(text);
    ASSERT_TRUE(files.append(rec));
}
