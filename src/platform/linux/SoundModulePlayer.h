#pragma once

#include <QString>
#include <QTimer>
#include <memory>

#include "platform/Platform.h"

// The program's sound player: loads the sound module (beside the executable,
// or where the package installs it) when a sound is first opened and hands
// every call on to the wave player in it. Until then, and for good when the
// module cannot be loaded, it behaves like a player without an audio device:
// silent, every sound at its end at once.
class SoundModulePlayer : public SoundPlayer {
  public:
    // `fallbackFolder` is looked in when neither of those has the module.
    explicit SoundModulePlayer(QString fallbackFolder = {});
    ~SoundModulePlayer() override;

    void setFileName(const QString& path) override;
    bool open() override;
    bool play() override;
    bool atEnd() const override;
    void stop() override;
    void close() override;
    bool setEndHandler(std::function<void()> handler) override;

  private:
    bool load();
    void tellEnd();

    QString fallbackFolder_;
    QString fileName_;
    std::function<void()> endHandler_;
    QTimer endNotice_;  // for the silent player; the loaded one tells its own
    std::unique_ptr<SoundPlayer> loaded_;
    bool loadTried_ = false;
};
