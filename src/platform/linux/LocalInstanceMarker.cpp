#include "platform/linux/LocalInstanceMarker.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

LocalInstanceMarker::LocalInstanceMarker(QString name) {
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists()) {
        dir = QDir::tempPath();
    }
    // Outside the runtime folder the name is shared by all users: keep it per user.
    if (dir == QDir::tempPath()) {
        name += QLatin1Char('-') + qEnvironmentVariable("USER", QStringLiteral("user"));
    }
    path_ = dir + QLatin1Char('/') + name;
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
                while (peer->canReadLine()) {
                    received(peer->readLine().trimmed());
                }
            });
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    retry_.setInterval(200);
    QObject::connect(&retry_, &QTimer::timeout, &server_, [this] {
        if (!liveOwnerAnswers({}) && claim()) {
            retry_.stop();
        }
    });
}

void LocalInstanceMarker::received(const QByteArray& line) {
    if (line == "raise" && raise_) {
        raise_();
    } else if (line == "reload reminders" && reload_) {
        reload_(ScheduleKind::Reminders);
    } else if (line == "reload launches" && reload_) {
        reload_(ScheduleKind::Launches);
    }
}

bool LocalInstanceMarker::askReload(ScheduleKind kind) {
    return liveOwnerAnswers(kind == ScheduleKind::Reminders ? "reload reminders\n"
                                                            : "reload launches\n");
}

bool LocalInstanceMarker::liveOwnerAnswers(const QByteArray& message) const {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(500)) {
        return false;
    }
    if (!message.isEmpty()) {
        socket.write(message);
        socket.waitForBytesWritten(500);
    }
    socket.disconnectFromServer();
    return true;
}

bool LocalInstanceMarker::claim() {
    if (server_.isListening()) {
        return true;
    }
    QLocalServer::removeServer(path_);  // a socket file left by a killed instance
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(path_);
}

bool LocalInstanceMarker::anotherInstanceRuns() {
    if (liveOwnerAnswers("raise\n")) {
        return true;
    }
    claim();  // a failure to claim still lets this instance run
    return false;
}

void LocalInstanceMarker::takeOverWhenFree() {
    if (!liveOwnerAnswers({}) && claim()) {
        return;
    }
    retry_.start();
}
