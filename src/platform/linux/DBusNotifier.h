#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/DesktopNotifier.h"

class QDBusMessage;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

// The desktop's notifications over the session bus, by the interface every
// desktop's notification daemon serves (org.freedesktop.Notifications). Each
// notice asks the service for its capabilities and shows the notice only
// where it offers actions; every call is asynchronous, so the clock never
// waits on the bus. The service's signals count only from the bus name that
// showed the notice, and its leaving the bus ends the notice as gone.
class DBusNotifier : public QObject, public DesktopNotifier {
    Q_OBJECT
  public:
    DBusNotifier();
    ~DBusNotifier() override;

    void show(const DesktopNotice& notice, std::function<void(Outcome)> done) override;
    void withdraw() override;

  private slots:
    void actionInvoked(uint id, const QString& key, const QDBusMessage& message);
    void notificationClosed(uint id, uint reason, const QDBusMessage& message);

  private:
    bool connectBus();
    void capabilitiesAnswered(QDBusPendingCallWatcher* call, quint64 notice);
    void notifyAnswered(QDBusPendingCallWatcher* call, quint64 notice);
    void ownerChanged(const QString& oldOwner);
    void finish(Outcome outcome);
    void closeNotification(uint id);
    bool fromService(const QDBusMessage& message, uint id) const;

    std::optional<QDBusConnection> bus_;
    QDBusServiceWatcher* watcher_ = nullptr;
    DesktopNotice notice_;
    std::function<void(Outcome)> done_;
    quint64 serial_ = 0;  // of the notice under way; answers to older ones are late
    uint id_ = 0;         // the service's number for the notice, once shown
    QString owner_;       // the unique bus name of the service that showed it
    bool markup_ = false;
};
