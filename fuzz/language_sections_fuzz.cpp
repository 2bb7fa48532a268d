// The fixed-size sections of a language file, as each window loads its own.
#include "FuzzInput.h"
#include "locale/LanguageFile.h"
#include "locale/LanguageSection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LanguageFile file(fuzzinput::write(QStringLiteral("lang/fuzz.lng"), data, size));
    for (const char* header : {"[funupu]", "[funlang]", "[funskin]", "[funholi]", "[funmem]",
                               "[funaut]", "[funrun]", "[funoth]"}) {
        const QString name = QLatin1String(header);
        const int count = LanguageSection::lineCountOf(name);
        QStringList texts(count);
        fuzzinput::require(file.readSection(name, texts).ok());
        fuzzinput::require(texts.size() == count);  // the slots never grow or shrink
    }
    return 0;
}
