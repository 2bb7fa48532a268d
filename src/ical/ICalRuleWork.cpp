#include "ical/ICalRuleWork.h"

#include <QDateTime>
#include <QList>
#include <algorithm>
#include <array>
#include <limits>
#include <numeric>
#include <utility>

namespace {

// The Gregorian calendar repeats itself, weekdays and all, every 400 years.
constexpr int kCycleYears = 400;
constexpr int kLastYear = 2582;  // libical's iterator gives nothing later
// Days looked through one by one for a day that passes a rule's filters.
constexpr qint64 kDaysLookedThrough = 800;

int cycleYear(qint64 year) {
    const int offset = int((year - 2000) % kCycleYears);
    return 2000 + (offset < 0 ? offset + kCycleYears : offset);
}

// What decides the days a rule gives in a month: its length and the weekday
// it begins on; in a year: whether it is a leap year and its first weekday.
// Reckoned once for each month of a cycle from 2000 on; `year` is in it.
int monthShape(int year, int month) {
    static const std::array<qint8, kCycleYears* 12> shapes = [] {
        std::array<qint8, kCycleYears * 12> all{};
        for (int i = 0; i < kCycleYears * 12; ++i) {
            const QDate first(2000 + i / 12, i % 12 + 1, 1);
            all[i] = qint8((first.daysInMonth() - 28) * 8 + first.dayOfWeek() % 7);
        }
        return all;
    }();
    return shapes[(year - 2000) * 12 + month - 1];
}

int yearShape(int year) {
    static const std::array<qint8, kCycleYears> shapes = [] {
        std::array<qint8, kCycleYears> all{};
        for (int i = 0; i < kCycleYears; ++i) {
            all[i] = qint8((QDate::isLeapYear(2000 + i) ? 8 : 0) +
                           QDate(2000 + i, 1, 1).dayOfWeek() % 7);
        }
        return all;
    }();
    return shapes[year - 2000];
}

int partSize(const short* values, int size) {
    int n = 0;
    while (n < size && values[n] != ICAL_RECURRENCE_ARRAY_MAX) {
        ++n;
    }
    return n;
}

QDateTime asWall(const icaltimetype& time) {
    return QDateTime(QDate(time.year, time.month, time.day),
                     time.is_date ? QTime(0, 0) : QTime(time.hour, time.minute, time.second),
                     Qt::UTC);
}

icaltimetype wallOf(const QDateTime& at) {
    icaltimetype time = icaltime_null_time();
    time.year = at.date().year();
    time.month = at.date().month();
    time.day = at.date().day();
    time.hour = at.time().hour();
    time.minute = at.time().minute();
    time.second = at.time().second();
    return time;
}

qint64 saturatedProduct(qint64 a, qint64 b) {
    return b != 0 && a > std::numeric_limits<qint64>::max() / b ? std::numeric_limits<qint64>::max()
                                                                : a * b;
}

}  // namespace

ICalRuleWork::ICalRuleWork(const icalrecurrencetype& rule, const icaltimetype& start)
    : frequency_(rule.freq), interval_(std::max<int>(1, rule.interval)), days_(rule, start) {
    // The time parts that add times to each day rather than filter them.
    if (frequency_ > ICAL_SECONDLY_RECURRENCE) {
        timesPerDay_ *= std::max(1, partSize(rule.by_second, ICAL_BY_SECOND_SIZE));
    }
    if (frequency_ > ICAL_MINUTELY_RECURRENCE) {
        timesPerDay_ *= std::max(1, partSize(rule.by_minute, ICAL_BY_MINUTE_SIZE));
    }
    if (frequency_ > ICAL_HOURLY_RECURRENCE) {
        timesPerDay_ *= std::max(1, partSize(rule.by_hour, ICAL_BY_HOUR_SIZE));
    }
    if (frequency_ >= ICAL_NO_RECURRENCE || start.year < 1 || start.year > kLastYear) {
        verdict_ = Verdict::Never;
        return;
    }
    if (rule.rscale && qstricmp(rule.rscale, "GREGORIAN") != 0) {
        verdict_ = Verdict::Unfollowable;
        reason_ = QStringLiteral(
                      "its rule counts in the %1 calendar (RSCALE), which the import "
                      "does not follow.")
                      .arg(QString::fromUtf8(rule.rscale).left(20));
        return;
    }
    if (rule.skip != ICAL_SKIP_OMIT) {
        verdict_ = Verdict::Unfollowable;
        reason_ = QStringLiteral(
            "its rule moves the days a month has not (SKIP), which the import does not follow.");
        return;
    }
    if (frequency_ == ICAL_YEARLY_RECURRENCE) {
        const bool badMonth = std::any_of(days_.months().begin(), days_.months().end(),
                                          [](short month) { return month < 1 || month > 12; });
        // Parts libical 3.0 does not take together: it gives no time.
        if ((days_.hasYearDays() &&
             (days_.hasWeekNumbers() || days_.hasMonths() || days_.hasMonthDays())) ||
            (days_.hasWeekNumbers() &&
             (days_.hasMonthDays() || (days_.hasMonths() && !days_.hasWeekdays()))) ||
            (badMonth && days_.hasWeekdays())) {
            verdict_ = Verdict::Never;
            return;
        }
        if (days_.hasWeekNumbers() && !days_.weekNumbersPlain()) {
            verdict_ = Verdict::Unfollowable;
            reason_ = QStringLiteral(
                "its rule picks days by week numbers together with positions, months or "
                "weeks not from Monday, which the import does not follow.");
            return;
        }
    }
    if (periodic()) {
        searchPeriods(start);
    }
}

bool ICalRuleWork::periodic() const {
    return frequency_ == ICAL_MONTHLY_RECURRENCE || frequency_ == ICAL_YEARLY_RECURRENCE;
}

// The months or years the rule steps through, one cycle of the calendar
// long: whether any gives days, and the longest run of those that give none.
void ICalRuleWork::searchPeriods(const icaltimetype& start) {
    const bool monthly = frequency_ == ICAL_MONTHLY_RECURRENCE;
    const int cycle = monthly ? kCycleYears * 12 : kCycleYears;
    const int visits = cycle / std::gcd(interval_, cycle);
    const qint64 first = monthly ? qint64(start.year) * 12 + start.month - 1 : start.year;
    std::array<qint8, 32> known;  // by shape: -1 not yet reckoned
    known.fill(-1);
    QList<bool> gives(visits, false);
    for (int k = 0; k < visits; ++k) {
        const qint64 at = first + qint64(k) * interval_;
        const int year = cycleYear(monthly ? at / 12 : at);
        const int month = monthly ? int(at % 12) + 1 : 1;
        // A monthly rule steps over the months BYMONTH leaves out.
        if (monthly && days_.hasMonths() && !days_.months().contains(month)) {
            continue;
        }
        const int shape = monthly ? monthShape(year, month) : yearShape(year);
        if (known[shape] < 0) {
            known[shape] = monthly ? days_.monthHasDays(year, month) : days_.yearHasDays(year);
        }
        gives[k] = known[shape] > 0;
    }
    if (!gives.contains(true)) {
        verdict_ = Verdict::Never;
        return;
    }
    qint64 run = 0;
    for (int k = 0; k < 2 * visits; ++k) {
        run = gives[k % visits] ? 0 : run + 1;
        longestSearch_ = std::max(longestSearch_, run);
    }
    ++longestSearch_;
}

qint64 ICalRuleWork::candidatesPerPeriod() const {
    qint64 days = 1;
    if (frequency_ == ICAL_WEEKLY_RECURRENCE && days_.hasWeekdays()) {
        days = std::min<qint64>(7, days_.weekdays().size());
    } else if (frequency_ == ICAL_MONTHLY_RECURRENCE) {
        days = days_.mostDaysInMonth();
    } else if (frequency_ == ICAL_YEARLY_RECURRENCE) {
        days = days_.mostDaysInYear();
    }
    return days * timesPerDay_;
}

// The shortest a period of the rule's frequency can be.
qint64 ICalRuleWork::periodSeconds() const {
    static constexpr std::array<qint64, 7> seconds{1,         60,         3600,       86400,
                                                   7 * 86400, 28 * 86400, 365 * 86400};
    return seconds[std::min<int>(frequency_, ICAL_YEARLY_RECURRENCE)];
}

bool ICalRuleWork::mayOccurBetween(const icaltimetype& from, const icaltimetype& to) const {
    if (periodic()) {
        return true;
    }
    const auto passes = [&](const QDate& day) {
        // A weekly rule's weekdays add days; only its months filter them.
        return frequency_ == ICAL_WEEKLY_RECURRENCE
                   ? !days_.hasMonths() || days_.months().contains(day.month())
                   : days_.dayPasses(day);
    };
    const QDate first(from.year, from.month, from.day);
    const QDate last(to.year, to.month, to.day);
    if (!first.isValid() || !last.isValid()) {
        return true;
    }
    const qint64 span = first.daysTo(last);
    for (qint64 n = 0; n <= std::min(span, kDaysLookedThrough); ++n) {
        if (passes(first.addDays(n))) {
            return true;
        }
    }
    if (span <= kDaysLookedThrough) {
        return false;
    }
    // Over a longer span: any day of a year of each shape.
    std::array<bool, 16> seen{};
    for (int year = 2000; year < 2000 + kCycleYears; ++year) {
        if (std::exchange(seen[yearShape(year)], true)) {
            continue;
        }
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
            if (passes(day)) {
                return true;
            }
        }
    }
    return false;
}

qint64 ICalRuleWork::stepsBetween(const icaltimetype& from, const icaltimetype& to) const {
    const QDateTime first = asWall(from);
    const QDateTime last = asWall(to);
    if (!first.isValid() || !last.isValid()) {
        return std::numeric_limits<qint64>::max();  // no telling: more than any budget
    }
    const qint64 span = std::max<qint64>(0, first.secsTo(last));
    const qint64 periods = span / saturatedProduct(periodSeconds(), interval_) + 2;
    const qint64 each = candidatesPerPeriod() + (periodic() ? 1 : 0);
    const qint64 steps = saturatedProduct(periods, each);
    return steps > std::numeric_limits<qint64>::max() / 2 ? steps : steps + 3 * longestSearch_;
}

icaltimetype ICalRuleWork::reachWithin(const icaltimetype& from, qint64 steps) const {
    const qint64 each = candidatesPerPeriod() + (periodic() ? 1 : 0);
    const qint64 periods = (steps - 3 * longestSearch_) / each - 2;
    if (periods < 1) {
        return icaltime_null_time();
    }
    // Past the last year libical gives, the iterator ends by itself.
    constexpr qint64 kFarthest = qint64(kLastYear) * 366 * 86400;
    const qint64 reach = saturatedProduct(saturatedProduct(periods, periodSeconds()), interval_);
    return wallOf(asWall(from).addSecs(std::min(reach, kFarthest)));
}
