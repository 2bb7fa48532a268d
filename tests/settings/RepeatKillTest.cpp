#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "KilledWrite.h"
#include "TempFolder.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/RepeatFile.h"
#include "scheduler/RepeatingReminders.h"
#include "settings/DayCount.h"
#include "settings/ProgramFolder.h"

// A repeating reminder announced again and again by a process killed at
// random points: after every kill "napom.dat" holds the reminder once, as an
// ordinary record of the day it was at or of the next day, and the rule file
// reads whole and still holds it, so it goes on repeating. CHRONIDEX_KILLS
// and CHRONIDEX_KILL_SEED as for the other kill test.

namespace {

const QDate kFirstDay(2026, 1, 1);

QByteArray recordOn(const QDate& day) {
    ReminderRecord record;
    record.setDate(daycount::fromDate(day));
    record.setTime(QStringLiteral("08:00"));
    record.setText(QStringLiteral("Таблетки"));
    return record.bytes();
}

}  // namespace

TEST(RepeatKillTest, EveryKillLeavesTheReminderOnceAndStillRepeating) {
    bool ok = false;
    const int given = qEnvironmentVariableIntValue("CHRONIDEX_KILLS", &ok);
    const int kills = ok ? given : 30;
    bool replay = false;
    const unsigned seedGiven = qgetenv("CHRONIDEX_KILL_SEED").toUInt(&replay);
    const unsigned seed = replay ? seedGiven : std::random_device{}();
    std::printf("repeat kill test: %d kills, CHRONIDEX_KILL_SEED=%u\n", kills, seed);
    std::mt19937 random(seed);

    TempFolder folder;
    const ProgramFolder program(folder.root());
    const RepeatingReminders reminders(program);
    ASSERT_TRUE(
        reminders.add(ReminderRecord::fromBytes(recordOn(kFirstDay)), RepeatRule::Daily).ok());
    QDate day = kFirstDay;
    int generation = 0;
    int advanced = 0;
    for (int k = 0; k < kills; ++k) {
        const int delayUs = int(random() % 20000);
        SCOPED_TRACE(QStringLiteral("kill %1 after %2 us, seed %3")
                         .arg(k + 1)
                         .arg(delayUs)
                         .arg(seed)
                         .toStdString());
        const KilledWrite kill =
            KilledWrite::run(QStringLiteral(CHRONIDEX_KILL_WRITER), folder.root(),
                             killgen::Writer::Repeats, generation, delayUs);
        ASSERT_TRUE(kill.why.isEmpty()) << qPrintable(kill.why);
        const QDate done = day.addDays(kill.done - generation);

        const QByteArray napom = folder.read(QStringLiteral("system/napom.dat"));
        const bool old = napom == recordOn(done);
        const bool next = napom == recordOn(done.addDays(1));
        ASSERT_TRUE(old || next) << "napom.dat holds " << napom.size() << " bytes after "
                                 << qPrintable(done.toString(Qt::ISODate));
        day = next ? done.addDays(1) : done;
        generation = kill.done + (next ? 1 : 0);
        advanced += next ? 1 : 0;

        const RepeatFile::Read rules = RepeatFile(program).read();
        ASSERT_FALSE(rules.damaged());
        ASSERT_EQ(rules.entries.size(), 1);
        const ScheduleEntry entry = ScheduleEntry::fromRecord(ScheduleKind::Reminders, napom);
        EXPECT_TRUE(rules.entries.first().holds(entry));
        EXPECT_EQ(rules.entries.first().rule, RepeatRule::Daily);
    }
    std::printf("repeat kill test: %d kills, %d left the next day, now at %s\n", kills, advanced,
                qPrintable(day.toString(Qt::ISODate)));
}
