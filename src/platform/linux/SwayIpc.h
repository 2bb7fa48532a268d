#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;

// A client of sway's IPC, the protocol of i3: each message is "i3-ipc", its
// payload's length and its type, then the payload (JSON). Questions and
// commands go over one socket and are answered at once; the events asked for
// arrive on a second one, in the event loop.
class SwayIpc : public QObject {
    Q_OBJECT
  public:
    enum Type : quint32 { RunCommand = 0, GetWorkspaces = 1, Subscribe = 2, GetOutputs = 3 };
    static constexpr quint32 kEventBit = 0x80000000u;

    // Connected to the socket `path`; null when it does not answer.
    static std::unique_ptr<SwayIpc> open(const QString& path);
    ~SwayIpc() override;

    // The answer to a message; nothing when the compositor did not answer in
    // time or has gone.
    std::optional<QJsonDocument> ask(Type type, const QByteArray& payload = {});
    // Subscribes to the events named (JSON strings: "window", "workspace",
    // ...); each arrives at `handler` with its type (the event bit cleared).
    bool listen(const QByteArray& names, std::function<void(quint32, const QJsonObject&)> handler);

    // One message as the protocol frames it, and the messages complete in
    // `buffer` (taken from it), for the tests of the framing.
    static QByteArray frame(quint32 type, const QByteArray& payload);
    struct Message {
        quint32 type;
        QByteArray payload;
    };
    static std::optional<Message> take(QByteArray& buffer);

  private:
    SwayIpc(QString path, int fd);
    void readEvents();

    QString path_;
    int requests_ = -1;
    int events_ = -1;
    std::unique_ptr<QSocketNotifier> eventNotifier_;
    QByteArray eventBuffer_;
    std::function<void(quint32, const QJsonObject&)> handler_;
};
