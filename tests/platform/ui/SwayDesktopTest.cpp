#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <atomic>
#include <mutex>
#include <thread>

#include "platform/linux/SwayDesktop.h"
#include "platform/linux/SwayIpc.h"

namespace {

// The framing of the protocol: whole messages come out of what arrived, in
// order, and a message cut short waits for its rest.
TEST(SwayIpc, TakesWholeMessagesFromWhatArrived) {
    const QByteArray one = SwayIpc::frame(SwayIpc::GetWorkspaces, "[]");
    const QByteArray two = SwayIpc::frame(SwayIpc::kEventBit | 3, R"({"change":"new"})");
    struct Case {
        const char* arrived;
        QByteArray bytes;
        QList<QByteArray> payloads;
        qsizetype left;
    };
    for (const Case& c : {
             Case{"nothing", {}, {}, 0},
             Case{"a header cut short", one.left(9), {}, 9},
             Case{"a payload cut short", one.left(one.size() - 1), {}, one.size() - 1},
             Case{"one", one, {"[]"}, 0},
             Case{"two at once", one + two, {"[]", R"({"change":"new"})"}, 0},
             Case{"one and a part", one + two.left(5), {"[]"}, 5},
         }) {
        QByteArray buffer = c.bytes;
        QList<QByteArray> payloads;
        while (std::optional<SwayIpc::Message> message = SwayIpc::take(buffer)) {
            payloads << message->payload;
        }
        EXPECT_EQ(payloads, c.payloads) << c.arrived;
        EXPECT_EQ(buffer.size(), c.left) << c.arrived;
    }
}

// A sway of our own on a socket: answers the workspaces, records commands,
// and tells of a new window on the connection that subscribed.
class FakeSway {
  public:
    explicit FakeSway(const QString& path) {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 2);
        thread_ = std::thread([this] { serve(); });
    }
    ~FakeSway() {
        stop_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        for (int fd : {requests_.load(), events_.load()}) {
            if (fd >= 0) {
                ::shutdown(fd, SHUT_RDWR);
            }
        }
        thread_.join();
        ::close(listener_);
    }
    // The events connection is taken on a thread of its own: wait for it, or
    // a loaded machine loses the event to a socket not yet accepted.
    void tellNewWindow(unsigned window) {
        for (int waited = 0; events_ < 0 && waited < 500; ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        const QByteArray body =
            QStringLiteral(R"({"change":"new","container":{"window":%1}})").arg(window).toUtf8();
        send(events_, SwayIpc::frame(SwayIpc::kEventBit | 3, body));
    }
    QStringList commands() {
        std::lock_guard lock(mutex_);
        return commands_;
    }

  private:
    static void send(int fd, const QByteArray& bytes) {
        (void)::write(fd, bytes.data(), bytes.size());
    }

    void serve() {
        requests_ = ::accept(listener_, nullptr, nullptr);
        std::thread events([this] {
            events_ = ::accept(listener_, nullptr, nullptr);
            char ignored[256];
            while (!stop_ && ::read(events_, ignored, sizeof ignored) > 0) {
            }
        });
        QByteArray buffer;
        char chunk[1024];
        ssize_t n;
        while (!stop_ && (n = ::read(requests_, chunk, sizeof chunk)) > 0) {
            buffer.append(chunk, n);
            while (std::optional<SwayIpc::Message> message = SwayIpc::take(buffer)) {
                answer(*message);
            }
        }
        events.join();
    }
    void answer(const SwayIpc::Message& message) {
        if (message.type == SwayIpc::GetWorkspaces) {
            send(
                requests_,
                SwayIpc::frame(
                    message.type,
                    R"([{"name":"1","visible":true,"rect":{"x":0,"y":25,"width":1280,"height":999}},)"
                    R"({"name":"2","visible":false,"rect":{"x":0,"y":0,"width":1280,"height":1024}}])"));
        } else if (message.type == SwayIpc::RunCommand) {
            {
                std::lock_guard lock(mutex_);
                commands_ << QString::fromUtf8(message.payload);
            }
            send(requests_, SwayIpc::frame(message.type, R"([{"success":true}])"));
        }
    }

    int listener_ = -1;
    std::atomic<int> requests_{-1}, events_{-1};
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    QStringList commands_;
};

bool spinUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

}  // namespace

// Under sway the work area is the visible workspace, and a window floats
// where it is put: at once, and again when sway first shows it (a command
// before then finds no such window).
TEST(SwayDesktop, ReadsTheWorkspaceAndPlacesWindowsBySwaysCommands) {
    QTemporaryDir folder;
    const QString socket = folder.filePath(QStringLiteral("sway.sock"));
    FakeSway sway(socket);
    qputenv("SWAYSOCK", QFile::encodeName(socket));
    std::unique_ptr<SwayDesktop> desktop = SwayDesktop::connectToSession();
    qunsetenv("SWAYSOCK");
    ASSERT_TRUE(desktop);
    int changes = 0;
    desktop->setChangedHandler([&] { ++changes; });

    EXPECT_EQ(desktop->workAreas(), QList<QRect>{QRect(0, 25, 1280, 999)});

    desktop->adopt(0x400007);
    EXPECT_TRUE(desktop->adopted(0x400007));
    EXPECT_FALSE(desktop->adopted(0x400009));
    desktop->place(0x400007, {1089, 25});
    const QString placed = QStringLiteral(
        "[id=4194311] floating enable, sticky enable, border none, move absolute position 1089 25");
    EXPECT_EQ(sway.commands(), QStringList{placed});

    sway.tellNewWindow(0x400007);
    EXPECT_TRUE(spinUntil([&] { return sway.commands().size() == 2; }));
    EXPECT_EQ(sway.commands().value(1), placed);
    EXPECT_GE(changes, 1);
}

TEST(SwayDesktop, IsNoneOutsideSway) {
    qunsetenv("SWAYSOCK");
    EXPECT_FALSE(SwayDesktop::connectToSession());
    QTemporaryDir folder;
    qputenv("SWAYSOCK", QFile::encodeName(folder.filePath(QStringLiteral("gone.sock"))));
    EXPECT_FALSE(SwayDesktop::connectToSession());
    qunsetenv("SWAYSOCK");
}
