#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// The size a Windows bitmap file needs for the pixel rows its header
// promises. Picture readers fill the rows a cut-off file lacks with black
// and call it read; comparing with the file's size tells such a file.
namespace bitmap {

// Bytes up to the end of the last pixel row, from the file's first bytes;
// -1 when that cannot be known from the header (compressed rows, or not a
// bitmap header at all, which the picture reader then refuses by itself).
qint64 neededSize(QByteArrayView head);

// Enough of the file's head for neededSize.
inline constexpr qint64 kHeadSize = 54;

// Writers may leave out the padding of the last row.
inline constexpr qint64 kTolerance = 3;

}  // namespace bitmap
