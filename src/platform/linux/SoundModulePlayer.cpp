#include "platform/linux/SoundModulePlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <utility>

#include "platform/sound/SoundModule.h"

SoundModulePlayer::SoundModulePlayer(QString fallbackFolder)
    : fallbackFolder_(std::move(fallbackFolder)) {
    endNotice_.setSingleShot(true);
    endNotice_.setInterval(0);
    QObject::connect(&endNotice_, &QTimer::timeout, &endNotice_, [this] {
        if (endHandler_) {
            endHandler_();
        }
    });
}

SoundModulePlayer::~SoundModulePlayer() = default;

// The module stays loaded until the process ends: the player made by it is
// deleted with code from it.
bool SoundModulePlayer::load() {
    if (std::exchange(loadTried_, true)) {
        return loaded_ != nullptr;
    }
    // Beside the executable as ./run.sh lays it out, then where the package
    // puts it.
    const QString bin = QCoreApplication::applicationDirPath();
    QStringList folders{bin, QDir::cleanPath(bin + QStringLiteral("/" CHRONIDEX_MODULE_FROM_BIN))};
    if (!fallbackFolder_.isEmpty()) {
        folders << fallbackFolder_;
    }
    QStringList problems;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(soundmodule::kFileName));
        if (!QFileInfo::exists(path)) {
            problems << QStringLiteral("%1 is missing").arg(path);
            continue;
        }
        QLibrary module(path);
        using MakePlayer = SoundPlayer* (*)();
        auto make = reinterpret_cast<MakePlayer>(module.resolve(soundmodule::kMakePlayer));
        if (make) {
            loaded_.reset(make());
            if (endHandler_) {
                loaded_->setEndHandler(endHandler_);
            }
            return true;
        }
        problems << module.errorString();
    }
    qWarning("No sound: %s", qPrintable(problems.join(QStringLiteral("; "))));
    return false;
}

void SoundModulePlayer::tellEnd() {
    endNotice_.start();
}

void SoundModulePlayer::setFileName(const QString& path) {
    fileName_ = path;
}

bool SoundModulePlayer::open() {
    if (!load()) {
        tellEnd();
        return false;
    }
    loaded_->setFileName(fileName_);
    return loaded_->open();
}

bool SoundModulePlayer::play() {
    if (!loaded_) {
        tellEnd();
        return false;
    }
    return loaded_->play();
}

bool SoundModulePlayer::atEnd() const {
    return !loaded_ || loaded_->atEnd();
}

void SoundModulePlayer::stop() {
    if (loaded_) {
        loaded_->stop();
    }
}

void SoundModulePlayer::close() {
    if (loaded_) {
        loaded_->close();
    }
    endNotice_.stop();
}

bool SoundModulePlayer::setEndHandler(std::function<void()> handler) {
    endHandler_ = std::move(handler);
    if (loaded_) {
        loaded_->setEndHandler(endHandler_);
    }
    return true;
}
