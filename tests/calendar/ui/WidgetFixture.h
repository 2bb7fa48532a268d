#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <functional>

// Widget tests run under a palette whose system colours are all different
// from each other and from the colours the tests pick, so every pixel tells
// where it came from. The application palette is put back afterwards.
class WidgetTest : public ::testing::Test {
  protected:
    static constexpr QRgb kFace = 0xFFD4D0C8;
    static constexpr QRgb kLight = 0xFFF0F1F2;
    static constexpr QRgb kDark = 0xFF646566;
    static constexpr QRgb kBase = 0xFFFFFFFE;
    static constexpr QRgb kText = 0xFF010203;
    static constexpr QRgb kGray = 0xFF78797A;

    WidgetTest() : saved_(QApplication::palette()) {
        QPalette p = saved_;
        p.setColor(QPalette::Button, QColor(kFace));
        p.setColor(QPalette::Light, QColor(kLight));
        p.setColor(QPalette::Dark, QColor(kDark));
        p.setColor(QPalette::Base, QColor(kBase));
        p.setColor(QPalette::Active, QPalette::Text, QColor(kText));
        p.setColor(QPalette::Inactive, QPalette::Text, QColor(kText));
        p.setColor(QPalette::Disabled, QPalette::Text, QColor(kGray));
        QApplication::setPalette(p);
    }
    ~WidgetTest() override { QApplication::setPalette(saved_); }

    // A font whose glyphs have no blended edges, so text pixels carry exactly
    // the pen colour.
    static QFont sharpFont(int pixels, bool bold = true) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        font.setBold(bold);
        font.setStyleStrategy(QFont::NoAntialias);
        return font;
    }

    static QImage render(QWidget& widget) {
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static int count(const QImage& image, QRgb colour, QRect area = QRect()) {
        if (area.isNull()) {
            area = image.rect();
        }
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                n += (image.pixel(x, y) | 0xFF000000) == (colour | 0xFF000000) ? 1 : 0;
            }
        }
        return n;
    }

    // The bounding box of the pixels that satisfy `is`.
    static QRect boundsOf(const QImage& image, const std::function<bool(QRgb)>& is) {
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (is(image.pixel(x, y) | 0xFF000000)) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    }
    static QRect boundsOf(const QImage& image, QRgb colour) {
        return boundsOf(image, [colour](QRgb p) { return p == (colour | 0xFF000000); });
    }

  private:
    QPalette saved_;
};
