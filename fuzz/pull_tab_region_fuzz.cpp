// A pull-tab picture (<skin>kno.bmp, <skin>knz.bmp) loaded as the tab window
// loads it, then shaped.
#include <QImage>

#include "FuzzInput.h"
#include "autohide/ui/RegionFromBitmap.h"
#include "clockface/ui/SkinPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Expected<QImage> read =
        readSkinPicture(fuzzinput::write(QStringLiteral("skins/fuzzkno.bmp"), data, size));
    if (!read) {
        return 0;
    }
    const QImage& picture = *read;
    fuzzinput::require(picture.width() <= skinpicture::kLargestSide &&
                       picture.height() <= skinpicture::kLargestSide);
    const std::optional<QRegion> shape = regionFromBitmap(picture);
    if (shape) {
        fuzzinput::require(QRect(QPoint(0, 0), picture.size()).contains(shape->boundingRect()));
    }
    return 0;
}
