#include "settings/SettingsFile.h"

#include <QFile>

#include "settings/PlainFile.h"
#include "settings/SafeWrite.h"

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

std::optional<SettingsRecord> SettingsFile::read(QString* error) const {
    QFile file(path_);
    // Opening a pipe waits for a writer that never comes.
    const QString refusal = plainfile::refusal(path_);
    if (!refusal.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = refusal.isEmpty() ? file.errorString() : refusal;
        }
        return std::nullopt;
    }
    const QByteArray bytes = file.read(SettingsRecord::kSize);
    if (bytes.size() != SettingsRecord::kSize) {
        if (error) {
            *error = QStringLiteral("файл короче %1 байт").arg(SettingsRecord::kSize);
        }
        return std::nullopt;
    }
    return SettingsRecord::fromBytes(bytes);
}

bool SettingsFile::write(const SettingsRecord& rec, QString* error) const {
    return safewrite::replaceFile(path_, rec.bytes(), error);
}

bool SettingsFile::updateCopy(const std::function<void(SettingsRecord&)>& change,
                              QString* error) const {
    std::optional<SettingsRecord> copy = read(error);
    if (!copy) {
        return false;
    }
    change(*copy);
    return write(*copy, error);
}

bool SettingsFile::updateThrough(SettingsRecord& settings,
                                 const std::function<void(SettingsRecord&)>& change,
                                 QString* error) const {
    if (std::optional<SettingsRecord> fromFile = read()) {
        settings = *fromFile;
    }
    change(settings);
    return write(settings, error);
}

SettingsFile::StartupLoad SettingsFile::loadAtStartup() const {
    StartupLoad load;
    QString why;
    if (std::optional<SettingsRecord> rec = read(&why)) {
        load.record = *rec;
        return load;
    }
    load.record = SettingsRecord::defaults();
    load.rebuilt = true;
    load.problem = why;
    // Read back: a link loop or a file that is not one can swallow a write
    // that reported nothing.
    load.written = write(load.record, &load.writeError) && read(&load.writeError) == load.record;
    return load;
}
