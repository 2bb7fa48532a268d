#include <gtest/gtest.h>

#include <QFile>

#include "TempFolder.h"
#include "ZoneGuard.h"
#include "cli/CalendarImport.h"

// Files written the way calendar programs write them, read into reminders.
namespace {

struct Case {
    const char* fixture;
    QByteArray zone;        // the clock's, as TZ names it
    QStringList reminders;  // "dd.MM.yyyy HH:mm text", in the order they are added
    QStringList problems;   // a part of each line, in order
};

QByteArray fixture(const char* name) {
    QFile file(testData(QStringLiteral("ical/") + QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QStringList shown(const QList<ImportedReminder>& reminders) {
    QStringList lines;
    for (const ImportedReminder& r : reminders) {
        lines << r.at.toString(QStringLiteral("dd.MM.yyyy HH:mm ")) + r.text;
    }
    return lines;
}

// Ten past noon in the clock's zone, a few months before the fixtures' events.
QDateTime now() {
    return QDateTime(QDate(2026, 12, 10), QTime(12, 10, 30));
}

}  // namespace

TEST(CalendarImportTest, ItemsBecomeRemindersAtTheirLocalTimes) {
    const TempFolder folder;
    const QList<Case> cases{
        // UTC times, seen from Moscow; the past and the cancelled are left
        // out, a property libical does not know and a broken place do not matter.
        {"google-utc.ics",
         "Europe/Moscow",
         {"15.01.2027 12:00 Dentist"},
         {"\"Old meeting\": 01.11.2026 12:00 has already passed.",
          "\"Cancelled run\": cancelled."}},
        // The file's zone definitions, one of a name no system knows; alarms
        // 15 minutes before the start and 5 before the end.
        {"thunderbird-tzid.ics",
         "Europe/Moscow",
         {"15.06.2027 10:45 Team call", "10.01.2027 07:55 Report due"},
         {"\"Lost city\": the time zone \"Atlantis/Lost\""}},
        // A weekly series over the change to summer time keeps its 08:30;
        // the excluded week is gone and the moved one comes on its own.
        {"evolution-weekly.ics",
         "Europe/Paris",
         {"01.03.2027 08:30 Yoga", "08.03.2027 08:30 Yoga", "29.03.2027 08:30 Yoga",
          "05.04.2027 08:30 Yoga", "22.03.2027 09:45 Yoga (moved)"},
         {}},
        // All day: 09:00 of the day, whatever the alarm; a yearly one once.
        {"apple-allday.ics",
         "Europe/Moscow",
         {"08.03.2027 09:00 Международный женский день", "20.05.2027 09:00 День рождения Ани"},
         {}},
        // Floating times are the clock's own; escapes and folded lines undone.
        {"outlook-cyrillic.ics",
         "Asia/Yekaterinburg",
         {"01.02.2027 07:00 Купить молоко, хлеб\nи сыр",
          "02.02.2027 07:00 Проверить отчёт по проекту «Север» до пятницы и отправить его "
          "руководителю отдела вместе с замечаниями"},
         {}},
        {"chinese.ics",
         "UTC",
         {"03.02.2027 12:00 Lunch"},
         {"\"项目会议\": Эти знаки нельзя сохранить",
          "biscuits served\": Текст напоминания длиннее 150"}},
        // A rule by the second since November: too many steps to follow.
        {"secondly.ics", "Europe/Paris", {}, {"\"secondly\" on may be missing"}},
        // To-dos at their due time, or their alarm's; undated and done ones out.
        {"todo.ics",
         "UTC",
         {"20.01.2027 17:00 Pay the rent", "25.01.2027 17:00 Send the invoice"},
         {"\"Someday tidy the attic\": no due time.", "\"Renew the passport\": done."}},
        // khal's definition of Europe/Berlin holds its next two changes alone;
        // the system's data places the times after them too.
        {"khal-two-changes.ics",
         "Europe/Berlin",
         {"17.11.2027 19:30 Choir", "04.10.2027 09:15 Standup", "01.11.2027 09:15 Standup",
          "06.12.2027 09:15 Standup"},
         {}},
        // A local time without a zone name: a POSIX rule, a copied zone file.
        {"google-utc.ics",
         "CET-1CEST",
         {"15.01.2027 10:00 Dentist"},
         {"\"Old meeting\": 01.11.2026", "\"Cancelled run\": cancelled."}},
        {"thunderbird-tzid.ics",
         "CET-1CEST",
         {"15.06.2027 09:45 Team call", "10.01.2027 05:55 Report due"},
         {"\"Lost city\": the time zone \"Atlantis/Lost\""}},
        {"google-utc.ics",
         copiedZone(folder.root(), "Asia/Tokyo"),
         {"15.01.2027 18:00 Dentist"},
         {"\"Old meeting\": 01.11.2026", "\"Cancelled run\": cancelled."}},
        // 02:30 on the night summer time starts in Paris is read as 03:30, a
        // series at 02:30 included; a floating time in the clock's own gap too.
        {"summer-gap.ics",
         "Europe/Paris",
         {"28.03.2027 03:30 Bakery", "27.03.2027 02:30 Pills", "28.03.2027 03:30 Pills",
          "29.03.2027 02:30 Pills", "28.03.2027 03:15 Floating"},
         {}},
        {"summer-gap.ics",
         "Europe/Moscow",
         {"28.03.2027 04:30 Bakery", "27.03.2027 04:30 Pills", "28.03.2027 04:30 Pills",
          "29.03.2027 03:30 Pills", "28.03.2027 02:15 Floating"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture + (' ' + c.zone).toStdString());
        const ZoneGuard zone(c.zone.constData());
        CalendarImport calendar(now());
        ASSERT_EQ(calendar.read(fixture(c.fixture)), QString());
        EXPECT_EQ(shown(calendar.reminders()), c.reminders);
        ASSERT_EQ(calendar.problems().size(), c.problems.size())
            << calendar.problems().join('\n').toStdString();
        for (qsizetype i = 0; i < c.problems.size(); ++i) {
            EXPECT_TRUE(calendar.problems()[i].contains(c.problems[i]))
                << calendar.problems()[i].toStdString();
        }
    }
}

// An hourly series since 2020: the import takes the first 1000 hours from
// now and says how many more there were.
TEST(CalendarImportTest, ARecurrenceGivesAtMostAThousandOccurrencesOfTheNextYear) {
    const ZoneGuard paris("Europe/Paris");
    CalendarImport calendar(now());
    ASSERT_EQ(calendar.read(fixture("hourly.ics")), QString());
    const QList<ImportedReminder>& got = calendar.reminders();
    ASSERT_EQ(got.size(), CalendarImport::kMaxOccurrences);
    EXPECT_EQ(got.first().at, QDateTime(QDate(2026, 12, 10), QTime(13, 0)));
    EXPECT_EQ(got.last().at, got.first().at.addSecs(3600 * 999));
    ASSERT_EQ(calendar.problems().size(), 1);
    EXPECT_TRUE(calendar.problems().first().contains(QStringLiteral("at most 1000")));
}

TEST(CalendarImportTest, FilesThatAreNoCalendarAreRefusedWhole) {
    const QList<std::pair<const char*, const char*>> cases{
        {"not-a-calendar.txt", "not an iCalendar file"},
        {"truncated.ics", "not an iCalendar file"},
        {"event-alone.ics", "not an iCalendar file"},
        {"bad-value.ics", "libical cannot read it: Can't parse as DATE-TIME"},
        {"garbage-line.ics", "libical cannot read it: Got a data line"},
        {"latin1.ics", "not UTF-8 text"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        CalendarImport calendar(now());
        const QString why = calendar.read(fixture(name));
        EXPECT_TRUE(why.contains(QLatin1String(reason))) << why.toStdString();
        EXPECT_FALSE(why.contains(QLatin1Char('\n')));
        EXPECT_TRUE(calendar.reminders().isEmpty());
    }
}
