#pragma once

#include <time.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

// The process's time zone set through TZ for a scope, then put back.
class ZoneGuard {
  public:
    explicit ZoneGuard(const char* zone)
        : saved_(qgetenv("TZ")), hadZone_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneGuard() {
        if (hadZone_) {
            qputenv("TZ", saved_);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    ZoneGuard(const ZoneGuard&) = delete;
    ZoneGuard& operator=(const ZoneGuard&) = delete;

  private:
    QByteArray saved_;
    bool hadZone_;
};

// A TZ value for the zone's file copied into `folder`, as a zone file copied
// to /etc/localtime is: the system's local time then has no zone name.
inline QByteArray copiedZone(const QString& folder, const char* zone) {
    const QString copy = folder + QStringLiteral("/localtime");
    QFile::remove(copy);
    QFile::copy(QStringLiteral("/usr/share/zoneinfo/") + QLatin1String(zone), copy);
    return ':' + QFile::encodeName(copy);
}
