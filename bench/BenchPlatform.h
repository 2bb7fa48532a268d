#pragma once

#include <QDateTime>
#include <cstdio>

#include "platform/Platform.h"

// The system as the benchmarks need it: no boxes, no sound, no programs
// started, so a figure never waits for a user. The time is either the real
// clock (what LinuxPlatform gives, with its cost per call) or a set moment.
class SilentPlayer : public SoundPlayer {
  public:
    void setFileName(const QString&) override {}
    bool open() override { return false; }
    bool play() override { return false; }
    bool atEnd() const override { return true; }
    void stop() override {}
    void close() override {}
};

class NoMarker : public InstanceMarker {
  public:
    bool anotherInstanceRuns() override { return false; }
    void takeOverWhenFree() override {}
    void setRaiseHandler(std::function<void()>) override {}
    void setReloadHandler(std::function<void(const QString&)>) override {}
};

class BenchPlatform : public Platform {
  public:
    QDateTime now() const override { return realClock ? QDateTime::currentDateTime() : clock; }
    void showMessage(const QString&) override { ++messages; }
    void showError(const QString& text) override {
        ++errors;
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> chooseFile(const QStringList&) override { return {}; }
    SoundPlayer& player() override { return player_; }
    InstanceMarker& instanceMarker() override { return marker_; }
    bool shellOpen(const QString&, ShowMode) override { return false; }
    bool startDetached(const QString&, const QString&) override {
        ++started;
        return false;
    }
    QString autostartFolder() const override { return {}; }
    QList<Monitor> monitors() const override {
        const QRect screen(0, 0, 1024, 768);
        return {Monitor{screen, screen}};
    }
    QPoint cursorPos() const override { return {}; }

    bool realClock = false;
    QDateTime clock = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0));
    int messages = 0;
    int errors = 0;
    int started = 0;

  private:
    SilentPlayer player_;
    NoMarker marker_;
};
