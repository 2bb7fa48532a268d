#pragma once

#include <QByteArray>
#include <QSocketNotifier>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/Platform.h"
#include "platform/ReloadNotifier.h"

// The single-instance marker: a local socket named "chronidexname" in the
// user's runtime folder. A live holder answers a connection; a socket left by
// a killed instance does not, and is taken over. A lock file beside it makes
// the look and the claim one step, so that starts at the same instant agree.
// A peer sends lines: "raise" brings the clock forward, "reload <schedule>"
// ("reload reminders", "reload launches") makes it read that schedule file
// again; other lines are ignored. Plain Unix-domain sockets: Qt Network would cost every start
// its libraries' memory for this alone.
class LocalInstanceMarker : public InstanceMarker, public ReloadNotifier {
  public:
    explicit LocalInstanceMarker(QString name = QStringLiteral("chronidexname"));
    ~LocalInstanceMarker() override;
    LocalInstanceMarker(const LocalInstanceMarker&) = delete;
    LocalInstanceMarker& operator=(const LocalInstanceMarker&) = delete;

    bool anotherInstanceRuns() override;
    void takeOverWhenFree() override;
    void setRaiseHandler(std::function<void()> handler) override { raise_ = std::move(handler); }
    void setReloadHandler(std::function<void(const QString&)> handler) override {
        reload_ = std::move(handler);
    }
    // For the command line: tells the holder, if there is one, without ever
    // taking the marker.
    bool askReload(const QString& schedule) override;

    bool holding() const { return server_ >= 0; }
    const QString& socketPath() const { return path_; }

  private:
    enum class Claim { Taken, Held, Busy, Failed };  // Held: by a live instance

    struct Peer {
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray pending;  // the start of a line still to come
    };

    Claim lookAndClaim(const QByteArray& message, int lockWaitMs);
    bool liveOwnerAnswers(const QByteArray& message) const;
    void received(const QByteArray& line);
    bool claim();
    void acceptPeers();
    void readPeer(int fd);

    QString path_;
    int server_ = -1;
    std::unique_ptr<QSocketNotifier> serverNotifier_;
    std::map<int, Peer> peers_;
    QTimer retry_;
    std::function<void()> raise_;
    std::function<void(const QString&)> reload_;
};
