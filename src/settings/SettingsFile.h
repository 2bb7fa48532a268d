#pragma once

#include <QString>
#include <functional>

#include "settings/Expected.h"
#include "settings/SettingsRecord.h"

// Reading and rewriting "system.ini", the file of exactly one settings record.
// Every rewrite leaves a file of exactly 60 bytes and replaces the old one only
// once the new one is complete on disk.
class SettingsFile {
  public:
    explicit SettingsFile(QString path);

    const QString& path() const { return path_; }

    // Record 0; a failure for a missing, unreadable or short file.
    Expected<SettingsRecord> read() const;
    Expected<void> write(const SettingsRecord& rec) const;

    // Reads record 0 into a local copy, lets `change` alter it and writes it
    // back; fields the caller leaves alone keep the file's values.
    Expected<void> updateCopy(const std::function<void(SettingsRecord&)>& change) const;

    // Reads record 0 into `settings` itself, applies `change` and writes
    // `settings`. When the file cannot be read, the in-memory record with the
    // change applied is written instead.
    Expected<void> updateThrough(SettingsRecord& settings,
                                 const std::function<void(SettingsRecord&)>& change) const;

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
