#include <gtest/gtest.h>

#include <QFile>

#include "TempFolder.h"
#include "ZoneGuard.h"
#include "ical/ICalImport.h"

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

QByteArray calendarOf(const QByteArray& items) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\n" + items +
           "END:VCALENDAR\r\n";
}

// Ten past noon in the clock's zone, a few months before the fixtures' events.
QDateTime now() {
    return QDateTime(QDate(2026, 12, 10), QTime(12, 10, 30));
}

}  // namespace

TEST(ICalImportTest, ItemsBecomeRemindersAtTheirLocalTimes) {
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
          "on about the quarterly …\": Текст напоминания длиннее 150"}},
        // A rule by the second since November: too many steps to follow.
        {"secondly.ics", "Europe/Paris", {}, {"\"secondly\": it repeats too often"}},
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
        // Rules that name no time are told from those that do, without
        // libical's search for one.
        {"rules-never.ics",
         "Europe/Paris",
         {},
         {"\"Thirtieth of February\": no occurrence", "\"Fortieth day of a month\": no occurrence",
          "\"March of every February\": no occurrence",
          "\"Leap day of common years\": no occurrence",
          "\"Thirty-first of April\": no occurrence"}},
        // A rule by the second is followed as far as its share of libical's
        // steps reaches; the rules after it in full.
        {"rule-budget.ics",
         "Europe/Paris",
         {"16.12.2026 18:00 Choir", "23.12.2026 18:00 Choir", "30.12.2026 18:00 Choir"},
         {"\"Every second of the 28th of February\": it repeats too often"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture + (' ' + c.zone).toStdString());
        const ZoneGuard zone(c.zone.constData());
        ICalImport calendar(now());
        ASSERT_TRUE(calendar.read(fixture(c.fixture)).ok());
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
TEST(ICalImportTest, ARecurrenceGivesAtMostAThousandOccurrencesOfTheNextYear) {
    const ZoneGuard paris("Europe/Paris");
    ICalImport calendar(now());
    ASSERT_TRUE(calendar.read(fixture("hourly.ics")).ok());
    const QList<ImportedReminder>& got = calendar.reminders();
    ASSERT_EQ(got.size(), ICalImport::kMaxOccurrences);
    EXPECT_EQ(got.first().at, QDateTime(QDate(2026, 12, 10), QTime(13, 0)));
    EXPECT_EQ(got.last().at, got.first().at.addSecs(3600 * 999));
    ASSERT_EQ(calendar.problems().size(), 1);
    EXPECT_TRUE(calendar.problems().first().contains(QStringLiteral("at most 1000")));
}

TEST(ICalImportTest, FilesThatAreNoCalendarAreRefusedWhole) {
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
        ICalImport calendar(now());
        const QString why = calendar.read(fixture(name)).error();
        EXPECT_TRUE(why.contains(QLatin1String(reason))) << why.toStdString();
        EXPECT_FALSE(why.contains(QLatin1Char('\n')));
        EXPECT_TRUE(calendar.reminders().isEmpty());
    }
}

// A line about an item names it by the start of its summary: one line,
// however long the summary is or whatever characters it holds.
TEST(ICalImportTest, ALineAboutAnItemShowsItsSummaryCutAndEscaped) {
    const ZoneGuard zone("UTC");
    const auto event = [](const QByteArray& uid, const QByteArray& summary) {
        return "BEGIN:VEVENT\r\nUID:" + uid +
               "\r\nDTSTAMP:20261101T000000Z\r\nDTSTART:20261101T090000Z\r\nSUMMARY:" + summary +
               "\r\nEND:VEVENT\r\n";
    };
    const QByteArray text = calendarOf(event("long", QByteArray(1 << 20, 'x')) +
                                       event("escapes", "\x1b]0;Owned\x07Title\\nsecond line"));
    ICalImport calendar(now());
    ASSERT_TRUE(calendar.read(text).ok());
    ASSERT_EQ(calendar.problems().size(), 2);
    EXPECT_TRUE(calendar.problems()[0].startsWith(u'"' + QString(60, u'x') + QChar(0x2026) +
                                                  QStringLiteral("\": Текст напоминания длиннее")))
        << calendar.problems()[0].left(100).toStdString();
    EXPECT_LT(calendar.problems()[0].size(), 200);
    EXPECT_EQ(
        calendar.problems()[1],
        QStringLiteral(
            "\"\\x1b]0;Owned\\x07Title\\nsecond line\": 01.11.2026 09:00 has already passed."));
}

// libical reads 500 values of a line and drops the rest without a word; the
// import takes them all: an extra date past them is an occurrence, and an
// excluded one gives no reminder.
TEST(ICalImportTest, ValuesPastTheFiveHundredLibicalReadsOfALineCount) {
    const ZoneGuard zone("UTC");
    QByteArray excluded;  // of 2030, outside the span
    QByteArray extra;     // of 2025, passed
    for (int i = 0; i < 500; ++i) {
        excluded += QDate(2030, 1, 1).addDays(i).toString(u"yyyyMMdd").toLatin1() + ',';
        extra += QDate(2025, 1, 1).addDays(i).toString(u"yyyyMMdd").toLatin1() + "T090000Z,";
    }
    const QByteArray text = calendarOf(
        "BEGIN:VEVENT\r\nUID:daily\r\nDTSTAMP:20261101T000000Z\r\nDTSTART:20270101T090000Z\r\n"
        "RRULE:FREQ=DAILY;COUNT=5\r\nEXDATE;VALUE=DATE:" +
        excluded +
        "20270102,20270104\r\nSUMMARY:Daily\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:extra\r\nDTSTAMP:20261101T000000Z\r\nDTSTART:20270201T090000Z\r\n"
        "RDATE:" +
        extra + "20270205T090000Z\r\nSUMMARY:Extra\r\nEND:VEVENT\r\n");
    ICalImport calendar(now());
    ASSERT_TRUE(calendar.read(text).ok());
    EXPECT_EQ(
        shown(calendar.reminders()),
        (QStringList{"01.01.2027 09:00 Daily", "03.01.2027 09:00 Daily", "05.01.2027 09:00 Daily",
                     "01.02.2027 09:00 Extra", "05.02.2027 09:00 Extra"}));
    EXPECT_EQ(calendar.problems(), QStringList());
}
