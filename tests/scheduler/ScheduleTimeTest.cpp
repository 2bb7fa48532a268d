#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <utility>

#include "scheduler/ScheduleTime.h"

TEST(ScheduleTimeFields, TwoDigitsAlwaysAndNothingOutsideTheClock) {
    EXPECT_EQ(*ScheduleTime::check("7", "5"), QStringLiteral("07:05"));
    EXPECT_EQ(*ScheduleTime::check(" 23 ", "59"), QStringLiteral("23:59"));
    EXPECT_EQ(*ScheduleTime::check("00", "00"), QStringLiteral("00:00"));
    for (const auto& [h, m] : QList<std::pair<QString, QString>>{{"24", "00"},
                                                                 {"00", "60"},
                                                                 {"", "00"},
                                                                 {"1a", "00"},
                                                                 {"+1", "00"},
                                                                 {"-0", "00"},
                                                                 {"12", ""},
                                                                 {"99999999999", "00"},
                                                                 {"١", "00"}}) {
        EXPECT_FALSE(ScheduleTime::check(h, m).ok()) << h.toStdString() << ":" << m.toStdString();
    }
    EXPECT_EQ(ScheduleTime::step("x", 1, 0, 23), QStringLiteral("01"));
    EXPECT_EQ(ScheduleTime::step("99", -1, 0, 59), QStringLiteral("59"));
}
