#pragma once

#include <QColor>
#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

#include "clockface/FileChangeWatch.h"
#include "clockface/SkinDescription.h"
#include "clockface/SkinFolderWatch.h"

struct ClockState;
class Platform;
class FaceView;

// The clock face of the clock window: the skin's face bitmap with the
// three hands drawn over it at the platform's present time. The skin's two
// files are read again whenever they change on disk, and not otherwise: the
// skins folder is watched, and an edit shows as soon as the files are quiet,
// without waiting for a redraw. Where the folder cannot be watched, every
// redraw compares the files' stamps instead.
//
// A skin that cannot be used (no description or bitmap, a bad line, an
// unknown colour) gives a plain face with black, black and red hands; the user
// is told once which file is at fault, and again only when that file has
// changed and is still or again unusable.
class ClockFace {
  public:
    // The face's size in the clock window, used while the control has none.
    static constexpr int kFaceSize = 189;

    ClockFace(const ClockState& state, Platform& platform, FaceView& target);

    // The redraw of every face tick, and the first load at start-up. Paints
    // only when the second or the skin changed since the last one. The tick
    // hands in the time it read; other redraws read the platform's.
    void drawClockFace();
    void drawClockFace(QTime now);

    // False when the skin files are not watched: then only drawClockFace()
    // notices an edit, and it has to be called often for one to show soon.
    bool watchesSkin() const { return watch_.holds(); }

    // The colour of the face bitmap's top left pixel, or the panel colour
    // while there is no usable bitmap; the calendar takes its colours from it.
    QRgb faceCornerColour() const;

    // False while the plain face stands in for the skin.
    bool showsSkin() const { return showsSkin_; }

    // Where the hands turn and their colours, as last drawn.
    const HandGeometry& handGeometry() const { return handGeometry_; }
    const std::array<QColor, 3>& handColours() const { return handColours_; }

    QString descriptionPath() const { return descriptionPath_; }
    QString bitmapPath() const { return bitmapPath_; }

    // How often each file was read from disk.
    int descriptionReads() const { return descriptionReads_; }
    int bitmapReads() const { return bitmapReads_; }

    // Makes the next redraw look at both files again and read them.
    void forgetSkinFiles();

  private:
    struct FaultReport {
        bool told = false;
        FileChangeWatch::Stamp stamp;  // of the file as it was when told
    };

    void refreshSkin();
    void refreshDescription();
    void refreshBitmap();
    QSize cropSize() const;
    const QImage& base();
    void noteFault(FaultReport& report, const FileChangeWatch& watch, bool bad, const QString& path,
                   const QString& why, QStringList& messages);

    const ClockState& state_;
    Platform& platform_;
    FaceView& target_;

    QString descriptionPath_;
    QString bitmapPath_;
    FileChangeWatch descriptionWatch_;
    FileChangeWatch bitmapWatch_;
    SkinDescriptionResult description_;
    QImage bitmap_;  // converted for drawing and cut to the control
    QString bitmapFault_;
    QSize bitmapCrop_;
    qreal bitmapRatio_ = 1;  // the screen's device pixels to a logical one
    QImage plain_;
    HandGeometry handGeometry_;
    std::array<QColor, 3> handColours_{};
    QRgb plainPanel_ = 0;

    SkinFolderWatch watch_;
    bool skinStale_ = true;  // the files have to be looked at before painting
    bool showsSkin_ = false;
    bool nameRefused_ = false;  // the settings' skin name is no file name

    FaultReport descriptionReport_;
    FaultReport bitmapReport_;
    int descriptionReads_ = 0;
    int bitmapReads_ = 0;
};
