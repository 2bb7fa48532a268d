#include <QPainter>

#include "WidgetFixture.h"
#include "calendar/widgets/Frame3D.h"
#include "calendar/widgets/GradientStrips.h"

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kTeal = 0xFF008080;
constexpr QRgb kWhite = 0xFFFFFFFF;

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kMagenta);
    return image;
}

QImage gradient(const QRect& r, QRgb first, QRgb last, GradientOrientation o, QSize size = {}) {
    QImage image = blank(size.isValid() ? size.width() : r.right() + 1,
                         size.isValid() ? size.height() : r.bottom() + 1);
    QPainter painter(&image);
    fillGradientStrips(painter, r, QColor(first), QColor(last), o);
    return image;
}

}  // namespace

using GradientStripsTest = WidgetTest;

TEST_F(GradientStripsTest, TooNarrowForTwoStripsDrawsNothing) {
    for (const QRect& r : {QRect(0, 0, 1, 10), QRect(0, 0, 0, 10), QRect(0, 0, -4, 10)}) {
        const QImage image =
            gradient(r, kWhite, kTeal, GradientOrientation::Horizontal, QSize(4, 10));
        EXPECT_EQ(count(image, kMagenta), 40);
    }
    // Vertically it is the height that counts.
    const QImage flat = gradient(QRect(0, 0, 50, 1), kWhite, kTeal, GradientOrientation::Vertical);
    EXPECT_EQ(count(flat, kMagenta), 50);
}

TEST_F(GradientStripsTest, TwoPixelsGiveOneColumnOfEachColour) {
    const QImage image =
        gradient(QRect(3, 2, 2, 5), kWhite, kTeal, GradientOrientation::Horizontal, QSize(8, 8));
    EXPECT_EQ(count(image, kWhite, QRect(3, 2, 1, 5)), 5);
    EXPECT_EQ(count(image, kTeal, QRect(4, 2, 1, 5)), 5);
    EXPECT_EQ(count(image, kMagenta), 64 - 10);  // nothing outside the rectangle
}

TEST_F(GradientStripsTest, StripsAreIntegerMixesFromFirstToLast) {
    const QImage image =
        gradient(QRect(0, 0, 191, 18), kWhite, kTeal, GradientOrientation::Horizontal);
    EXPECT_EQ(image.pixel(0, 0), kWhite);
    EXPECT_EQ(image.pixel(95, 0), qRgb(127, 191, 191));
    EXPECT_EQ(image.pixel(95, 17), qRgb(127, 191, 191));
    EXPECT_EQ(image.pixel(190, 9), kTeal);
    // Each strip is one colour over the full height, and the mix never rises.
    for (int x = 0; x < 191; ++x) {
        EXPECT_EQ(count(image, image.pixel(x, 0), QRect(x, 0, 1, 18)), 18) << x;
        if (x > 0) {
            EXPECT_LE(qRed(image.pixel(x, 0)), qRed(image.pixel(x - 1, 0))) << x;
        }
    }
    // Going down instead: rows, top to bottom, from a rectangle not at 0,0.
    const QImage rows = gradient(QRect(2, 1, 5, 11), qRgb(0, 0, 0), qRgb(200, 100, 10),
                                 GradientOrientation::Vertical);
    EXPECT_EQ(rows.pixel(2, 1), qRgb(0, 0, 0));
    EXPECT_EQ(rows.pixel(6, 6), qRgb(100, 50, 5));
    EXPECT_EQ(rows.pixel(4, 11), qRgb(200, 100, 10));
    EXPECT_EQ(rows.pixel(4, 0), kMagenta);
}

using Frame3DTest = WidgetTest;

TEST_F(Frame3DTest, RingsOwnTheirCornersAndShrinkTheInside) {
    QImage image = blank(6, 5);
    QPainter painter(&image);
    QRect r = image.rect();
    drawFrame3D(painter, r, QColor(kLight), QColor(kDark), 1);
    painter.end();
    EXPECT_EQ(r, QRect(1, 1, 4, 3));
    EXPECT_EQ(image.pixel(0, 0), kLight);
    EXPECT_EQ(image.pixel(0, 4), kLight);  // bottom-left goes with the top colour
    EXPECT_EQ(image.pixel(4, 0), kLight);
    EXPECT_EQ(image.pixel(5, 0), kDark);  // top-right goes with the bottom colour
    EXPECT_EQ(image.pixel(5, 4), kDark);
    EXPECT_EQ(image.pixel(1, 4), kDark);
    EXPECT_EQ(count(image, kMagenta), 12);
}

TEST_F(Frame3DTest, BorderWiderThanTheRectangleOnlyShrinksIt) {
    QImage image = blank(5, 4);
    QPainter painter(&image);
    QRect r = image.rect();
    drawFrame3D(painter, r, QColor(kLight), QColor(kDark), 1000000000);
    painter.end();
    EXPECT_EQ(count(image, kMagenta), 0);
    EXPECT_TRUE(r.isEmpty());
    EXPECT_EQ(r.width(), 0);
    EXPECT_EQ(r.height(), 0);

    QRect untouched(0, 0, 5, 4);
    QImage none = blank(5, 4);
    QPainter p2(&none);
    drawFrame3D(p2, untouched, QColor(kLight), QColor(kDark), -3);
    p2.end();
    EXPECT_EQ(untouched, QRect(0, 0, 5, 4));
    EXPECT_EQ(count(none, kMagenta), 20);
}
