#pragma once

#include <QTextStream>

#include "platform/Platform.h"

// The system as the command line sees it: a fixed moment, and notices and
// errors written to standard error. It asks nothing, plays no sound and holds
// no single-instance marker, so a running clock is never disturbed; the
// player and the marker it hands out are itself, and do nothing.
class ConsolePlatform : public Platform, private SoundPlayer, private InstanceMarker {
  public:
    ConsolePlatform(QDateTime now, QTextStream& err);

    QDateTime now() const override { return now_; }
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<QString> askText(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> chooseFile(const QStringList&) override { return {}; }

    SoundPlayer& player() override { return *this; }
    InstanceMarker& instanceMarker() override { return *this; }

    bool shellOpen(const QString&, ShowMode) override { return false; }
    bool startDetached(const QString&, const QString&) override { return false; }
    QString autostartFolder() const override { return {}; }
    QRect desktopRect() const override { return {}; }
    QPoint cursorPos() const override { return {}; }

    // Whether anything was reported.
    bool reported() const { return reported_; }

  private:
    void setFileName(const QString&) override {}
    bool open() override { return false; }
    bool play() override { return false; }
    bool atEnd() const override { return true; }
    void stop() override {}
    void close() override {}

    bool anotherInstanceRuns() override { return false; }
    void takeOverWhenFree() override {}
    void setRaiseHandler(std::function<void()>) override {}
    void setReloadHandler(std::function<void(ScheduleKind)>) override {}

    QDateTime now_;
    QTextStream& err_;
    bool reported_ = false;
};
