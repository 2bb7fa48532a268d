#include "clockface/ui/ClockFace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPalette>
#include <cstring>

#include "clockface/BitmapExtent.h"
#include "clockface/ClockHands.h"
#include "clockface/ui/FacePainter.h"
#include "clockface/ui/PictureView.h"
#include "platform/Platform.h"
#include "state/ClockState.h"

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ClockFace", text);
}

qint64 neededBitmapSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    return bitmap::neededSize(file.read(bitmap::kHeadSize));
}

}  // namespace

ClockFace::ClockFace(const ClockState& state, Platform& platform, PictureView& target)
    : state_(state), platform_(platform), target_(target) {}

void ClockFace::forgetSkinFiles() {
    descriptionWatch_.forget();
    bitmapWatch_.forget();
}

void ClockFace::refreshDescription() {
    // Resolving the folder's spelling lists directories; do it only while the
    // file is not where it was found before.
    if (descriptionPath_.isEmpty() || !descriptionWatch_.stamp().exists) {
        descriptionPath_ =
            state_.programFolder.path(QStringLiteral("\\Skins\\") + state_.settings.skinFile());
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
        bitmapPath_ = state_.programFolder.path(QStringLiteral("\\skins\\") + state_.skinName +
                                                QStringLiteral(".bmp"));
    }
    const QSize crop = cropSize();
    if (crop != bitmapCrop_) {
        bitmapWatch_.forget();
    }
    if (!bitmapWatch_.needsReading(bitmapPath_)) {
        return;
    }
    ++bitmapReads_;
    bitmapCrop_ = crop;
    bitmap_ = QImage();
    bitmapFault_.clear();
    if (!bitmapWatch_.stamp().exists) {
        bitmapFault_ = tr("файла нет");
        return;
    }
    QImageReader reader(bitmapPath_);
    QImage image = reader.read();
    if (image.isNull()) {
        bitmapFault_ = tr("рисунок не читается (%1)").arg(reader.errorString());
        return;
    }
    const qint64 needed = neededBitmapSize(bitmapPath_);
    if (needed > bitmapWatch_.stamp().size + bitmap::kTolerance) {
        bitmapFault_ =
            tr("файл обрезан (%1 из %2 байт)").arg(bitmapWatch_.stamp().size).arg(needed);
        return;
    }
    // What lies beyond the control is never seen; the hands are drawn in the
    // picture's own coordinates, so cutting it off changes no visible pixel.
    if (crop.isValid() && (image.width() > crop.width() || image.height() > crop.height())) {
        image = image.copy(QRect(QPoint(0, 0), crop.boundedTo(image.size())));
    }
    bitmap_ = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32);
}

const QImage& ClockFace::base() {
    if (!bitmap_.isNull() && description_.ok()) {
        return bitmap_;
    }
    QSize size = bitmap_.size();
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

QImage& ClockFace::nextBuffer(const QImage& source) {
    // Two frames take turns: the control keeps the one shown, the other is
    // free to be overwritten without a new allocation.
    QImage& frame = buffers_[size_t(1 - shown_)];
    if (frame.size() != source.size() || frame.format() != source.format()) {
        frame = QImage(source.size(), source.format());
    }
    std::memcpy(frame.bits(), source.constBits(), size_t(source.sizeInBytes()));
    return frame;
}

void ClockFace::drawClockFace() {
    refreshDescription();
    refreshBitmap();

    const QImage& source = base();
    showsSkin_ = &source == &bitmap_;
    QImage& frame = nextBuffer(source);

    HandGeometry geometry = face::defaultGeometry(source.size());
    std::array<int, 3> colours = face::kDefaultColourIndices;
    if (showsSkin_) {
        const SkinDescription& d = *description_.description;
        geometry = d.geometry;
        colours = {d.secondColour, d.minuteColour, d.hourColour};
    }
    face::drawHands(
        frame, hands::at(platform_.now().time(), geometry),
        {face::skinColour(colours[0]), face::skinColour(colours[1]), face::skinColour(colours[2])});
    shown_ = 1 - shown_;
    target_.setPicture(frame);

    // Told last and after the state is settled: the message box lets further
    // ticks run meanwhile, and they must find the fault already told.
    QStringList messages;
    noteFault(descriptionReport_, descriptionWatch_, !description_.ok(), descriptionPath_,
              description_.reason(), messages);
    noteFault(bitmapReport_, bitmapWatch_, bitmap_.isNull(), bitmapPath_, bitmapFault_, messages);
    if (!messages.isEmpty()) {
        messages << tr("Пока скин не исправлен, часы показывают простой циферблат.");
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
    messages
        << tr("Файл скина %1 нельзя использовать: %2.").arg(QDir::toNativeSeparators(path), why);
}

QRgb ClockFace::faceCornerColour() const {
    if (!bitmap_.isNull()) {
        return bitmap_.pixel(0, 0);
    }
    return target_.palette().color(QPalette::Window).rgb();
}
