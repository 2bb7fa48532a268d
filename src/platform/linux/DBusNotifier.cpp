#include "platform/linux/DBusNotifier.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QTimer>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kConfirmKey = QStringLiteral("ok");
const QString kLaterKey = QStringLiteral("later");
// A service that the bus first has to start may take a moment; one that
// takes longer gives way to the notice box.
constexpr int kCallTimeoutMs = 5000;
// The installed program's icon in the desktop's icon theme.
const QString kIconName = QStringLiteral("io.github.chronidex.Chronidex");
// NotificationClosed's reason for a notice the user closed.
constexpr uint kClosedByUser = 2;

// The "image-data" hint: the program's icon as the service draws it, also
// where the theme has no icon of that name (a program run from its folder).
struct ImageData {
    int width = 0;
    int height = 0;
    int rowStride = 0;
    bool hasAlpha = true;
    int bitsPerSample = 8;
    int channels = 4;
    QByteArray data;
};

QDBusArgument& operator<<(QDBusArgument& out, const ImageData& image) {
    out.beginStructure();
    out << image.width << image.height << image.rowStride << image.hasAlpha << image.bitsPerSample
        << image.channels << image.data;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, ImageData& image) {
    in.beginStructure();
    in >> image.width >> image.height >> image.rowStride >> image.hasAlpha >> image.bitsPerSample >>
        image.channels >> image.data;
    in.endStructure();
    return in;
}

}  // namespace

Q_DECLARE_METATYPE(ImageData)

namespace {

std::optional<ImageData> programIcon() {
    if (!qGuiApp) {
        return std::nullopt;
    }
    const QImage image = QGuiApplication::windowIcon().pixmap(48, 48).toImage().convertToFormat(
        QImage::Format_RGBA8888);
    if (image.isNull()) {
        return std::nullopt;
    }
    ImageData data;
    data.width = image.width();
    data.height = image.height();
    data.rowStride = int(image.bytesPerLine());
    data.data = QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return data;
}

// Where a session bus can be: named by the environment, or the one at the
// user's runtime folder. Without either, the bus library would start a bus
// of its own for the program; a reminder needs none.
bool busAddressKnown() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

QString escapedForMarkup(const QString& text) {
    return text.toHtmlEscaped();
}

}  // namespace

DBusNotifier::DBusNotifier() {
    qDBusRegisterMetaType<ImageData>();
}

DBusNotifier::~DBusNotifier() {
    withdraw();
}

bool DBusNotifier::connectBus() {
    if (bus_) {
        return bus_->isConnected();
    }
    if (!busAddressKnown()) {
        return false;
    }
    bus_ = QDBusConnection::sessionBus();
    if (!bus_->isConnected()) {
        return false;
    }
    // From any sender: the service's unique name is checked with each signal,
    // so nothing waits here to learn it.
    bus_->connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString, QDBusMessage)));
    bus_->connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint, QDBusMessage)));
    watcher_ =
        new QDBusServiceWatcher(kService, *bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString& oldOwner, const QString&) {
                ownerChanged(oldOwner);
            });
    return true;
}

void DBusNotifier::show(const DesktopNotice& notice, std::function<void(Outcome)> done) {
    withdraw();
    notice_ = notice;
    done_ = std::move(done);
    const quint64 serial = ++serial_;
    if (!connectBus()) {
        QTimer::singleShot(0, this, [this, serial] {
            if (serial == serial_) {
                finish(Outcome::NotShown);
            }
        });
        return;
    }
    const QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                            QStringLiteral("GetCapabilities"));
    auto* call = new QDBusPendingCallWatcher(bus_->asyncCall(ask, kCallTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, serial](QDBusPendingCallWatcher* c) { capabilitiesAnswered(c, serial); });
}

void DBusNotifier::capabilitiesAnswered(QDBusPendingCallWatcher* call, quint64 serial) {
    call->deleteLater();
    if (serial != serial_ || !done_) {
        return;
    }
    const QDBusPendingReply<QStringList> reply = *call;
    if (reply.isError() || !reply.value().contains(QStringLiteral("actions"))) {
        finish(Outcome::NotShown);
        return;
    }
    markup_ = reply.value().contains(QStringLiteral("body-markup"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2)));  // critical
    hints.insert(QStringLiteral("desktop-entry"), kIconName);
    if (const std::optional<ImageData> icon = programIcon()) {
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(*icon));
    }
    QDBusMessage notify =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    notify << QStringLiteral("Chronidex") << uint(0) << kIconName << notice_.title
           << (markup_ ? escapedForMarkup(notice_.text) : notice_.text)
           << QStringList{kConfirmKey, notice_.confirmAction, kLaterKey, notice_.laterAction}
           << hints << qint32(0);  // 0: shown until the user acts on it
    auto* next = new QDBusPendingCallWatcher(bus_->asyncCall(notify, kCallTimeoutMs), this);
    connect(next, &QDBusPendingCallWatcher::finished, this,
            [this, serial](QDBusPendingCallWatcher* c) { notifyAnswered(c, serial); });
}

void DBusNotifier::notifyAnswered(QDBusPendingCallWatcher* call, quint64 serial) {
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    if (serial != serial_ || !done_) {
        if (!reply.isError()) {
            closeNotification(reply.value());  // shown after it was withdrawn
        }
        return;
    }
    if (reply.isError()) {
        finish(Outcome::NotShown);
        return;
    }
    id_ = reply.value();
    owner_ = reply.reply().service();
}

bool DBusNotifier::fromService(const QDBusMessage& message, uint id) const {
    return done_ && id_ != 0 && id == id_ && message.service() == owner_;
}

void DBusNotifier::actionInvoked(uint id, const QString& key, const QDBusMessage& message) {
    if (!fromService(message, id)) {
        return;
    }
    if (key == kConfirmKey || key == kLaterKey) {
        const uint shown = id_;
        finish(key == kConfirmKey ? Outcome::Confirmed : Outcome::PutOff);
        closeNotification(shown);  // a service that keeps it after the action
    }
}

void DBusNotifier::notificationClosed(uint id, uint reason, const QDBusMessage& message) {
    if (!fromService(message, id)) {
        return;
    }
    finish(reason == kClosedByUser ? Outcome::DismissedByUser : Outcome::ClosedWithoutUser);
}

// The service's name changed hands: the one that showed the notice, or the
// one that was asked to show it, left the bus (stopped, crashed, replaced).
void DBusNotifier::ownerChanged(const QString& oldOwner) {
    if (!done_ || oldOwner.isEmpty()) {
        return;
    }
    if (id_ == 0 || oldOwner == owner_) {
        finish(Outcome::ServiceGone);
    }
}

void DBusNotifier::finish(Outcome outcome) {
    id_ = 0;
    owner_.clear();
    ++serial_;  // what may still come about this notice is late
    if (done_) {
        std::exchange(done_, {})(outcome);
    }
}

void DBusNotifier::withdraw() {
    const uint shown = id_;
    done_ = {};
    id_ = 0;
    owner_.clear();
    ++serial_;
    if (shown != 0) {
        closeNotification(shown);
    }
}

void DBusNotifier::closeNotification(uint id) {
    if (!bus_ || !bus_->isConnected()) {
        return;
    }
    QDBusMessage close = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                        QStringLiteral("CloseNotification"));
    close << id;
    // Nobody waits for the answer; the service closes it or already has.
    bus_->asyncCall(close, kCallTimeoutMs);
}
