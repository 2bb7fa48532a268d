#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

// SIGTERM, SIGINT and SIGHUP, as a log-out, `kill` or Ctrl+C send them, turned
// into a call from the event loop. The handler itself only writes one byte to
// a socket pair; the program ends through its ordinary exit path once the
// event loop reads that byte, so a save under way finishes first and nothing
// is left half-written. One instance per process.
class TerminationSignals {
  public:
    // Before anything else in main: a signal during the start waits, blocked,
    // until the handlers are in place, instead of killing the program
    // half-started. The constructor lets the signals through again.
    static void holdUntilHandled();

    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Called from the event loop after one or more signals; a signal that
    // came before a handler was set is told as soon as one is.
    void setHandler(std::function<void()> handler);
    // False when the socket pair could not be made: the signals then keep
    // their default action.
    bool installed() const { return notifier_ != nullptr; }

  private:
    void drain();

    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> handler_;
    bool pending_ = false;
};
