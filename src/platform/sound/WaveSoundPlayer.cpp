#include "platform/sound/WaveSoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace {
// A sound that has not begun this long after play() never will (no device,
// a stalled decoder); the caller must not wait for it for ever.
constexpr qint64 kStartGraceMs = 3000;
}  // namespace

WaveSoundPlayer::WaveSoundPlayer() {
    endNotice_.setSingleShot(true);
    QObject::connect(&endNotice_, &QTimer::timeout, &endNotice_, [this] {
        if (endHandler_) {
            endHandler_();
        }
    });
}

bool WaveSoundPlayer::setEndHandler(std::function<void()> handler) {
    endHandler_ = std::move(handler);
    return true;
}

// Never called straight from the effect's signals: the handler closes the
// player, which deletes the effect.
void WaveSoundPlayer::tellEnd(int afterMs) {
    endNotice_.start(afterMs);
}

bool WaveSoundPlayer::open() {
    close();  // cuts off a sound still playing
    if (!QFileInfo(fileName_).isFile() || QMediaDevices::defaultAudioOutput().isNull()) {
        tellEnd(0);
        return false;
    }
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(fileName_));
    effect_->setLoopCount(1);
    QObject::connect(effect_.get(), &QSoundEffect::playingChanged, effect_.get(), [this] {
        if (!effect_) {
            return;
        }
        if (effect_->isPlaying()) {
            started_ = true;
            endNotice_.stop();
        } else if (started_) {
            tellEnd(0);
        }
    });
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, effect_.get(), [this] {
        if (effect_ && effect_->status() == QSoundEffect::Error) {
            tellEnd(0);
        }
    });
    return effect_->status() != QSoundEffect::Error;
}

bool WaveSoundPlayer::play() {
    if (!effect_) {
        tellEnd(0);
        return false;
    }
    started_ = false;
    sincePlay_.start();
    tellEnd(int(kStartGraceMs) + 1);  // unless it starts meanwhile
    effect_->play();
    if (effect_->status() == QSoundEffect::Error) {
        tellEnd(0);
        return false;
    }
    return true;
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
    endNotice_.stop();
    started_ = false;
    sincePlay_.invalidate();
}
