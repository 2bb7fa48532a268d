// system.ini as the start-up reads it: the record and every field of it.
#include "FuzzInput.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzinput::write(QStringLiteral("system.ini"), data, size);
    const Expected<SettingsRecord> rec = SettingsFile(path).read();
    fuzzinput::require(rec.ok() == (size >= size_t(SettingsRecord::kSize)));
    if (rec) {
        fuzzinput::require(rec->bytes().size() == SettingsRecord::kSize);
        (void)rec->langFile();
        (void)rec->langFileBytes();
        (void)rec->skinFile();
        (void)rec->skinFileBytes();
        (void)rec->skinName();
        (void)rec->hideDelay();
        (void)rec->restartFlag();
        (void)rec->autoHide();
        (void)rec->noPullTab();
        (void)rec->soundOff();
        // A field changed and written back keeps the record's size.
        SettingsRecord changed = *rec;
        changed.setLangFile(rec->skinFile());
        changed.setSkinFile(rec->langFile());
        fuzzinput::require(changed.bytes().size() == SettingsRecord::kSize);
    }
    return 0;
}
