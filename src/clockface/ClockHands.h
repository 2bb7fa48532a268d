#pragma once

#include <QTime>
#include <QtGlobal>
#include <array>

#include "clockface/HandGeometry.h"

// The arithmetic of the three hands, as pure functions of a time of day the
// caller gives. The factors keep two decimals and the end points round halves
// to the even neighbour, so that every face draws the very same pixels as the
// skins were designed with.

enum class Hand { Seconds, Minutes, Hours };

// A point of a hand; 64 bits, since a description may hold any int and the
// end point lies up to a radius beyond the centre.
struct HandPoint {
    qint64 x = 0;
    qint64 y = 0;
    bool operator==(const HandPoint&) const = default;
};

struct HandLine {
    Hand hand = Hand::Seconds;
    HandPoint from;
    HandPoint to;
    int penWidth = 0;
    bool operator==(const HandLine&) const = default;
};

namespace hands {

// Seconds 0..59, minutes 0..59, or hours 0..23 of `time`.
int value(Hand hand, QTime time);
// (v*k + 90) degrees in radians, k = 6 for seconds and minutes, 30 for hours.
double angle(Hand hand, int value);
// x cut toward zero to two decimals.
double twoDecimals(double x);
// Nearest integer, halves to the even neighbour.
qint64 roundHalfEven(double x);
// zero or negative for small radii, used as it is.
qint64 length(Hand hand, int radius);
int penWidth(Hand hand);
HandPoint end(Hand hand, int value, const HandGeometry& geometry);

// The three hands at `time`, in drawing order: seconds, minutes, hours.
std::array<HandLine, 3> at(QTime time, const HandGeometry& geometry);

}  // namespace hands
