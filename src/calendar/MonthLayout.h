#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

// What the calendar grid shows for one month: row 0 the seven week-day
// captions, rows 1 to 6 the days of the month one week per row, each day as
// its decimal number, nothing for the neighbouring months. Days in the Sunday
// column and the month's holidays have red text; today has a yellow cell.
class MonthLayout {
  public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 7;
    // The week-day table: captions 0 to 6 left to right, then the layout code.
    static constexpr int kWeekdayTexts = 8;
    static constexpr int kLayoutCode = 7;

    enum class WeekStart { Monday, Sunday };

    struct Cell {
        QString text;
        bool red = false;     // text in red rather than the grid's text colour
        bool yellow = false;  // background in yellow rather than the grid's
    };

    // Exactly "rus" starts the week on Monday; anything else, the empty code
    // included, on Sunday.
    static WeekStart weekStartFor(const QString& layoutCode);

    // The month of `today`. Missing entries of `weekdayTexts` count as empty.
    MonthLayout(const QDate& today, const QStringList& weekdayTexts);

    // Turns red every day whose number is spelled exactly as one of `lines`
    // ("7" marks day 7; "07", " 7" or a blank line mark nothing).
    void markHolidays(const QStringList& lines);

    const Cell& cell(int column, int row) const;
    // The rows 1 to 6 that hold days: 4 to 6 for a month, 0 without one.
    int weekRows() const { return weekRows_; }
    // How many days the month has, and where day `day` stands; false for a
    // day outside the month.
    int days() const { return days_; }
    bool findDay(int day, int* column, int* row) const;
    WeekStart weekStart() const { return weekStart_; }
    int sundayColumn() const { return weekStart_ == WeekStart::Monday ? 6 : 0; }
    int month() const { return month_; }

  private:
    std::array<Cell, kColumns * kRows> cells_;
    WeekStart weekStart_;
    int month_ = 0;
    int days_ = 0;
    int weekRows_ = 0;
    int startColumn_ = 0;
};
