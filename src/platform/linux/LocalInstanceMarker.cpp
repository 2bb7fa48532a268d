#include "platform/linux/LocalInstanceMarker.h"

#include "platform/linux/DisplayLoss.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kWaitMs = 500;  // for a holder that is alive but slow to answer

// False for a path that does not fit the address.
bool socketAddress(const QString& path, sockaddr_un* address) {
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || size_t(name.size()) >= sizeof address->sun_path) {
        return false;
    }
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

bool waitFor(int fd, short events) {
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, kWaitMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (entry.revents & events) != 0;
}

}  // namespace

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
    retry_.setInterval(200);
    QObject::connect(&retry_, &QTimer::timeout, &retry_, [this] {
        if (lookAndClaim({}, 0) == Claim::Taken) {
            retry_.stop();
        }
    });
}

LocalInstanceMarker::~LocalInstanceMarker() {
    for (auto& [fd, peer] : peers_) {
        peer.notifier.reset();
        ::close(fd);
    }
    if (server_ >= 0) {
        serverNotifier_.reset();
        ::close(server_);
        QFile::remove(path_);  // the next start need not wait for a dead holder
    }
}

void LocalInstanceMarker::received(const QByteArray& line) {
    if (line == "raise" && raise_) {
        raise_();
    } else if (line.startsWith("reload ") && reload_) {
        reload_(QString::fromLatin1(line.mid(7)));
    }
}

bool LocalInstanceMarker::askReload(const QString& schedule) {
    return liveOwnerAnswers("reload " + schedule.toLatin1() + '\n');
}

bool LocalInstanceMarker::liveOwnerAnswers(const QByteArray& message) const {
    sockaddr_un address;
    if (!socketAddress(path_, &address)) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && (errno == EAGAIN || errno == EINPROGRESS) && waitFor(fd, POLLOUT)) {
        int error = 0;
        socklen_t length = sizeof error;
        connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    if (connected && !message.isEmpty()) {
        qsizetype sent = 0;
        while (sent < message.size()) {
            const ssize_t n =
                ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
            if (n > 0) {
                sent += n;
            } else if (n < 0 && errno != EINTR && !(errno == EAGAIN && waitFor(fd, POLLOUT))) {
                break;  // the holder answered; what it missed is its loss
            }
        }
    }
    ::close(fd);
    return connected;
}

// Bound under a scratch name, opened to the user alone, then renamed into
// place, so nobody else can ever connect to it.
bool LocalInstanceMarker::claim() {
    if (server_ >= 0) {
        return true;
    }
    QFile::remove(path_);  // a socket file left by a killed instance
    const QString scratch = path_ + QStringLiteral(".%1").arg(::getpid());
    sockaddr_un address;
    if (!socketAddress(scratch, &address)) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    QFile::remove(scratch);
    const QByteArray scratchName = QFile::encodeName(scratch);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(scratchName.constData(), S_IRWXU) != 0 || ::listen(fd, SOMAXCONN) != 0 ||
        ::rename(scratchName.constData(), QFile::encodeName(path_).constData()) != 0) {
        ::close(fd);
        QFile::remove(scratch);
        return false;
    }
    server_ = fd;
    serverNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(serverNotifier_.get(), &QSocketNotifier::activated, serverNotifier_.get(),
                     [this] { acceptPeers(); });
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

void LocalInstanceMarker::acceptPeers() {
    int fd;
    while ((fd = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        Peer& peer = peers_[fd];
        peer.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(peer.notifier.get(), &QSocketNotifier::activated, peer.notifier.get(),
                         [this, fd] { readPeer(fd); });
        readPeer(fd);  // what came already, in the order the peers connected
    }
}

void LocalInstanceMarker::readPeer(int fd) {
    auto found = peers_.find(fd);
    if (found == peers_.end()) {
        return;
    }
    char buffer[512];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
        found->second.pending.append(buffer, n);
    }
    QByteArray& pending = found->second.pending;
    qsizetype end;
    while ((end = pending.indexOf('\n')) >= 0) {
        const QByteArray line = pending.left(end).trimmed();
        pending.remove(0, end + 1);
        received(line);
    }
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        // This may run in the notifier's own signal: it goes later, switched
        // off before its descriptor is closed.
        QSocketNotifier* notifier = found->second.notifier.release();
        notifier->setEnabled(false);
        notifier->deleteLater();
        peers_.erase(found);
        ::close(fd);
    }
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
