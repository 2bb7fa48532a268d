#include "ical/ICalRepeat.h"

#include <QList>
#include <algorithm>

namespace icalrepeat {

namespace {

const char* const kDayNames[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

// The last day of that day of the month in a month on or before `day`'s
// that has it: the anchor of a monthly rule on the 29th to 31st.
QDate monthWithDay(const QDate& day, int dayOfMonth) {
    QDate month(day.year(), day.month(), 1);
    while (month.daysInMonth() < dayOfMonth) {
        month = month.addMonths(-1);
    }
    return QDate(month.year(), month.month(), dayOfMonth);
}

template <size_t N>
QList<int> values(const short (&array)[N]) {
    QList<int> out;
    for (size_t i = 0; i < N && array[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        out << array[i];
    }
    return out;
}

template <size_t N>
bool empty(const short (&array)[N]) {
    return array[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

}  // namespace

QByteArray rrule(RepeatRule rule, const QDate& anchor) {
    switch (rule) {
        case RepeatRule::Never:
            return {};
        case RepeatRule::Daily:
            return "FREQ=DAILY";
        case RepeatRule::Workdays:
            return "FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR";
        case RepeatRule::Weekly:
            return QByteArray("FREQ=WEEKLY;BYDAY=") + kDayNames[anchor.dayOfWeek() - 1];
        case RepeatRule::Monthly:
            switch (anchor.day()) {
                case 29:
                    return "FREQ=MONTHLY;BYMONTHDAY=28,29;BYSETPOS=-1";
                case 30:
                    return "FREQ=MONTHLY;BYMONTHDAY=28,29,30;BYSETPOS=-1";
                case 31:
                    return "FREQ=MONTHLY;BYMONTHDAY=-1";
                default:
                    return "FREQ=MONTHLY;BYMONTHDAY=" + QByteArray::number(anchor.day());
            }
        case RepeatRule::Yearly:
            if (anchor.month() == 2 && anchor.day() == 29) {
                return "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=28,29;BYSETPOS=-1";
            }
            return "FREQ=YEARLY;BYMONTH=" + QByteArray::number(anchor.month()) +
                   ";BYMONTHDAY=" + QByteArray::number(anchor.day());
    }
    return {};
}

std::optional<Guess> guess(const icalrecurrencetype& r, const QDate& first) {
    if (r.count != 0 || !icaltime_is_null_time(r.until) || r.interval != 1 || !empty(r.by_second) ||
        !empty(r.by_minute) || !empty(r.by_hour) || !empty(r.by_year_day) || !empty(r.by_week_no)) {
        return std::nullopt;
    }
    const QList<int> days = values(r.by_day);
    const QList<int> monthDays = values(r.by_month_day);
    const QList<int> months = values(r.by_month);
    // libical's weekdays: 1 Sunday to 7 Saturday, with no position.
    const bool workdays = days == QList<int>{2, 3, 4, 5, 6};
    switch (r.freq) {
        case ICAL_DAILY_RECURRENCE:
            if (days.isEmpty()) {
                return Guess{RepeatRule::Daily, first};
            }
            return workdays ? std::optional(Guess{RepeatRule::Workdays, first}) : std::nullopt;
        case ICAL_WEEKLY_RECURRENCE:
            if (workdays) {
                return Guess{RepeatRule::Workdays, first};
            }
            return days.size() <= 1 ? std::optional(Guess{RepeatRule::Weekly, first})
                                    : std::nullopt;
        case ICAL_MONTHLY_RECURRENCE: {
            if (!days.isEmpty() || !months.isEmpty()) {
                return std::nullopt;
            }
            // The month's last day, or the last of some days from the 28th.
            const int last = monthDays.contains(-1) ? 31
                             : monthDays.isEmpty()
                                 ? first.day()
                                 : *std::max_element(monthDays.begin(), monthDays.end());
            return Guess{RepeatRule::Monthly, last > 28 ? monthWithDay(first, last) : first};
        }
        case ICAL_YEARLY_RECURRENCE: {
            if (!days.isEmpty()) {
                return std::nullopt;
            }
            if (first.month() == 2 && first.day() == 28 && monthDays.contains(29)) {
                int year = first.year();
                while (!QDate::isLeapYear(year)) {
                    --year;
                }
                return Guess{RepeatRule::Yearly, QDate(year, 2, 29)};
            }
            return Guess{RepeatRule::Yearly, first};
        }
        default:
            return std::nullopt;
    }
}

}  // namespace icalrepeat
