// A skin description (.skn).
#include "FuzzInput.h"
#include "clockface/SkinColourTable.h"
#include "clockface/SkinDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const SkinDescriptionResult result = skin::parseDescription(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    fuzzinput::require(result.ok() == (result.fault == SkinDescriptionFault::None));
    if (result.ok()) {
        fuzzinput::require(isSkinColourIndex(result.description->secondColour) &&
                           isSkinColourIndex(result.description->minuteColour) &&
                           isSkinColourIndex(result.description->hourColour));
    } else {
        fuzzinput::require(result.line >= 1 && result.line <= 6);
        fuzzinput::require(!result.reason().isEmpty());
    }
    return 0;
}
