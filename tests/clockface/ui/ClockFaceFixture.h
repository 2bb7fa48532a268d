#pragma once

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <memory>

#include "FakePlatform.h"
#include "TempFolder.h"
#include "clockface/ui/ClockFace.h"
#include "clockface/ui/FaceView.h"
#include "state/ClockState.h"

// A program folder with the skin "Test" and a clock face drawing into a
// 189-pixel control, as in the clock window.
class ClockFaceTest : public ::testing::Test {
  protected:
    static constexpr QRgb kWhite = 0xFFFFFFFF;

    ClockFaceTest() {
        state.programFolder = ProgramFolder(folder.root());
        state.settings = SettingsRecord::defaults();
        state.settings.setSkinFile(QStringLiteral("Test.skn"));
        state.skinName = QStringLiteral("Test");
        target.resize(ClockFace::kFaceSize, ClockFace::kFaceSize);
        face = std::make_unique<ClockFace>(state, platform, target);
    }

    void setTime(int h, int m, int s) { platform.clock.setTime(QTime(h, m, s)); }

    void writeAt(const QString& relative, const QByteArray& bytes, const QDateTime& modified) {
        folder.write(relative, bytes);
        QFile file(folder.path(relative));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        awaitNotice();
    }
    // Once the face watches its skin, an edit is read when the folder tells
    // of it; let that happen before the test's next tick.
    void awaitNotice() {
        if (!face->watchesSkin()) {
            return;
        }
        const int reads = face->descriptionReads() + face->bitmapReads();
        QDeadlineTimer deadline(2000);
        while (face->descriptionReads() + face->bitmapReads() == reads && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
    }
    // Files written long ago, whose stamps can be trusted at once; a negative
    // age gives a stamp that has not aged yet, as of a file saved just now.
    void writeOld(const QString& relative, const QByteArray& bytes, int secondsAgo = 3600) {
        writeAt(relative, bytes, QDateTime::currentDateTimeUtc().addSecs(-secondsAgo));
    }
    void writeDescriptionAt(const QByteArray& bytes, const QDateTime& modified) {
        writeAt(QStringLiteral("skins/Test.skn"), bytes, modified);
    }
    void writeDescription(const QByteArray& bytes, int secondsAgo = 3600) {
        writeOld(QStringLiteral("skins/Test.skn"), bytes, secondsAgo);
    }
    static QByteArray bmp(const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return bytes;
    }
    void writeBitmap(const QImage& image, int secondsAgo = 3600) {
        writeOld(QStringLiteral("skins/Test.bmp"), bmp(image), secondsAgo);
    }
    static QImage plain(int width, int height, QRgb colour = kWhite) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    // What the control paints, hands and all.
    QRgb shown(int x, int y) { return target.grab().toImage().pixel(x, y); }
    QRgb panel() const { return target.palette().color(QPalette::Window).rgb(); }

    TempFolder folder;
    FakePlatform platform;
    ClockState state;
    FaceView target;
    std::unique_ptr<ClockFace> face;
};
