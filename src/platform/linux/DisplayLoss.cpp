#include "platform/linux/DisplayLoss.h"

#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <QFile>
#include <QList>
#include <QMutex>
#include <QRegularExpression>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Last: Xlib defines Bool and Status, which Qt's headers refuse to follow.
#include <X11/Xlib.h>

namespace {
struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QMutex heldLock;
QList<HeldMessage> held;
bool holding = false;  // under heldLock

// Read by handlers on any thread and in a signal handler: plain arrays,
// filled before the handlers are installed or before the path counts.
char displayName[128];
char markerPath[sizeof(sockaddr_un::sun_path)];
volatile sig_atomic_t markerSet = 0;
sockaddr_un serverAddress = {};
bool serverAddressKnown = false;

// A start whose connection the server dropped during the handshake, with the
// server still there, begins again: nothing is claimed or written before
// QApplication stands. Prepared in watch(), since a fault handler may use it.
constexpr char kTryVariable[] = "CHRONIDEX_DISPLAY_TRY";
constexpr int kTries = 4;
char** startArguments = nullptr;
char programPath[4096];
std::vector<char*> againEnvironment;
std::string againTry;
bool mayStartAgain = false;

QString lostLine() {
    return QStringLiteral("lost the X display %1").arg(QString::fromLocal8Bit(displayName));
}

// Async-signal-safe: a fault handler may call it.
[[noreturn]] void endWithLine(const char* line, size_t length) {
    if (markerSet) {
        ::unlink(markerPath);
    }
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, line, length);
    ::_exit(1);
}

[[noreturn]] void endWith(const QString& line) {
    const QByteArray bytes = QStringLiteral("chronidex: %1\n").arg(line).toLocal8Bit();
    endWithLine(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Whether anything listens on the display's local socket; async-signal-safe.
bool serverListens() {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return true;
    }
    const bool listens =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&serverAddress), sizeof serverAddress) == 0;
    ::close(fd);
    return listens;
}

// Async-signal-safe; returns only when the program is not to start again.
void startAgainIfServerStays() {
    if (mayStartAgain && serverAddressKnown && serverListens()) {
        ::execve(programPath, startArguments, againEnvironment.data());
    }
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("The X11 connection broke"))) {
        endWith(lostLine());
    }
    {
        QMutexLocker locker(&heldLock);
        if (holding) {
            // The only fatal message of QApplication's construction is its
            // platform failing: on xcb, the display refused or went away.
            if (type == QtFatalMsg) {
                startAgainIfServerStays();
                endWith(lostLine());
            }
            held.append({type, QString::fromLatin1(context.category), text});
            return;
        }
    }
    if (previousHandler) {
        previousHandler(type, context, text);
    }
}

// Whether the server has hung up this program's connection to it: a stream
// socket whose peer is the display's socket, in the file system or in the
// abstract namespace, shut down from the other end. Async-signal-safe.
bool connectionHungUp() {
    const size_t pathLength = std::strlen(serverAddress.sun_path);
    for (int fd = 3; fd < 1024; ++fd) {
        sockaddr_un peer = {};
        socklen_t length = sizeof peer;
        if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0 ||
            peer.sun_family != AF_UNIX) {
            continue;
        }
        const char* name = peer.sun_path[0] == '\0' ? peer.sun_path + 1 : peer.sun_path;
        if (std::strncmp(name, serverAddress.sun_path, pathLength + 1) != 0) {
            continue;
        }
        pollfd state = {fd, POLLRDHUP, 0};
        if (::poll(&state, 1, 0) == 1 && (state.revents & (POLLRDHUP | POLLHUP)) != 0) {
            return true;
        }
    }
    return false;
}

char faultLine[256];
size_t faultLineLength = 0;

// Qt's xcb code follows replies that a vanished server never sent (seen in
// QXcbScreen while the connection is set up). A fault with the connection
// hung up is that; any other fault stays a crash, with its core.
void onFault(int signal) {
    if (serverAddressKnown && connectionHungUp()) {
        startAgainIfServerStays();
        endWithLine(faultLine, faultLineLength);
    }
    std::signal(signal, SIG_DFL);  // returning faults again, now fatally
}

// A write to a server that has gone then fails with EPIPE, which xcb takes
// for a broken connection. A handler, unlike SIG_IGN, is not handed on to
// the programs the clock starts.
void onBrokenPipe(int) {}

// Xlib's own report of a lost server is three lines and exit(1). Qt sets a
// handler of its own once its Xlib display is open, whose message the message
// handler above takes; this one answers while Qt is still opening it.
int onXlibConnectionLost(Display*) {
    endWith(lostLine());
}

bool onXcb() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb");
}

// ":0", ":0.0" and "unix:0" are served on /tmp/.X11-unix/X0; a display on
// another host has no local socket to look at.
void findServerSocket() {
    static const QRegularExpression local(QStringLiteral("^(?:unix)?:(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch match = local.match(QString::fromLocal8Bit(displayName));
    if (!match.hasMatch()) {
        return;
    }
    serverAddress.sun_family = AF_UNIX;
    const QByteArray path = "/tmp/.X11-unix/X" + match.captured(1).toLatin1();
    std::strncpy(serverAddress.sun_path, path.constData(), sizeof serverAddress.sun_path - 1);
    serverAddressKnown = true;
}
}  // namespace

bool DisplayLoss::displayOpens() {
    if (!onXcb()) {
        return true;
    }
    // A server drops a new connection now and then when another client has
    // just left (seen with Xvfb, as xdotool and the like come and go); a few
    // tries tell that from a display that is not there.
    for (int attempt = 0; attempt < 10; ++attempt) {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const bool opened = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        if (opened) {
            ::usleep(20'000);  // the same drop, or Qt's connection right after ours
            return true;
        }
        ::usleep(50'000);
    }
    std::fprintf(stderr, "chronidex: cannot open the X display %s\n",
                 qEnvironmentVariableIsEmpty("DISPLAY") ? "(DISPLAY is not set)"
                                                        : qgetenv("DISPLAY").constData());
    return false;
}

void DisplayLoss::watch(char** argv) {
    if (!onXcb()) {
        return;
    }
    const int tried = qEnvironmentVariableIntValue(kTryVariable);
    const ssize_t pathLength = ::readlink("/proc/self/exe", programPath, sizeof programPath - 1);
    if (tried + 1 < kTries && pathLength > 0) {
        programPath[pathLength] = '\0';
        startArguments = argv;
        againTry = std::string(kTryVariable) + '=' + std::to_string(tried + 1);
        for (char** variable = environ; *variable; ++variable) {
            if (std::strncmp(*variable, kTryVariable, sizeof kTryVariable - 1) != 0) {
                againEnvironment.push_back(*variable);
            }
        }
        againEnvironment.push_back(againTry.data());
        againEnvironment.push_back(nullptr);
        mayStartAgain = true;
    }
    std::strncpy(displayName, qgetenv("DISPLAY").constData(), sizeof displayName - 1);
    findServerSocket();
    const QByteArray line =
        QStringLiteral("chronidex: %1\n").arg(lostLine()).toLocal8Bit().left(sizeof faultLine - 1);
    std::memcpy(faultLine, line.constData(), static_cast<size_t>(line.size()));
    faultLineLength = static_cast<size_t>(line.size());

    holding = true;
    previousHandler = qInstallMessageHandler(onMessage);  // Qt's own printing, unless set
    struct sigaction action = {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = onFault;
    ::sigaction(SIGSEGV, &action, nullptr);
    ::sigaction(SIGBUS, &action, nullptr);
    // A start begun again from the fault handler inherits its blocked fault.
    sigset_t faults;
    sigemptyset(&faults);
    sigaddset(&faults, SIGSEGV);
    sigaddset(&faults, SIGBUS);
    ::pthread_sigmask(SIG_UNBLOCK, &faults, nullptr);
    action.sa_handler = onBrokenPipe;
    ::sigaction(SIGPIPE, &action, nullptr);
    XSetIOErrorHandler(onXlibConnectionLost);
}

void DisplayLoss::started() {
    mayStartAgain = false;
    qunsetenv(kTryVariable);  // not handed on to the programs the clock starts
    QList<HeldMessage> messages;
    {
        QMutexLocker locker(&heldLock);
        holding = false;
        messages.swap(held);
    }
    for (const HeldMessage& message : messages) {
        const QByteArray category = message.category.toLatin1();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        if (previousHandler) {
            previousHandler(message.type, context, message.text);
        }
    }
}

void DisplayLoss::removeAtEnd(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    if (static_cast<size_t>(bytes.size()) >= sizeof markerPath) {
        return;
    }
    std::memcpy(markerPath, bytes.constData(), static_cast<size_t>(bytes.size()) + 1);
    markerSet = 1;
}
