#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "calendar/HolidayList.h"

namespace {

QStringList list(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items) {
        out << QString::fromUtf8(item);
    }
    return out;
}

// The exchange sort step by step, as the editor has always done it.
QString referenceSort(QStringList& entries) {
    const qsizetype n = entries.size();
    for (qsizetype pass = 0; pass < n; ++pass) {
        for (qsizetype i = 0; i + 1 < n; ++i) {
            const auto upper = holidaylist::integerValue(entries.at(i));
            if (!upper) {
                return holidaylist::notAnInteger(entries.at(i));
            }
            const auto lower = holidaylist::integerValue(entries.at(i + 1));
            if (!lower) {
                return holidaylist::notAnInteger(entries.at(i + 1));
            }
            if (*upper > *lower) {
                entries.swapItemsAt(i, i + 1);
            }
        }
    }
    return QString();
}

}  // namespace

TEST(HolidayListValues, DecimalIntegersWithinThirtyTwoBits) {
    using holidaylist::integerValue;
    EXPECT_EQ(integerValue(QStringLiteral("7")), 7);
    EXPECT_EQ(integerValue(QStringLiteral("07")), 7);
    EXPECT_EQ(integerValue(QStringLiteral("  12")), 12);
    EXPECT_EQ(integerValue(QStringLiteral("+3")), 3);
    EXPECT_EQ(integerValue(QStringLiteral("-3")), -3);
    EXPECT_EQ(integerValue(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(integerValue(QStringLiteral("-2147483648")), -2147483647 - 1);
    for (const char* bad : {"", " ", "-", "+", "7 ", "1 2", "abc", "5a", "2147483648",
                            "-2147483649", "99999999999999999999", "٣", "1.5", "--1"}) {
        EXPECT_FALSE(integerValue(QString::fromUtf8(bad)).has_value()) << bad;
    }
    EXPECT_EQ(holidaylist::notAnInteger(QStringLiteral("abc")),
              QStringLiteral("'abc' is not a valid integer value"));
}

TEST(HolidayListAdd, KeepsNumericOrderWithDuplicatesAndTheTypedText) {
    QStringList days = list({"1", "10", "31"});
    EXPECT_TRUE(holidaylist::add(days, QStringLiteral("5")).isEmpty());
    EXPECT_EQ(days, list({"1", "5", "10", "31"}));

    QStringList three = list({"3"});
    EXPECT_TRUE(holidaylist::add(three, QStringLiteral("3")).isEmpty());
    EXPECT_EQ(three, list({"3", "3"}));

    QStringList zero = list({"5", "10"});
    EXPECT_TRUE(holidaylist::add(zero, QStringLiteral("07")).isEmpty());
    EXPECT_EQ(zero, list({"5", "07", "10"}));

    // Equal values keep their order: the earlier entry stays above.
    QStringList equal = list({"7", "9"});
    holidaylist::add(equal, QStringLiteral("07"));
    EXPECT_EQ(equal, list({"7", "07", "9"}));
}

TEST(HolidayListAdd, PlaceholderAndBlankLinesGiveWayToTheNewDay) {
    QStringList placeholder = list({""});
    EXPECT_TRUE(holidaylist::isPlaceholder(placeholder));
    EXPECT_TRUE(holidaylist::add(placeholder, QStringLiteral("8")).isEmpty());
    EXPECT_EQ(placeholder, list({"8"}));

    QStringList empty;
    EXPECT_FALSE(holidaylist::isPlaceholder(empty));
    holidaylist::add(empty, QStringLiteral("8"));
    EXPECT_EQ(empty, list({"8"}));

    // A blank first line must not take the days below it with it.
    QStringList blankFirst = list({"", "5", "", "2"});
    EXPECT_FALSE(holidaylist::isPlaceholder(blankFirst));
    EXPECT_TRUE(holidaylist::add(blankFirst, QStringLiteral("3")).isEmpty());
    EXPECT_EQ(blankFirst, list({"2", "3", "5"}));
}

TEST(HolidayListSort, EntryThatIsNoNumberStopsTheSortWhereItStands) {
    QStringList days = list({"1", "10"});
    EXPECT_EQ(holidaylist::add(days, QStringLiteral("abc")),
              QStringLiteral("'abc' is not a valid integer value"));
    EXPECT_EQ(days, list({"1", "10", "abc"}));

    // The first pass has moved 9 past 4 when it meets the text.
    QStringList partly = list({"9", "4", "x", "1"});
    EXPECT_EQ(holidaylist::sortByDay(partly), QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(partly, list({"4", "9", "x", "1"}));

    // With one entry nothing is compared.
    QStringList single = list({""});
    EXPECT_TRUE(holidaylist::add(single, QStringLiteral("abc")).isEmpty());
    EXPECT_EQ(single, list({"abc"}));
    // The next day added meets it at the first comparison.
    EXPECT_EQ(holidaylist::add(single, QStringLiteral("5")),
              QStringLiteral("'abc' is not a valid integer value"));
    EXPECT_EQ(single, list({"abc", "5"}));
}

TEST(HolidayListSort, SameOutcomeAsTheStepByStepExchangeSort) {
    QRandomGenerator random(20260310);
    const QStringList pool =
        list({"1", "2", "2", "07", "7", "10", "31", " 4", "-1", "x", "", "8 "});
    for (int round = 0; round < 2000; ++round) {
        QStringList entries;
        const int n = int(random.bounded(8));
        for (int i = 0; i < n; ++i) {
            entries << pool.at(int(random.bounded(int(pool.size()))));
        }
        QStringList expected = entries;
        const QString expectedError = referenceSort(expected);
        QStringList actual = entries;
        EXPECT_EQ(holidaylist::sortByDay(actual), expectedError) << entries.join('|').toStdString();
        EXPECT_EQ(actual, expected) << entries.join('|').toStdString();
    }
}

TEST(HolidayListSort, LongHandMadeListsStillSort) {
    // A hand-made file of many lines must not freeze the editor on Add.
    QStringList entries;
    for (int i = 200000; i > 0; --i) {
        entries << QString::number(i % 31 + 1);
    }
    EXPECT_TRUE(holidaylist::add(entries, QStringLiteral("15")).isEmpty());
    EXPECT_EQ(entries.first(), QStringLiteral("1"));
    EXPECT_EQ(entries.last(), QStringLiteral("31"));
    EXPECT_TRUE(
        std::is_sorted(entries.begin(), entries.end(),
                       [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); }));
}
