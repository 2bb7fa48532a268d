#include "platform/linux/LocalInstanceMarker.h"

#include "platform/linux/DisplayLoss.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
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
        if (lookAndClaim({}, 0) == Claim::Taken) {
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
    if (!server_.listen(path_)) {
        return false;
    }
    DisplayLoss::removeAtEnd(path_);  // an end without the event loop leaves no marker either
    return true;
}

// Starts at the same instant would each find nobody listening, and each one's
// removal of a "stale" socket would take away the one another has just made:
// two clocks. Looking for a holder and claiming are therefore one step under
// a lock file, held only for that step; the socket stays the marker. A lock
// left by a killed process names a dead PID and is taken over by QLockFile.
LocalInstanceMarker::Claim LocalInstanceMarker::lookAndClaim(const QByteArray& message,
                                                             int lockWaitMs) {
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        return Claim::Busy;
    }
    // Without a lock file that can be made at all, the old unguarded claim is
    // all there is; a folder like that is no place for a race anyway.
    if (liveOwnerAnswers(message)) {
        return Claim::Held;
    }
    return claim() ? Claim::Taken : Claim::Failed;
}

bool LocalInstanceMarker::anotherInstanceRuns() {
    // The others finish their step in milliseconds; a lock held for long
    // belongs to a hung start, and this one goes ahead rather than wait.
    constexpr int kLockWaitMs = 5000;
    switch (lookAndClaim("raise\n", kLockWaitMs)) {
        case Claim::Held:
            return true;
        case Claim::Busy:
            if (liveOwnerAnswers("raise\n")) {
                return true;
            }
            claim();
            return false;
        case Claim::Taken:
        case Claim::Failed:
            break;
    }
    return false;  // a failure to claim still lets this instance run
}

void LocalInstanceMarker::takeOverWhenFree() {
    if (lookAndClaim({}, 0) != Claim::Taken) {
        retry_.start();
    }
}
