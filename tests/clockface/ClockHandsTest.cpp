#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "clockface/ClockHands.h"

namespace {

// The supplied skins' geometry: lengths 75, 65 and 55.
constexpr HandGeometry kClassic{94, 94, 85};

HandPoint endAt(Hand hand, QTime time, HandGeometry geometry = kClassic) {
    return hands::end(hand, hands::value(hand, time), geometry);
}

}  // namespace

TEST(ClockHands, AtTwelveAllPointStraightUp) {
    const auto lines = hands::at(QTime(12, 0, 0), kClassic);
    EXPECT_EQ(lines[0].to, (HandPoint{94, 19}));
    EXPECT_EQ(lines[1].to, (HandPoint{94, 29}));
    EXPECT_EQ(lines[2].to, (HandPoint{94, 39}));
    // Midnight is the same.
    EXPECT_EQ(endAt(Hand::Hours, QTime(0, 0, 0)), (HandPoint{94, 39}));
}

TEST(ClockHands, DrawsSecondsMinutesHoursFromTheCentre) {
    const auto lines = hands::at(QTime(3, 15, 30), kClassic);
    EXPECT_EQ(lines[0].hand, Hand::Seconds);
    EXPECT_EQ(lines[1].hand, Hand::Minutes);
    EXPECT_EQ(lines[2].hand, Hand::Hours);
    EXPECT_EQ(lines[0].penWidth, 2);
    EXPECT_EQ(lines[1].penWidth, 3);
    EXPECT_EQ(lines[2].penWidth, 4);
    for (const HandLine& line : lines) {
        EXPECT_EQ(line.from, (HandPoint{94, 94}));
    }
    // Hour and minute hands point right, the second hand down.
    EXPECT_EQ(lines[0].to, (HandPoint{94, 169}));
    EXPECT_EQ(lines[1].to, (HandPoint{159, 94}));
    EXPECT_EQ(lines[2].to, (HandPoint{149, 94}));
    EXPECT_EQ(endAt(Hand::Seconds, QTime(0, 0, 45)), (HandPoint{19, 94}));
}

TEST(ClockHands, HourHandPointsAtWholeHoursOnly) {
    const HandPoint three = endAt(Hand::Hours, QTime(3, 0, 0));
    EXPECT_EQ(three, (HandPoint{149, 94}));
    EXPECT_EQ(endAt(Hand::Hours, QTime(3, 59, 59)), three);
    EXPECT_EQ(endAt(Hand::Hours, QTime(15, 0, 0)), three);
    // The quarter hours wrap exactly; in between, the cut to two decimals may
    // put h and h + 12 a pixel apart, as the formula has it.
    for (int h : {0, 3, 6, 9}) {
        EXPECT_EQ(endAt(Hand::Hours, QTime(h, 0)), endAt(Hand::Hours, QTime(h + 12, 30)));
    }
}

TEST(ClockHands, EveryPositionLiesOnItsCircle) {
    for (int v = 0; v < 60; ++v) {
        SCOPED_TRACE(v);
        const HandPoint p = hands::end(Hand::Seconds, v, kClassic);
        const double distance = std::hypot(double(p.x - 94), double(p.y - 94));
        EXPECT_NEAR(distance, 75, 1.5);
        // Clockwise: the first half of the minute lies right of the centre.
        if (v > 0 && v < 30) {
            EXPECT_GT(p.x, 94);
        } else if (v > 30) {
            EXPECT_LT(p.x, 94);
        }
    }
}

TEST(ClockHands, FactorsAreCutTowardZeroToTwoDecimals) {
    EXPECT_DOUBLE_EQ(hands::twoDecimals(0.999), 0.99);
    EXPECT_DOUBLE_EQ(hands::twoDecimals(-0.999), -0.99);
    // cos(120 degrees) comes out a hair above -0.5 and so keeps -0.49: at five
    // seconds the end is 75 * -0.49 = -36.75 -> 37 right of the centre, not 38.
    // Its sine factor 0.86 gives 75 * 0.86 = 64.5, a half that goes to 64.
    EXPECT_EQ(endAt(Hand::Seconds, QTime(0, 0, 5)), (HandPoint{131, 30}));
}

TEST(ClockHands, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(hands::roundHalfEven(0.5), 0);
    EXPECT_EQ(hands::roundHalfEven(1.5), 2);
    EXPECT_EQ(hands::roundHalfEven(2.5), 2);
    EXPECT_EQ(hands::roundHalfEven(-0.5), 0);
    EXPECT_EQ(hands::roundHalfEven(-1.5), -2);
    EXPECT_EQ(hands::roundHalfEven(-42.5), -42);
    EXPECT_EQ(hands::roundHalfEven(2.4999), 2);
    EXPECT_EQ(hands::roundHalfEven(2.5001), 3);
    EXPECT_EQ(hands::roundHalfEven(-2.5001), -3);
    // At 20 seconds sin(a) is -0.5 exactly; with R = 95 the second hand is 85
    // long, 85 * -0.5 = -42.5 goes to -42 (half away from zero would give 43).
    const HandGeometry g{94, 94, 95};
    EXPECT_EQ(endAt(Hand::Seconds, QTime(0, 0, 20), g), (HandPoint{94 + 73, 94 + 42}));
}

TEST(ClockHands, ShortRadiiDrawThroughTheCentreAsComputed) {
    const HandGeometry thirty{94, 94, 30};
    EXPECT_EQ(hands::length(Hand::Hours, 30), 0);
    EXPECT_EQ(endAt(Hand::Hours, QTime(12, 0), thirty), (HandPoint{94, 94}));
    // A negative length points the other way: down at twelve, left at three.
    const HandGeometry twentyFive{94, 94, 25};
    EXPECT_EQ(endAt(Hand::Hours, QTime(12, 0), twentyFive), (HandPoint{94, 99}));
    EXPECT_EQ(endAt(Hand::Hours, QTime(3, 0), twentyFive), (HandPoint{89, 94}));
    EXPECT_EQ(endAt(Hand::Minutes, QTime(12, 0), HandGeometry{94, 94, 0}), (HandPoint{94, 114}));
}

TEST(ClockHands, ExtremeGeometryDoesNotOverflow) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const HandGeometry g{kMax, kMax, kMin};
    // Up at twelve, with a length of kMin - 10: the end lies below the centre.
    EXPECT_EQ(hands::end(Hand::Seconds, 0, g),
              (HandPoint{kMax, qint64(kMax) - (qint64(kMin) - 10)}));
    const HandGeometry h{kMin, kMin, kMax};
    EXPECT_EQ(hands::end(Hand::Hours, 3, h), (HandPoint{qint64(kMin) + kMax - 30, kMin}));
}
