#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "ical/LocalTimeZone.h"
#include "scheduler/RepeatRule.h"
#include "settings/Expected.h"

struct icalcomponent_impl;

// A reminder an iCalendar file asks for: its moment in local time, the
// clock's, and its text, line breaks as "\n".
struct ImportedReminder {
    QDateTime at;
    QString text;
    bool occurrence = false;  // one of a recurring item's
    // A recurring item whose rule is one of ours: one repeating reminder at
    // its first occurrence from now, the rule anchored on `anchor`.
    RepeatRule rule = RepeatRule::Never;
    QDate anchor;
};

// The reminders of an iCalendar file (RFC 5545), read by libical: one for
// each event, and for each to-do with a due time, at the time of its first
// display alarm, else at its start (a to-do's due time). Times in UTC, with
// a TZID or floating are brought to local time. A recurring item gives
// its occurrences of the next 366 days, at most 1000 of them in all, the
// earliest. An all-day item is reminded of at 09:00 of its day. What the
// reminder editor would refuse (a past time, a text longer than a record
// holds or with characters code page 1251 has not) is left out with a line
// in problems() naming the item's summary. A file that would take libical
// out of bounds (nesting deeper than calendars do, zone definitions that
// expand without end) is refused before libical goes there, and its
// recurrence rules are followed within a budget of libical's work.
// A recurring item whose one rule picks the very occurrences a repeating
// reminder of ours would (daily, Monday to Friday, weekly, monthly on a day
// or the month's last, yearly), with no end, no extra or excluded dates and
// no occurrence of its own changed, gives one repeating reminder instead:
// what libical expands over the span is checked against what the reminder
// would do, so a rule kept is kept only where the two agree to the minute.
class ICalImport {
  public:
    static constexpr qsizetype kMaxOccurrences = 1000;
    static constexpr int kDaysAhead = 366;
    static constexpr int kAllDayHour = 9;
    // Calendars nest three deep (VCALENDAR, VEVENT, VALARM); libical parses
    // a level by a recursion, and thousands of them run it out of stack.
    static constexpr int kMaxNesting = 32;

    explicit ICalImport(const QDateTime& now);

    // Reads the file's text; fails with why it is no calendar that libical
    // can read, in one line.
    Expected<void> read(const QByteArray& text);

    const QList<ImportedReminder>& reminders() const { return reminders_; }
    const QStringList& problems() const { return problems_; }

  private:
    void collectReplaced(icalcomponent_impl* calendar);
    void addItem(icalcomponent_impl* calendar, icalcomponent_impl* item);
    void addOnce(const QString& text, const QDateTime& at);
    bool keepRepeating(icalcomponent_impl* item, const QString& text,
                       const QList<QDateTime>& occurrences);
    void keepEarliestOccurrences();
    void refuse(const QString& text, const QString& problem);

    LocalTimeZone local_;
    QDateTime now_;
    // The occurrences that items of their own replace, by UID.
    QHash<QByteArray, QSet<QDateTime>> replaced_;
    QList<ImportedReminder> reminders_;
    QStringList problems_;
    // Steps of libical's iterators left to this import (ICalRuleWork):
    // a rule by the second would otherwise keep it busy for hours trying
    // every second, whether or not one ever passes. A few seconds' worth.
    qint64 steps_ = 200000;
};
