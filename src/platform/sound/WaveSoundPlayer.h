#pragma once

#include <QElapsedTimer>
#include <QSoundEffect>
#include <QTimer>

#include <memory>

#include "platform/Platform.h"

// The wave player on Qt Multimedia, built into the sound module that the
// program loads when it first opens a sound (SoundModulePlayer). It never
// blocks: a sound plays in the background and its end is told to the end
// handler (and to atEnd()). Without an audio device, or with a file it cannot decode, it
// stays silent and reports the end at once. The sound effect is made only
// when a sound is opened, so a clock without sound never starts the audio
// machinery.
class WaveSoundPlayer : public SoundPlayer {
  public:
    WaveSoundPlayer();

    void setFileName(const QString& path) override { fileName_ = path; }
    bool open() override;
    bool play() override;
    bool atEnd() const override;
    void stop() override;
    void close() override;
    bool setEndHandler(std::function<void()> handler) override;

  private:
    void tellEnd(int afterMs);

    std::function<void()> endHandler_;
    QTimer endNotice_;  // calls the handler from the event loop
    QString fileName_;
    std::unique_ptr<QSoundEffect> effect_;
    bool started_ = false;
    QElapsedTimer sincePlay_;
};
