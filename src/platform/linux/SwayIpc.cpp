#include "platform/linux/SwayIpc.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QJsonObject>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

namespace {

constexpr char kMagic[] = "i3-ipc";
constexpr int kMagicSize = 6;
constexpr int kHeaderSize = kMagicSize + 8;
constexpr int kAnswerMs = 1000;  // a compositor busy with a frame answers well within

int connectTo(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path) {
        return -1;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool sendAll(int fd, const QByteArray& bytes) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        sent += n;
    }
    return true;
}

// Reads what has arrived into `buffer`, waiting up to the answer time for
// something; false when the peer has gone or nothing came.
bool readSome(int fd, QByteArray& buffer) {
    pollfd entry{fd, POLLIN, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, kAnswerMs);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) {
        return false;
    }
    char chunk[4096];
    const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
    if (n <= 0) {
        return false;
    }
    buffer.append(chunk, n);
    return true;
}

}  // namespace

SwayIpc::SwayIpc(QString path, int fd) : path_(std::move(path)), requests_(fd) {}

SwayIpc::~SwayIpc() {
    eventNotifier_.reset();
    if (events_ >= 0) {
        ::close(events_);
    }
    if (requests_ >= 0) {
        ::close(requests_);
    }
}

std::unique_ptr<SwayIpc> SwayIpc::open(const QString& path) {
    const int fd = connectTo(path);
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<SwayIpc>(new SwayIpc(path, fd));
}

QByteArray SwayIpc::frame(quint32 type, const QByteArray& payload) {
    QByteArray bytes(kMagic, kMagicSize);
    const quint32 length = quint32(payload.size());
    bytes.append(reinterpret_cast<const char*>(&length), 4);  // the host's byte order
    bytes.append(reinterpret_cast<const char*>(&type), 4);
    return bytes + payload;
}

std::optional<SwayIpc::Message> SwayIpc::take(QByteArray& buffer) {
    if (buffer.size() < kHeaderSize) {
        return std::nullopt;
    }
    quint32 length = 0;
    quint32 type = 0;
    std::memcpy(&length, buffer.constData() + kMagicSize, 4);
    std::memcpy(&type, buffer.constData() + kMagicSize + 4, 4);
    if (buffer.size() < kHeaderSize + qsizetype(length)) {
        return std::nullopt;
    }
    Message message{type, buffer.mid(kHeaderSize, length)};
    buffer.remove(0, kHeaderSize + length);
    return message;
}

std::optional<QJsonDocument> SwayIpc::ask(Type type, const QByteArray& payload) {
    if (requests_ < 0 || !sendAll(requests_, frame(type, payload))) {
        return std::nullopt;
    }
    QByteArray buffer;
    while (true) {
        if (std::optional<Message> answer = take(buffer)) {
            if (answer->type != type) {
                continue;  // not ours; the requests socket carries no events
            }
            return QJsonDocument::fromJson(answer->payload);
        }
        if (!readSome(requests_, buffer)) {
            return std::nullopt;
        }
    }
}

bool SwayIpc::listen(const QByteArray& names,
                     std::function<void(quint32, const QJsonObject&)> handler) {
    events_ = connectTo(path_);
    if (events_ < 0 || !sendAll(events_, frame(Subscribe, names))) {
        return false;
    }
    handler_ = std::move(handler);
    eventNotifier_ = std::make_unique<QSocketNotifier>(events_, QSocketNotifier::Read);
    connect(eventNotifier_.get(), &QSocketNotifier::activated, this, &SwayIpc::readEvents);
    return true;
}

void SwayIpc::readEvents() {
    char chunk[8192];
    const ssize_t n = ::recv(events_, chunk, sizeof chunk, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        eventNotifier_->setEnabled(false);  // the compositor has gone
        return;
    }
    if (n > 0) {
        eventBuffer_.append(chunk, n);
    }
    while (std::optional<Message> message = take(eventBuffer_)) {
        if ((message->type & kEventBit) && handler_) {
            handler_(message->type & ~kEventBit,
                     QJsonDocument::fromJson(message->payload).object());
        }
    }
}
