#include "clockface/ui/ClockFace.h"

#include <QDir>
#include <QPalette>

#include "clockface/ClockHands.h"
#include "clockface/ui/FaceBitmap.h"
#include "clockface/ui/FacePainter.h"
#include "clockface/ui/FaceView.h"
#include "platform/Platform.h"
#include "settings/SkinFiles.h"
#include "state/ClockState.h"
#include "texts/SkinTexts.h"

ClockFace::ClockFace(const ClockState& state, Platform& platform, FaceView& target)
    : state_(state), platform_(platform), target_(target), watch_([this] {
          skinStale_ = true;
          drawClockFace();
      }) {}

void ClockFace::forgetSkinFiles() {
    descriptionWatch_.forget();
    bitmapWatch_.forget();
    skinStale_ = true;
}

void ClockFace::refreshSkin() {
    // A name that leaves the skins folder is not looked up at all: no file
    // outside it is read or watched.
    nameRefused_ = !skinfiles::isPlainName(state_.settings.skinFile()) ||
                   !skinfiles::isPlainName(state_.skinName);
    if (nameRefused_) {
        descriptionPath_.clear();
        bitmapPath_.clear();
        description_ = SkinDescriptionResult();
        bitmap_ = QImage();
        bitmapCrop_ = cropSize();
        watch_.watch({});
        skinStale_ = true;
        return;
    }
    refreshDescription();
    refreshBitmap();
    watch_.watch({descriptionPath_, bitmapPath_});
    // A file saved twice within the file system's time resolution keeps its
    // stamp; until the stamps have aged, look again at every redraw.
    skinStale_ = !descriptionWatch_.settled() || !bitmapWatch_.settled();
}

void ClockFace::refreshDescription() {
    // Resolving the folder's spelling lists directories; do it only while the
    // file is not where it was found before.
    if (descriptionPath_.isEmpty() || !descriptionWatch_.stamp().exists) {
        descriptionPath_ = skinfiles::path(state_.programFolder, state_.settings.skinFile());
    }
    if (!descriptionWatch_.needsReading(descriptionPath_)) {
        return;
    }
    ++descriptionReads_;
    description_ = skin::readDescription(descriptionPath_);
}

QSize ClockFace::cropSize() const {
    const QSize size = target_.size();
    return size.isEmpty() ? QSize() : size;
}

void ClockFace::refreshBitmap() {
    if (bitmapPath_.isEmpty() || !bitmapWatch_.stamp().exists) {
        bitmapPath_ =
            skinfiles::path(state_.programFolder, state_.skinName, QStringLiteral(".bmp"));
    }
    const QSize crop = cropSize();
    const qreal ratio = target_.devicePixelRatioF();
    if (crop != bitmapCrop_ || ratio != bitmapRatio_) {
        bitmapWatch_.forget();
    }
    if (!bitmapWatch_.needsReading(bitmapPath_)) {
        return;
    }
    ++bitmapReads_;
    bitmapCrop_ = crop;
    bitmapRatio_ = ratio;
    bitmap_ = QImage();
    bitmapFault_.clear();
    if (!bitmapWatch_.stamp().exists) {
        bitmapFault_ = skintexts::fileMissing();
        return;
    }
    FaceBitmap loaded = loadFaceBitmap(bitmapPath_, bitmapWatch_.stamp().size, crop, ratio);
    bitmap_ = std::move(loaded.image);
    bitmapFault_ = loaded.fault;
}

const QImage& ClockFace::base() {
    if (!bitmap_.isNull() && description_.ok()) {
        return bitmap_;
    }
    QSize size = bitmap_.deviceIndependentSize().toSize();
    if (bitmap_.isNull()) {
        size = cropSize().isValid() ? cropSize() : QSize(kFaceSize, kFaceSize);
    }
    const QRgb panel = target_.palette().color(QPalette::Window).rgb();
    if (plain_.size() != size || plainPanel_ != panel) {
        plain_ = face::plainFace(size, QColor::fromRgb(panel));
        plainPanel_ = panel;
    }
    return plain_;
}

void ClockFace::drawClockFace() {
    drawClockFace(platform_.now().time());
}

void ClockFace::drawClockFace(QTime now) {
    if (skinStale_ || !watch_.holds() || cropSize() != bitmapCrop_ ||
        target_.devicePixelRatioF() != bitmapRatio_) {
        refreshSkin();
    }

    // The control paints the hands over the picture it holds; it is handed a
    // new one only when the skin's picture itself changed.
    const QImage& source = base();
    showsSkin_ = &source == &bitmap_;
    if (source.cacheKey() != target_.picture().cacheKey()) {
        target_.setPicture(source);
    }

    HandGeometry geometry = face::defaultGeometry(source.deviceIndependentSize().toSize());
    std::array<int, 3> colours = face::kDefaultColourIndices;
    if (showsSkin_) {
        const SkinDescription& d = *description_.description;
        geometry = d.geometry;
        colours = {d.secondColour, d.minuteColour, d.hourColour};
    }
    handGeometry_ = geometry;
    handColours_ = {face::skinColour(colours[0]), face::skinColour(colours[1]),
                    face::skinColour(colours[2])};
    target_.setHands(hands::at(now, geometry), handColours_);

    // Told last and after the state is settled: the message box lets further
    // ticks run meanwhile, and they must find the fault already told.
    QStringList messages;
    if (nameRefused_) {
        noteFault(descriptionReport_, descriptionWatch_, true, state_.settings.skinFile(),
                  skintexts::notAFileName(), messages);
    } else {
        noteFault(descriptionReport_, descriptionWatch_, !description_.ok(), descriptionPath_,
                  description_.reason(), messages);
    }
    noteFault(bitmapReport_, bitmapWatch_, bitmap_.isNull() && !nameRefused_, bitmapPath_,
              bitmapFault_, messages);
    if (!messages.isEmpty()) {
        messages << skintexts::plainFaceMeanwhile();
        platform_.showError(messages.join(QLatin1Char('\n')));
    }
}

void ClockFace::noteFault(FaultReport& report, const FileChangeWatch& watch, bool bad,
                          const QString& path, const QString& why, QStringList& messages) {
    if (!bad) {
        report.told = false;
        return;
    }
    if (report.told && report.stamp == watch.stamp()) {
        return;
    }
    report.told = true;
    report.stamp = watch.stamp();
    messages << skintexts::unusable(QDir::toNativeSeparators(path), why);
}

QRgb ClockFace::faceCornerColour() const {
    if (!bitmap_.isNull()) {
        return bitmap_.pixel(0, 0);
    }
    return target_.palette().color(QPalette::Window).rgb();
}
