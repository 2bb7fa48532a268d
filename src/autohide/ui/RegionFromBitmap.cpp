#include "autohide/ui/RegionFromBitmap.h"

std::optional<QRegion> regionFromBitmap(const QImage& picture) {
    if (picture.isNull() || picture.height() <= 0 || picture.width() <= 0) {
        return std::nullopt;
    }
    // One pixel format, so that colours compare as plain numbers whatever
    // depth the bitmap was stored in.
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const QRgb background = reinterpret_cast<const QRgb*>(image.constScanLine(0))[0];
    QRegion region;
    bool any = false;
    // The rows are scanned top to bottom and left to right, so each rectangle
    // lies below or right of all before it and the union only appends.
    auto add = [&](int left, int right, int y) {
        region += QRect(left, y, right - left, 1);
        any = true;
    };
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int runStart = -1;
        for (int x = 0; x < width; ++x) {
            const bool differs = row[x] != background;
            if (runStart < 0 && differs) {
                runStart = x;
            } else if (runStart >= 0 && !differs) {
                add(runStart, x, y);
                runStart = -1;
            }
        }
        if (runStart >= 0) {
            add(runStart, width, y);
        }
    }
    if (!any) {
        return std::nullopt;
    }
    return region;
}
