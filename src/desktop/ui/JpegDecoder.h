#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG held in memory with libjpeg. Damaged data of any kind (empty,
// truncated, corrupt, absurd dimensions) gives a null image; the library's
// fatal errors and its warnings about corrupt data are caught, never fatal to
// the program.
class JpegDecoder {
  public:
    // Larger pictures are refused before any pixel memory is asked for.
    static constexpr int kMaxSide = 8192;
    static constexpr qint64 kMaxPixels = 16 * 1024 * 1024;

    static QImage decode(const QByteArray& bytes);
};
