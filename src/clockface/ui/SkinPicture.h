#pragma once

#include <QImage>
#include <QString>

#include "settings/Expected.h"

// Reads a skin's picture. Skins are Windows bitmaps, and Qt reads those
// itself; only a file that is not one goes to Qt's recognition of its
// contents, which loads every image format plugin, and each plugin loaded
// stays in memory for the whole run. A picture that cannot be had is a failure
// with the reason.
//
// The header is weighed before any pixel is decoded: a bitmap whose file is
// shorter than the rows it declares, or a picture larger than any window can
// be, is refused. A few hundred bytes could otherwise declare a picture of
// hundreds of megabytes, all of it decoded and shaped for nothing.
Expected<QImage> readSkinPicture(const QString& path);

namespace skinpicture {

// The picture drawn on screens of two device pixels to a logical one:
// "<name>@2x.bmp" beside "<name>.bmp", at twice its size.
QString sharpCompanion(const QString& path);

// `picture` drawn from its sharp companion at `path`'s side where the screen
// has more than one device pixel to a logical one and the companion is a
// regular file of exactly twice the picture's size; `picture` otherwise. The
// result has the picture's logical size either way.
QImage sharpestFor(const QImage& picture, const QString& path, qreal devicePixelRatio);

// X windows are at most this many pixels to a side; a face larger than its
// control is cut to it anyway.
inline constexpr int kLargestSide = 32767;

}  // namespace skinpicture
