#include "platform/linux/WaveSoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace {
// A sound that has not begun this long after play() never will (no device,
// a stalled decoder); the caller must not wait for it for ever.
constexpr qint64 kStartGraceMs = 3000;
}  // namespace

WaveSoundPlayer::WaveSoundPlayer() = default;

bool WaveSoundPlayer::open() {
    close();  // cuts off a sound still playing
    if (!QFileInfo(fileName_).isFile() || QMediaDevices::defaultAudioOutput().isNull()) {
        return false;
    }
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(fileName_));
    effect_->setLoopCount(1);
    QObject::connect(effect_.get(), &QSoundEffect::playingChanged, effect_.get(), [this] {
        if (effect_ && effect_->isPlaying()) {
            started_ = true;
        }
    });
    return effect_->status() != QSoundEffect::Error;
}

bool WaveSoundPlayer::play() {
    if (!effect_) {
        return false;
    }
    started_ = false;
    sincePlay_.start();
    effect_->play();
    return effect_->status() != QSoundEffect::Error;
}

bool WaveSoundPlayer::atEnd() const {
    if (!effect_ || effect_->status() == QSoundEffect::Error) {
        return true;
    }
    if (started_) {
        return !effect_->isPlaying();
    }
    return sincePlay_.isValid() && sincePlay_.elapsed() > kStartGraceMs;
}

void WaveSoundPlayer::stop() {
    if (effect_) {
        effect_->stop();
    }
}

void WaveSoundPlayer::close() {
    if (effect_) {
        effect_->stop();
        effect_.reset();
    }
    started_ = false;
    sincePlay_.invalidate();
}
