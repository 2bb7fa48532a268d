#pragma once

#include "platform/Platform.h"
#include "platform/linux/DBusNotifier.h"
#include "platform/linux/LocalInstanceMarker.h"
#include "platform/linux/SoundModulePlayer.h"
#include "platform/linux/SwayDesktop.h"
#include "platform/linux/TerminationSignals.h"
#include "platform/linux/TimerFdAlarm.h"
#include "platform/linux/X11DesktopWindows.h"
#include "platform/linux/X11PointerArea.h"
#include "platform/linux/X11WindowTicker.h"

// The platform boundary on a Linux desktop (X11, or XWayland under Wayland).
// The caption of a box's OK button is the program's to choose, by the text
// the box shows.
class LinuxPlatform : public Platform {
  public:
    using OkCaption = std::function<QString(const QString& text)>;
    explicit LinuxPlatform(OkCaption okCaption);

    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    ReminderAnswer showReminder(const QString& text, const PutOffChoice& later) override;
    std::optional<QString> askText(const QString& caption, const QString& prompt,
                                   const QString& cancelCaption) override;
    std::optional<QString> chooseFile(const QStringList& filters) override;
    SoundPlayer& player() override { return player_; }
    InstanceMarker& instanceMarker() override { return marker_; }
    DesktopNotifier* desktopNotifier() override { return &notifier_; }
    bool shellOpen(const QString& target, ShowMode mode) override;
    bool startDetached(const QString& program, const QString& workingFolder) override;
    QString autostartFolder() const override;
    QList<Monitor> monitors() const override;
    QPoint cursorPos() const override;
    void adoptDesktopWindow(QObject& window, bool onTop) override;
    bool placeWindow(QObject& window, QPoint topLeft) override;
    void setDesktopChangedHandler(std::function<void()> handler) override;
    WallClockAlarm* wallClockAlarm() override { return alarm_.valid() ? &alarm_ : nullptr; }
    WindowTicker* windowTicker() override;
    PointerArea* pointerArea() const override;
    void setEndRequestHandler(std::function<void()> handler) override;

  private:
    QList<Monitor> readMonitors() const;
    void rereadMonitors();

    OkCaption okCaption_;
    SoundModulePlayer player_;
    LocalInstanceMarker marker_;
    TerminationSignals signals_;
    DBusNotifier notifier_;
    X11DesktopWindows desktopWindows_;
    TimerFdAlarm alarm_;
    mutable std::unique_ptr<X11PointerArea> pointerArea_;  // made when first asked for
    std::unique_ptr<X11WindowTicker> ticker_;              // likewise
    std::unique_ptr<SwayDesktop> sway_;                    // under sway only
    mutable std::optional<QList<Monitor>> monitors_;       // until they change
    std::function<void()> desktopChanged_;
    bool ending_ = false;  // asked to end: no more boxes
    bool cachesMonitors_ = false;
};
