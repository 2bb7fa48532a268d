#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "settings/SettingsRecord.h"

// Reading and rewriting "system.ini", the file of exactly one settings record.
// Every rewrite leaves a file of exactly 60 bytes and replaces the old one only
// once the new one is complete on disk.
class SettingsFile {
  public:
    explicit SettingsFile(QString path);

    const QString& path() const { return path_; }

    // Record 0; nothing for a missing, unreadable or short file.
    std::optional<SettingsRecord> read(QString* error = nullptr) const;
    bool write(const SettingsRecord& rec, QString* error = nullptr) const;

    // Reads record 0 into a local copy, lets `change` alter it and writes it
    // back; fields the caller leaves alone keep the file's values.
    bool updateCopy(const std::function<void(SettingsRecord&)>& change,
                    QString* error = nullptr) const;

    // Reads record 0 into `settings` itself, applies `change` and writes
    // `settings`. When the file cannot be read, the in-memory record with the
    // change applied is written instead.
    bool updateThrough(SettingsRecord& settings, const std::function<void(SettingsRecord&)>& change,
                       QString* error = nullptr) const;

    struct StartupLoad {
        SettingsRecord record;
        bool rebuilt = false;  // the file was missing or damaged
        bool written = false;  // ... and the defaults reached the disk
        QString problem;       // why it was rebuilt, for the user
        QString writeError;    // why the defaults could not be written
    };
    // Never fails: a missing, short or unreadable file gives the defaults,
    // which are written back; `written` tells whether that worked.
    StartupLoad loadAtStartup() const;

  private:
    QString path_;
};
