#pragma once

#include <QDateTime>
#include <QString>

// Tells whether a file may have changed since it was last read, by its size
// and modification time, so that a file read ten times a second is read from
// disk only when it was edited. A file modified shortly before it was read may
// be changed again within the file system's time resolution without its
// stamp changing; such a file is read again until its stamp has aged.
class FileChangeWatch {
  public:
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };

    // Stamps this much older than the moment of reading are trusted.
    static constexpr qint64 kSettleMs = 2000;

    static Stamp stampOf(const QString& path);

    // True when `path` has to be read now: the first time, after a change of
    // path or stamp, and while the last reading may have raced an edit.
    // `wallClock` is the file system's present (UTC), given so tests can age.
    bool needsReading(const QString& path, const QDateTime& wallClock);
    bool needsReading(const QString& path);

    // The stamp seen by the last call; what a reading now belongs to.
    const Stamp& stamp() const { return stamp_; }
    // False while the last reading may have raced an edit under one stamp.
    bool settled() const { return known_ && settled_; }

    // Makes the next call read, as after an edit.
    void forget() { known_ = false; }

  private:
    bool known_ = false;
    bool settled_ = false;
    QString path_;
    Stamp stamp_;
};
