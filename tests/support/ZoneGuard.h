#pragma once

#include <time.h>

#include <QByteArray>
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
