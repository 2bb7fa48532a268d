#include "settings/SettingsFile.h"

#include <QFile>

#include "settings/PlainFile.h"
#include "settings/SafeWrite.h"
#include "texts/FileTexts.h"

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

Expected<SettingsRecord> SettingsFile::read() const {
    QFile file(path_);
    // Opening a pipe waits for a writer that never comes.
    const QString refusal = plainfile::refusal(path_);
    if (!refusal.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return Failure{refusal.isEmpty() ? file.errorString() : refusal};
    }
    const QByteArray bytes = file.read(SettingsRecord::kSize);
    if (bytes.size() != SettingsRecord::kSize) {
        return Failure{filetexts::settingsTooShort(SettingsRecord::kSize)};
    }
    return SettingsRecord::fromBytes(bytes);
}

Expected<void> SettingsFile::write(const SettingsRecord& rec) const {
    return safewrite::replaceFile(path_, rec.bytes());
}

Expected<void> SettingsFile::updateCopy(const std::function<void(SettingsRecord&)>& change) const {
    Expected<SettingsRecord> copy = read();
    if (!copy) {
        return Failure{copy.error()};
    }
    change(*copy);
    return write(*copy);
}

Expected<void> SettingsFile::updateThrough(
    SettingsRecord& settings, const std::function<void(SettingsRecord&)>& change) const {
    if (const Expected<SettingsRecord> fromFile = read()) {
        settings = *fromFile;
    }
    change(settings);
    return write(settings);
}

SettingsFile::StartupLoad SettingsFile::loadAtStartup() const {
    StartupLoad load;
    const Expected<SettingsRecord> rec = read();
    if (rec) {
        load.record = *rec;
        return load;
    }
    load.record = SettingsRecord::defaults();
    load.rebuilt = true;
    load.problem = rec.error();
    // Read back: a link loop or a file that is not one can swallow a write
    // that reported nothing.
    const Expected<void> written = write(load.record);
    const Expected<SettingsRecord> back = written ? read() : Failure{written.error()};
    load.written = back && *back == load.record;
    load.writeError = back.error();
    return load;
}
