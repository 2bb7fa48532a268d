// The skin's face bitmap, as the clock face loads it for a face of its usual size.
#include "FuzzInput.h"
#include "clockface/ui/FaceBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzinput::write(QStringLiteral("skins/fuzz.bmp"), data, size);
    const FaceBitmap face = loadFaceBitmap(path, qint64(size), QSize(189, 189));
    fuzzinput::require(face.image.isNull() != face.fault.isEmpty());
    fuzzinput::require(face.image.width() <= 189 && face.image.height() <= 189);
    return 0;
}
