#pragma once

#include <QLocalServer>
#include <QTimer>

#include "platform/Platform.h"

// The single-instance marker: a local socket named "chronidexname" in the
// user's runtime folder. A live holder answers a connection; a socket left by
// a killed instance does not, and is taken over.
class LocalInstanceMarker : public InstanceMarker {
  public:
    explicit LocalInstanceMarker(QString name = QStringLiteral("chronidexname"));

    bool anotherInstanceRuns() override;
    void takeOverWhenFree() override;
    void setRaiseHandler(std::function<void()> handler) override { raise_ = std::move(handler); }

    bool holding() const { return server_.isListening(); }
    const QString& socketPath() const { return path_; }

  private:
    bool liveOwnerAnswers(bool askToRaise) const;
    bool claim();

    QString path_;
    QLocalServer server_;
    QTimer retry_;
    std::function<void()> raise_;
};
