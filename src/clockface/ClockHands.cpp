#include "clockface/ClockHands.h"

#include <cmath>
#include <numbers>

namespace hands {

int value(Hand hand, QTime time) {
    switch (hand) {
        case Hand::Seconds:
            return time.second();
        case Hand::Minutes:
            return time.minute();
        case Hand::Hours:
            return time.hour();
    }
    return 0;
}

double angle(Hand hand, int value) {
    const int k = hand == Hand::Hours ? 30 : 6;
    return (double(value) * k + 90) * std::numbers::pi / 180;
}

double twoDecimals(double x) {
    return std::trunc(x * 100) / 100;
}

qint64 roundHalfEven(double x) {
    const double whole = std::floor(x);
    const double rest = x - whole;
    qint64 result = qint64(whole);
    if (rest > 0.5 || (rest == 0.5 && result % 2 != 0)) {
        ++result;
    }
    return result;
}

qint64 length(Hand hand, int radius) {
    switch (hand) {
        case Hand::Seconds:
            return qint64(radius) - 10;
        case Hand::Minutes:
            return qint64(radius) - 20;
        case Hand::Hours:
            return qint64(radius) - 30;
    }
    return 0;
}

int penWidth(Hand hand) {
    switch (hand) {
        case Hand::Seconds:
            return 2;
        case Hand::Minutes:
            return 3;
        case Hand::Hours:
            return 4;
    }
    return 1;
}

HandPoint end(Hand hand, int value, const HandGeometry& geometry) {
    const double a = angle(hand, value);
    const double c = twoDecimals(std::cos(a));
    const double d = twoDecimals(std::sin(a));
    const double l = double(length(hand, geometry.radius));
    return HandPoint{geometry.cx - roundHalfEven(l * c), geometry.cy - roundHalfEven(l * d)};
}

std::array<HandLine, 3> at(QTime time, const HandGeometry& geometry) {
    std::array<HandLine, 3> lines;
    const HandPoint centre{geometry.cx, geometry.cy};
    int i = 0;
    for (Hand hand : {Hand::Seconds, Hand::Minutes, Hand::Hours}) {
        lines[i++] = HandLine{hand, centre, end(hand, value(hand, time), geometry), penWidth(hand)};
    }
    return lines;
}

}  // namespace hands
