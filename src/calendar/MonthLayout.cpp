#include "calendar/MonthLayout.h"
#include "settings/FormatNames.h"

#include <QSet>

MonthLayout::WeekStart MonthLayout::weekStartFor(const QString& layoutCode) {
    return layoutCode == formatnames::mondayFirstLayout() ? WeekStart::Monday : WeekStart::Sunday;
}

MonthLayout::MonthLayout(const QDate& today, const QStringList& weekdayTexts)
    : weekStart_(weekStartFor(weekdayTexts.value(kLayoutCode))) {
    for (int c = 0; c < kColumns; ++c) {
        cells_[c].text = weekdayTexts.value(c);
    }
    if (!today.isValid()) {
        return;
    }
    month_ = today.month();
    const QDate first(today.year(), today.month(), 1);
    // Qt counts Monday 1 to Sunday 7, which is the Monday-first column + 1.
    const int mondayBased = first.dayOfWeek() - 1;
    const int startColumn = weekStart_ == WeekStart::Monday ? mondayBased : (mondayBased + 1) % 7;
    const int days = today.daysInMonth();
    days_ = days;
    startColumn_ = startColumn;
    weekRows_ = (startColumn + days + kColumns - 1) / kColumns;
    int column = startColumn;
    int row = 1;
    for (int day = 1; day <= days; ++day) {
        Cell& cell = cells_[row * kColumns + column];
        cell.text = QString::number(day);
        cell.red = column == sundayColumn();
        cell.yellow = day == today.day();
        if (++column == kColumns) {
            column = 0;
            ++row;
        }
    }
}

void MonthLayout::markHolidays(const QStringList& lines) {
    const QSet<QString> wanted(lines.begin(), lines.end());
    for (int i = kColumns; i < kColumns * kRows; ++i) {
        Cell& cell = cells_[i];
        if (!cell.text.isEmpty() && wanted.contains(cell.text)) {
            cell.red = true;
        }
    }
}

bool MonthLayout::findDay(int day, int* column, int* row) const {
    if (day < 1 || day > days_) {
        return false;
    }
    const int at = startColumn_ + day - 1;
    *column = at % kColumns;
    *row = 1 + at / kColumns;
    return true;
}

const MonthLayout::Cell& MonthLayout::cell(int column, int row) const {
    static const Cell outside;
    if (column < 0 || column >= kColumns || row < 0 || row >= kRows) {
        return outside;
    }
    return cells_[row * kColumns + column];
}
