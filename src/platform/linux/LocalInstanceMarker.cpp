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
                if (peer->readAll().contains("raise") && raise_) {
                    raise_();
                }
            });
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    retry_.setInterval(200);
    QObject::connect(&retry_, &QTimer::timeout, &server_, [this] {
        if (!liveOwnerAnswers(false) && claim()) {
            retry_.stop();
        }
    });
}

bool LocalInstanceMarker::liveOwnerAnswers(bool askToRaise) const {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(500)) {
        return false;
    }
    if (askToRaise) {
        socket.write("raise\n");
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
    if (liveOwnerAnswers(true)) {
        return true;
    }
    claim();  // a failure to claim still lets this instance run
    return false;
}

void LocalInstanceMarker::takeOverWhenFree() {
    if (!liveOwnerAnswers(false) && claim()) {
        return;
    }
    retry_.start();
}
