#include <QFileInfo>

#include "DueCheckFixture.h"
#include "ZoneGuard.h"
#include "scheduler/RepeatFile.h"
#include "scheduler/RepeatingReminders.h"

// The due check with repeating reminders: an announced one gives way to its
// next occurrence, an overdue one is reported once for all it missed, and a
// rule file in trouble loses no reminder and is told of once.
namespace {

class RepeatingCheck : public DueCheckFixture {
  protected:
    void addRepeating(const QDate& day, const char* time, const QString& text, RepeatRule rule) {
        ReminderRecord rec;
        rec.setDate(daycount::fromDate(day));
        rec.setTime(QLatin1String(time));
        rec.setText(text);
        ASSERT_TRUE(RepeatingReminders(state.programFolder).add(rec, rule).ok());
    }
    void setNow(const QDateTime& now) { platform.clock = now; }
    QByteArray napom() const { return folder.read(QStringLiteral("system/napom.dat")); }
    // Ticks until nothing more is shown: the start's reload and the walk.
    void run() {
        state.reloadReminders = true;
        reminders.reminderTick();
        reminders.reminderTick();
    }
};

QByteArray ordinaryRecord(const QDate& day, const char* time, const QString& text) {
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(day));
    rec.setTime(QLatin1String(time));
    rec.setText(text);
    return rec.bytes();
}

}  // namespace

TEST_F(RepeatingCheck, AnAnnouncedReminderGivesWayToItsNextOccurrence) {
    const struct {
        const char* what;
        RepeatRule rule;
        QDate day;       // the occurrence in the file
        QDateTime now;   // the tick
        QDate next;      // the occurrence written in its place
        QString missed;  // the overdue notice's last line; empty for a due one
    } rows[] = {
        {"daily, due",
         RepeatRule::Daily,
         QDate(2026, 3, 10),
         QDateTime(QDate(2026, 3, 10), QTime(8, 0, 5)),
         QDate(2026, 3, 11),
         {}},
        {"workdays, due on a Friday",
         RepeatRule::Workdays,
         QDate(2026, 3, 13),
         QDateTime(QDate(2026, 3, 13), QTime(8, 0, 5)),
         QDate(2026, 3, 16),
         {}},
        {"monthly on the 31st, due",
         RepeatRule::Monthly,
         QDate(2026, 3, 31),
         QDateTime(QDate(2026, 3, 31), QTime(8, 0, 5)),
         QDate(2026, 4, 30),
         {}},
        {"yearly on 29 February, due",
         RepeatRule::Yearly,
         QDate(2028, 2, 29),
         QDateTime(QDate(2028, 2, 29), QTime(8, 0, 5)),
         QDate(2029, 2, 28),
         {}},
        {"daily, four days down", RepeatRule::Daily, QDate(2026, 3, 6),
         QDateTime(QDate(2026, 3, 10), QTime(9, 0)), QDate(2026, 3, 11),
         QStringLiteral("Пропущено повторений: 5")},
        {"daily, back before the day's occurrence", RepeatRule::Daily, QDate(2026, 3, 6),
         QDateTime(QDate(2026, 3, 10), QTime(7, 0)), QDate(2026, 3, 10),
         QStringLiteral("Пропущено повторений: 4")},
        {"weekly, a month down", RepeatRule::Weekly, QDate(2026, 2, 4),
         QDateTime(QDate(2026, 3, 5), QTime(9, 0)), QDate(2026, 3, 11),
         QStringLiteral("Пропущено повторений: 5")},
        {"monthly 31st, over a year's end", RepeatRule::Monthly, QDate(2026, 10, 31),
         QDateTime(QDate(2027, 1, 2), QTime(9, 0)), QDate(2027, 1, 31),
         QStringLiteral("Пропущено повторений: 3")},
        {"workdays, over a weekend", RepeatRule::Workdays, QDate(2026, 3, 13),
         QDateTime(QDate(2026, 3, 16), QTime(9, 0)), QDate(2026, 3, 17),
         QStringLiteral("Пропущено повторений: 2")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        QFile::remove(folder.path(QStringLiteral("system/repeat.dat")));
        platform.messages.clear();
        // Another reminder, with bytes no writer of ours makes, stays as it is.
        QByteArray other = ordinaryRecord(QDate(2030, 1, 1), "12:00", QStringLiteral("другое"));
        other.replace(165, 3, "pad");
        folder.write(QStringLiteral("system/napom.dat"), other);
        addRepeating(row.day, "08:00", QStringLiteral("Таблетки"), row.rule);
        setNow(row.now);
        run();
        ASSERT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(platform.messages.first().endsWith(QStringLiteral("\rТаблетки\r") + row.missed),
                  !row.missed.isEmpty())
            << qPrintable(platform.messages.first());
        // "napom.dat" holds the next occurrence as an ordinary record.
        EXPECT_EQ(napom(), other + ordinaryRecord(row.next, "08:00", QStringLiteral("Таблетки")));
        const RepeatFile::Read rules = RepeatFile(state.programFolder).read();
        ASSERT_EQ(rules.entries.size(), 1);
        EXPECT_EQ(rules.entries.first().day, row.next);
        EXPECT_FALSE(rules.entries.first().then.isValid());
        EXPECT_TRUE(platform.errors.isEmpty()) << qPrintable(platform.errors.join('\n'));
    }
}

// Whatever the trouble, each reminder is announced once, and the trouble is
// told in one message however many reloads follow.
TEST_F(RepeatingCheck, ARuleFileInTroubleLosesNoReminderAndIsToldOnce) {
    const struct {
        const char* what;
        std::function<void(TempFolder&)> harm;
        const char* told;  // the start of the message
        int repeating;     // of the two, those whose rules were read whole
    } rows[] = {
        {"its first line lost",
         [](TempFolder& f) {
             QByteArray bytes = f.read(QStringLiteral("system/repeat.dat"));
             f.write(QStringLiteral("system/repeat.dat"), bytes.mid(5));
         },
         "Файл правил повтора повреждён", 0},
        {"a rule's line garbled",
         [](TempFolder& f) {
             QByteArray bytes = f.read(QStringLiteral("system/repeat.dat"));
             f.write(QStringLiteral("system/repeat.dat"), bytes.replace("daily", "dai\x01y"));
         },
         "Файл правил повтора повреждён", 1},
        {"a folder under its name",
         [](TempFolder& f) {
             QFile::remove(f.path(QStringLiteral("system/repeat.dat")));
             QDir().mkpath(f.path(QStringLiteral("system/repeat.dat")));
         },
         "Файл правил повтора повреждён", 0},
        {"removed while the clock runs",
         [](TempFolder& f) { QFile::remove(f.path(QStringLiteral("system/repeat.dat"))); },
         "Файл правил повтора пропал", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder fresh;
        state.programFolder = ProgramFolder(fresh.root());
        fresh.write(QStringLiteral("lang/Русский.lng"),
                    folder.read(QStringLiteral("lang/Русский.lng")));
        FakePlatform shown;
        ReminderDueCheck check(state, timers.view(), shown);
        shown.clock = QDateTime(QDate(2026, 3, 10), QTime(7, 0));
        ReminderRecord rec;
        rec.setDate(daycount::fromDate(QDate(2026, 3, 10)));
        rec.setTime(QStringLiteral("08:00"));
        rec.setText(QStringLiteral("первое"));
        ASSERT_TRUE(RepeatingReminders(state.programFolder).add(rec, RepeatRule::Daily).ok());
        rec.setTime(QStringLiteral("08:01"));
        rec.setText(QStringLiteral("второе"));
        ASSERT_TRUE(RepeatingReminders(state.programFolder).add(rec, RepeatRule::Weekly).ok());
        // The clock has read the rules before the harm.
        state.reloadReminders = true;
        check.reminderTick();
        ASSERT_TRUE(shown.errors.isEmpty());
        row.harm(fresh);
        for (const QTime time :
             {QTime(7, 30), QTime(8, 0), QTime(8, 1), QTime(8, 2), QTime(9, 0)}) {
            shown.clock = QDateTime(QDate(2026, 3, 10), time);
            state.reloadReminders = true;
            check.reminderTick();
            check.reminderTick();
        }
        EXPECT_EQ(shown.messages,
                  (QStringList{QStringLiteral("первое"), QStringLiteral("второе")}));
        ASSERT_EQ(shown.errors.size(), 1) << qPrintable(shown.errors.join('\n'));
        EXPECT_TRUE(shown.errors.first().startsWith(QString::fromUtf8(row.told)))
            << qPrintable(shown.errors.first());
        // The weekly one, its rule read, is due again a week later.
        const ScheduleList left = ScheduleFiles(state.programFolder).load(ScheduleKind::Reminders);
        ASSERT_EQ(left.size(), row.repeating);
        if (row.repeating == 1) {
            EXPECT_EQ(left.first().day(), QDate(2026, 3, 17));
            EXPECT_EQ(left.first().text(), QStringLiteral("второе"));
        }
    }
}

// The wall-clock time is kept over both of Paris's changes of summer time.
TEST_F(RepeatingCheck, TheNextOccurrenceKeepsItsTimeOverADaylightSavingChange) {
    const ZoneGuard paris("Europe/Paris");
    const struct {
        QDate day;
        QDate next;
    } rows[] = {{QDate(2026, 3, 28), QDate(2026, 3, 29)},
                {QDate(2026, 10, 24), QDate(2026, 10, 25)}};
    for (const auto& row : rows) {
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        QFile::remove(folder.path(QStringLiteral("system/repeat.dat")));
        addRepeating(row.day, "08:00", QStringLiteral("Таблетки"), RepeatRule::Daily);
        setNow(QDateTime(row.day, QTime(8, 0, 1)));
        run();
        EXPECT_EQ(napom(), ordinaryRecord(row.next, "08:00", QStringLiteral("Таблетки")));
        // A day later by the wall clock: due again at its minute.
        platform.messages.clear();
        setNow(QDateTime(row.next, QTime(8, 0, 1)));
        run();
        EXPECT_EQ(platform.messages, QStringList{QStringLiteral("Таблетки")});
    }
}
