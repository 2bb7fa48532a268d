#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

// Texts come from language files and must be seen whole where the controls
// stand, with whatever fonts the desktop has: a control whose text does not
// fit gets a smaller font, never a new place or size.
namespace textfit {

constexpr int kSmallestPixelSize = 7;

bool fits(const QFont& font, const QRect& room, const QString& text, bool wrap);

// The largest pixel size, from `font`'s own down to kSmallestPixelSize, at
// which `text` fits `room`; the smallest when none does.
QFont fitted(const QFont& font, const QRect& room, const QString& text, bool wrap);

// Gives every label, check box and push button of `window` the largest font,
// up to the one it had when first fitted, at which its text fits; controls
// designed at one size shrink together, to the size at which all their texts
// fit. Other widgets, and those marked with the property "fitsItself", are
// left alone.
void fitControls(QWidget* window);

}  // namespace textfit
