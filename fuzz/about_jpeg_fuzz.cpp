// The about box's JPEG decoder.
#include "FuzzInput.h"
#include "desktop/ui/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QImage image = JpegDecoder::decode(fuzzinput::bytes(data, size));
    if (!image.isNull()) {
        fuzzinput::require(image.width() <= JpegDecoder::kMaxSide &&
                           image.height() <= JpegDecoder::kMaxSide);
    }
    return 0;
}
