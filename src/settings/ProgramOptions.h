#pragma once

#include "settings/Expected.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The options of this program's own that the 60-byte settings record of the
// original format has no room for, in "system/options.ini": lines of
// "name=value" under a "[options]" header, in UTF-8. Reading never fails: a
// missing, unreadable or damaged file, and any value that is not one of the
// option's own, give the defaults. Lines this version does not know (a later
// version's options) are written back as they were read.
class ProgramOptions {
  public:
    // Notices of due reminders go through the desktop's notification
    // service; off by default, so the notice box stays what users know.
    bool desktopNotifications() const { return desktopNotifications_; }
    void setDesktopNotifications(bool on) { desktopNotifications_ = on; }

    static ProgramOptions read(const QString& path);
    static ProgramOptions parse(const QByteArray& content);
    QByteArray serialise() const;
    // Replaces the file whole, never leaving it half-written.
    Expected<void> write(const QString& path) const;

    bool operator==(const ProgramOptions& other) const = default;

  private:
    bool desktopNotifications_ = false;
    QList<QByteArray> otherLines_;
};
