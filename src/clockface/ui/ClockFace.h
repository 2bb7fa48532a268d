#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <array>

#include "clockface/FileChangeWatch.h"
#include "clockface/SkinDescription.h"

struct ClockState;
class Platform;
class PictureView;

// The clock face of the clock window: the skin's face bitmap with the
// three hands drawn over it at the platform's present time. The skin's two
// files are read again whenever they change on disk, so an edited skin shows
// at the next redraw, and not otherwise.
//
// A skin that cannot be used (no description or bitmap, a bad line, an
// unknown colour) gives a plain face with black, black and red hands; the user
// is told once which file is at fault, and again only when that file has
// changed and is still or again unusable.
class ClockFace {
  public:
    // The face's size in the clock window, used while the control has none.
    static constexpr int kFaceSize = 189;

    ClockFace(const ClockState& state, Platform& platform, PictureView& target);

    // The redraw of every face tick, and the first load at start-up.
    void drawClockFace();

    // The colour of the face bitmap's top left pixel, or the panel colour
    // while there is no usable bitmap; the calendar takes its colours from it.
    QRgb faceCornerColour() const;

    // False while the plain face stands in for the skin.
    bool showsSkin() const { return showsSkin_; }
    const QImage& frame() const { return buffers_[shown_]; }

    QString descriptionPath() const { return descriptionPath_; }
    QString bitmapPath() const { return bitmapPath_; }

    // How often each file was read from disk.
    int descriptionReads() const { return descriptionReads_; }
    int bitmapReads() const { return bitmapReads_; }

    // Makes the next redraw read both files again.
    void forgetSkinFiles();

  private:
    struct FaultReport {
        bool told = false;
        FileChangeWatch::Stamp stamp;  // of the file as it was when told
    };

    void refreshDescription();
    void refreshBitmap();
    QSize cropSize() const;
    const QImage& base();
    QImage& nextBuffer(const QImage& source);
    void noteFault(FaultReport& report, const FileChangeWatch& watch, bool bad, const QString& path,
                   const QString& why, QStringList& messages);

    const ClockState& state_;
    Platform& platform_;
    PictureView& target_;

    QString descriptionPath_;
    QString bitmapPath_;
    FileChangeWatch descriptionWatch_;
    FileChangeWatch bitmapWatch_;
    SkinDescriptionResult description_;
    QImage bitmap_;  // converted for drawing and cut to the control
    QString bitmapFault_;
    QSize bitmapCrop_;
    QImage plain_;
    QRgb plainPanel_ = 0;

    std::array<QImage, 2> buffers_;
    int shown_ = 0;
    bool showsSkin_ = false;

    FaultReport descriptionReport_;
    FaultReport bitmapReport_;
    int descriptionReads_ = 0;
    int bitmapReads_ = 0;
};
