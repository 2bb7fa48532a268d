#include <gtest/gtest.h>

#include "calendar/MonthLayout.h"

namespace {

using WeekStart = MonthLayout::WeekStart;

QStringList mondayFirst() {
    return {QStringLiteral("Пн"), QStringLiteral("Вт"), QStringLiteral("Ср"),
            QStringLiteral("Чт"), QStringLiteral("Пт"), QStringLiteral("Сб"),
            QStringLiteral("Вс"), QStringLiteral("rus")};
}

QStringList sundayFirst(const QString& code = QStringLiteral("eng")) {
    return {QStringLiteral("Su"), QStringLiteral("Mo"), QStringLiteral("Tu"), QStringLiteral("We"),
            QStringLiteral("Th"), QStringLiteral("Fr"), QStringLiteral("Sa"), code};
}

// Where day `day` sits, as (column, row); (-1, -1) when it is not shown.
std::pair<int, int> find(const MonthLayout& layout, int day) {
    for (int row = 1; row < MonthLayout::kRows; ++row) {
        for (int col = 0; col < MonthLayout::kColumns; ++col) {
            if (layout.cell(col, row).text == QString::number(day)) {
                return {col, row};
            }
        }
    }
    return {-1, -1};
}

int shownDays(const MonthLayout& layout) {
    int count = 0;
    for (int row = 1; row < MonthLayout::kRows; ++row) {
        for (int col = 0; col < MonthLayout::kColumns; ++col) {
            count += layout.cell(col, row).text.isEmpty() ? 0 : 1;
        }
    }
    return count;
}

}  // namespace

TEST(MonthLayoutWeeks, OnlyTheExactCodeRusStartsOnMonday) {
    EXPECT_EQ(MonthLayout::weekStartFor(QStringLiteral("rus")), WeekStart::Monday);
    for (const char* code : {"Rus", "rus ", " rus", "RUS", "", "eng", "fre"}) {
        EXPECT_EQ(MonthLayout::weekStartFor(QString::fromLatin1(code)), WeekStart::Sunday) << code;
    }
    QStringList texts = mondayFirst();
    texts[7] = QStringLiteral("Rus");
    EXPECT_EQ(MonthLayout(QDate(2026, 3, 10), texts).weekStart(), WeekStart::Sunday);
    // A table without its eighth line lays out from Sunday too.
    EXPECT_EQ(MonthLayout(QDate(2026, 3, 10), {}).weekStart(), WeekStart::Sunday);
}

TEST(MonthLayoutWeeks, CaptionRowHoldsTheTableInOrder) {
    const MonthLayout layout(QDate(2026, 3, 10), mondayFirst());
    EXPECT_EQ(layout.cell(0, 0).text, QStringLiteral("Пн"));
    EXPECT_EQ(layout.cell(6, 0).text, QStringLiteral("Вс"));
    for (int col = 0; col < 7; ++col) {
        EXPECT_FALSE(layout.cell(col, 0).red) << col;
        EXPECT_FALSE(layout.cell(col, 0).yellow) << col;
    }
    // Fewer captions leave the rest empty.
    const MonthLayout partial(QDate(2026, 3, 10), {QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(partial.cell(1, 0).text, QStringLiteral("B"));
    EXPECT_TRUE(partial.cell(2, 0).text.isEmpty());
}

TEST(MonthLayoutDays, MondayFirstMonthOfThirtyOneDaysStartingOnSunday) {
    // 1 March 2026 is a Sunday.
    const MonthLayout layout(QDate(2026, 3, 10), mondayFirst());
    EXPECT_EQ(layout.sundayColumn(), 6);
    EXPECT_EQ(find(layout, 1), std::make_pair(6, 1));
    EXPECT_TRUE(layout.cell(6, 1).red);
    EXPECT_EQ(find(layout, 2), std::make_pair(0, 2));
    EXPECT_EQ(find(layout, 31), std::make_pair(1, 6));
    EXPECT_EQ(shownDays(layout), 31);
    // Nothing of February or April is shown around it.
    for (int col = 0; col < 6; ++col) {
        EXPECT_TRUE(layout.cell(col, 1).text.isEmpty()) << col;
    }
    for (int col = 2; col < 7; ++col) {
        EXPECT_TRUE(layout.cell(col, 6).text.isEmpty()) << col;
    }
    // Sundays are red, Saturdays are not.
    for (int day : {1, 8, 15, 22, 29}) {
        const auto [col, row] = find(layout, day);
        EXPECT_TRUE(layout.cell(col, row).red) << day;
    }
    EXPECT_FALSE(layout.cell(5, 2).red);
    EXPECT_FALSE(layout.cell(0, 2).red);
}

TEST(MonthLayoutDays, FebruaryStartingOnMondayFillsFourRows) {
    // 1 February 2021 is a Monday; 2021 is no leap year.
    const MonthLayout layout(QDate(2021, 2, 14), mondayFirst());
    EXPECT_EQ(find(layout, 1), std::make_pair(0, 1));
    EXPECT_EQ(find(layout, 28), std::make_pair(6, 4));
    for (int row = 1; row <= 4; ++row) {
        for (int col = 0; col < 7; ++col) {
            EXPECT_FALSE(layout.cell(col, row).text.isEmpty()) << col << "," << row;
        }
    }
    for (int row = 5; row <= 6; ++row) {
        for (int col = 0; col < 7; ++col) {
            EXPECT_TRUE(layout.cell(col, row).text.isEmpty()) << col << "," << row;
            EXPECT_FALSE(layout.cell(col, row).red);
        }
    }
}

TEST(MonthLayoutDays, SundayFirstMonthStartingOnSunday) {
    const MonthLayout layout(QDate(2026, 3, 20), sundayFirst());
    EXPECT_EQ(layout.sundayColumn(), 0);
    EXPECT_EQ(find(layout, 1), std::make_pair(0, 1));
    EXPECT_EQ(find(layout, 31), std::make_pair(2, 5));
    for (int row = 1; row < 7; ++row) {
        const MonthLayout::Cell& sunday = layout.cell(0, row);
        EXPECT_EQ(sunday.red, !sunday.text.isEmpty()) << row;
        EXPECT_FALSE(layout.cell(6, row).red) << row;
    }
}

TEST(MonthLayoutDays, SixRowsHoldTheLongestSpread) {
    // 1 August 2026 is a Saturday: in the Monday-first layout day 31 falls
    // into the sixth row. 1 January 2028 is a Saturday as well.
    const MonthLayout august(QDate(2026, 8, 1), mondayFirst());
    EXPECT_EQ(find(august, 1), std::make_pair(5, 1));
    EXPECT_EQ(find(august, 31), std::make_pair(0, 6));
    EXPECT_EQ(shownDays(august), 31);
    const MonthLayout sundayFirstJanuary(QDate(2028, 1, 1), sundayFirst());
    EXPECT_EQ(find(sundayFirstJanuary, 1), std::make_pair(6, 1));
    EXPECT_EQ(find(sundayFirstJanuary, 31), std::make_pair(1, 6));
    // Leap-year February shows its 29th.
    EXPECT_EQ(shownDays(MonthLayout(QDate(2024, 2, 1), mondayFirst())), 29);
}

TEST(MonthLayoutToday, OnlyTodayIsYellowAndKeepsItsRed) {
    const MonthLayout weekday(QDate(2026, 3, 10), mondayFirst());
    int yellow = 0;
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 7; ++col) {
            yellow += weekday.cell(col, row).yellow ? 1 : 0;
        }
    }
    EXPECT_EQ(yellow, 1);
    const auto [col, row] = find(weekday, 10);
    EXPECT_TRUE(weekday.cell(col, row).yellow);
    EXPECT_FALSE(weekday.cell(col, row).red);

    // 15 March 2026 is a Sunday: red on yellow.
    const MonthLayout sunday(QDate(2026, 3, 15), mondayFirst());
    const auto [sc, sr] = find(sunday, 15);
    EXPECT_TRUE(sunday.cell(sc, sr).yellow);
    EXPECT_TRUE(sunday.cell(sc, sr).red);

    // Today a holiday: red on yellow as well.
    MonthLayout holiday(QDate(2026, 3, 10), mondayFirst());
    holiday.markHolidays({QStringLiteral("10")});
    EXPECT_TRUE(holiday.cell(col, row).yellow);
    EXPECT_TRUE(holiday.cell(col, row).red);
}

TEST(MonthLayoutHolidays, LinesMatchDayTextsExactly) {
    MonthLayout layout(QDate(2026, 3, 10), mondayFirst());
    layout.markHolidays({QStringLiteral("5"), QStringLiteral("25"), QStringLiteral("07"),
                         QStringLiteral(" 9"), QStringLiteral("11 "), QString(),
                         QStringLiteral("0"), QStringLiteral("32"), QStringLiteral("5"),
                         QStringLiteral("Вт")});
    int red = 0;
    for (int row = 1; row < 7; ++row) {
        for (int col = 0; col < 6; ++col) {  // the Sunday column is red anyway
            if (layout.cell(col, row).red) {
                ++red;
                EXPECT_TRUE(layout.cell(col, row).text == QStringLiteral("5") ||
                            layout.cell(col, row).text == QStringLiteral("25"))
                    << layout.cell(col, row).text.toStdString();
            }
        }
    }
    EXPECT_EQ(red, 2);
    // Captions are never compared.
    EXPECT_FALSE(layout.cell(1, 0).red);
}

TEST(MonthLayoutHolidays, DayBeyondTheMonthMarksNothing) {
    // November 2026 has 30 days.
    MonthLayout layout(QDate(2026, 11, 3), mondayFirst());
    const MonthLayout before = layout;
    layout.markHolidays({QStringLiteral("31")});
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 7; ++col) {
            EXPECT_EQ(layout.cell(col, row).red, before.cell(col, row).red);
        }
    }
    EXPECT_EQ(find(layout, 31), std::make_pair(-1, -1));
}

TEST(MonthLayoutDays, InvalidDateShowsNoDays) {
    const MonthLayout layout(QDate(), mondayFirst());
    EXPECT_EQ(shownDays(layout), 0);
    EXPECT_EQ(layout.cell(0, 0).text, QStringLiteral("Пн"));
    EXPECT_TRUE(layout.cell(-1, 9).text.isEmpty());
}

// What a screen reader walks: the rows that hold days, and where each day is.
TEST(MonthLayoutWeeks, WeekRowsAndDayPlacesMatchTheCells) {
    struct Case {
        QDate today;
        bool mondayFirst;
        int weekRows;
    };
    const Case cases[] = {
        {QDate(2027, 2, 10), true, 4},   // 28 days from a Monday
        {QDate(2026, 3, 10), true, 6},   // 31 days from a Sunday
        {QDate(2026, 3, 10), false, 5},  // the same month from Sunday
        {QDate(2015, 2, 1), false, 4},   // 28 days from a Sunday
        {QDate(), true, 0},              // no month at all
    };
    for (const Case& c : cases) {
        const MonthLayout layout(c.today, c.mondayFirst ? mondayFirst() : sundayFirst());
        EXPECT_EQ(layout.weekRows(), c.weekRows) << c.today.toString().toStdString();
        EXPECT_EQ(layout.days(), c.today.isValid() ? c.today.daysInMonth() : 0);
        for (int day = 0; day <= 32; ++day) {
            int col = -1, row = -1;
            const bool found = layout.findDay(day, &col, &row);
            const std::pair<int, int> expected = find(layout, day);
            EXPECT_EQ(found, expected.first >= 0) << day;
            if (found) {
                EXPECT_EQ(std::make_pair(col, row), expected) << day;
                EXPECT_LE(row, layout.weekRows()) << day;
            }
        }
    }
}
