#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <functional>

#include "platform/linux/TerminationSignals.h"

namespace {

void spinFor(
    int ms, const std::function<bool()>& done = [] { return false; }) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

}  // namespace

// The handler runs from the event loop, never inside the signal handler,
// and signals that come together are answered by one call.
TEST(TerminationSignalsTest, SignalsAreToldFromTheEventLoop) {
    TerminationSignals termination;
    ASSERT_TRUE(termination.installed());
    int told = 0;
    termination.setHandler([&] { ++told; });
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const int before = told;
        ASSERT_EQ(::raise(signal), 0);
        EXPECT_EQ(told, before) << "told inside the signal handler: " << signal;
        spinFor(2000, [&] { return told > before; });
        EXPECT_EQ(told, before + 1) << signal;
    }
    const int before = told;
    ::raise(SIGTERM);
    ::raise(SIGHUP);  // a log-out sends both
    spinFor(300);
    EXPECT_EQ(told, before + 1);
}

// A signal in the first moments of the start neither kills the process nor is
// lost: held back until the handlers are in place, then told to the handler
// once there is one.
TEST(TerminationSignalsTest, ASignalBeforeTheHandlersWaitsForThem) {
    TerminationSignals::holdUntilHandled();
    ASSERT_EQ(::raise(SIGTERM), 0);  // still alive: the signal is only pending
    TerminationSignals termination;
    spinFor(300);
    bool told = false;
    termination.setHandler([&] { told = true; });
    EXPECT_TRUE(told);
}
