#include "platform/linux/TerminationSignals.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace {
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// [0] is written by the handler, [1] read by the event loop.
int pairFds[2] = {-1, -1};

sigset_t signalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

void onSignal(int) {
    const int saved = errno;  // the interrupted code may be looking at it
    const char byte = 1;
    // A full pair already holds an unread byte, which is all the loop needs.
    [[maybe_unused]] const ssize_t n = ::write(pairFds[0], &byte, 1);
    errno = saved;
}
}  // namespace

void TerminationSignals::holdUntilHandled() {
    const sigset_t set = signalSet();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TerminationSignals::TerminationSignals() {
    // Unblocked in any case: the programs the clock starts inherit the mask.
    const sigset_t set = signalSet();
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pairFds) != 0) {
        pairFds[0] = pairFds[1] = -1;
        ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pairFds[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { drain(); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Restarted, a read or write the signal lands in goes on as if nothing
    // happened; a save never sees EINTR from us.
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
    // One held back since the start is handled now, by the byte it writes.
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) {
        return;
    }
    // Back to the default first, so that no handler writes to a closed pair.
    for (const int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    notifier_.reset();
    ::close(pairFds[0]);
    ::close(pairFds[1]);
    pairFds[0] = pairFds[1] = -1;
}

void TerminationSignals::setHandler(std::function<void()> handler) {
    handler_ = std::move(handler);
    if (pending_ && handler_) {
        pending_ = false;
        handler_();
    }
}

void TerminationSignals::drain() {
    char bytes[64];
    while (::read(pairFds[1], bytes, sizeof bytes) > 0) {
    }
    // Every signal asks for the same end; a log-out sends SIGTERM and SIGHUP
    // together, and both are answered by one call.
    if (handler_) {
        handler_();
    } else {
        pending_ = true;
    }
}
