#pragma once

#include <QElapsedTimer>
#include <QSoundEffect>

#include <memory>

#include "platform/Platform.h"

// The one wave player of the process, on Qt Multimedia. It never blocks: a
// sound plays in the background and atEnd() is polled by the clock's tick.
// Without an audio device, or with a file it cannot decode, it stays silent
// and reports the end at once.
class WaveSoundPlayer : public SoundPlayer {
  public:
    WaveSoundPlayer();

    void setFileName(const QString& path) override { fileName_ = path; }
    bool open() override;
    bool play() override;
    bool atEnd() const override;
    void stop() override;
    void close() override;

  private:
    QString fileName_;
    std::unique_ptr<QSoundEffect> effect_;
    bool started_ = false;
    QElapsedTimer sincePlay_;
};
