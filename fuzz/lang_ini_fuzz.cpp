// \system\lang.ini, the one-shot language bootstrap.
#include "FuzzInput.h"
#include "locale/LanguageBootstrap.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ProgramFolder folder(fuzzinput::folder().path());
    const QString ini = fuzzinput::write(QStringLiteral("system/lang.ini"), data, size);
    const SettingsFile settings(folder.path(QStringLiteral("\\system\\system.ini")));
    fuzzinput::require(settings.write(SettingsRecord::defaults()).ok());
    applyLanguageBootstrap(folder);
    // Whatever the file held, it is gone and the settings are still one record.
    fuzzinput::require(!QFile::exists(ini));
    fuzzinput::require(QFileInfo(settings.path()).size() == SettingsRecord::kSize);
    return 0;
}
