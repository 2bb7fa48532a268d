#pragma once

#include <QDate>
#include <QDateTime>
#include <compare>

#include "scheduler/RepeatRule.h"

// The occurrences of a repeating reminder: the days its rule picks from its
// anchor (the day the reminder was set for) on, each at one time of day. It
// counts in local wall-clock days and minutes, as the schedule files store
// and the due checks compare them, so an occurrence keeps its time of day
// across a change to or from summer time.
class Recurrence {
  public:
    // A local wall-clock minute: a day and the minute of that day.
    struct Moment {
        QDate day;
        int minute = 0;  // 0 to 1439
        static Moment of(const QDateTime& at);
        auto operator<=>(const Moment& other) const {
            if (const auto byDay = day.toJulianDay() <=> other.day.toJulianDay(); byDay != 0) {
                return byDay;
            }
            return minute <=> other.minute;
        }
        bool operator==(const Moment& other) const = default;
    };

    // `minute` the occurrences' minute of the day. The anchor must be a valid day.
    Recurrence(RepeatRule rule, const QDate& anchor, int minute);

    RepeatRule rule() const { return rule_; }
    const QDate& anchor() const { return anchor_; }
    int minute() const { return minute_; }

    // Whether the rule picks `day` (never a day before the anchor).
    bool isOccurrence(const QDate& day) const;
    // The first day on or after `day`, and not before the anchor, that the
    // rule picks. Invalid for Never.
    QDate dayOnOrAfter(const QDate& day) const;

    // The first occurrence at `moment` or later.
    Moment firstFrom(const Moment& moment) const;
    // The first occurrence strictly after `moment`: what is due next once
    // the occurrences up to `moment` are over.
    Moment nextAfter(const Moment& moment) const;
    // The same for a moment in any zone: the next occurrence at its wall-clock
    // time in that zone.
    QDateTime nextAfter(const QDateTime& now) const;

    // The occurrences in (from, through]: none when `through` is not later.
    qint64 countBetween(const Moment& from, const Moment& through) const;
    // How many occurrences one notice at `now` stands for, the notice being
    // of the occurrence at `shown`: that one and every later one up to now.
    qint64 missed(const Moment& shown, const Moment& now) const;

  private:
    // The rule's day in the month (monthly) or year (yearly) of `day`.
    QDate occurrenceIn(int year, int month) const;
    // How many days the rule picks from the anchor up to and including `day`.
    qint64 countThrough(const QDate& day) const;
    // The last day whose occurrence lies at `moment` or before.
    QDate lastDayThrough(const Moment& moment) const;

    RepeatRule rule_;
    QDate anchor_;
    int minute_;
};
