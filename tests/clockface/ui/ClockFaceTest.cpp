#include <QPalette>

#include "ClockFaceFixture.h"
#include "clockface/ClockHands.h"

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kSkyBlue = qRgb(166, 202, 240);

// Red seconds, blue minutes, black hours around the supplied skins' centre.
const QByteArray kRedBlueBlack("9\r\n12\r\n0\r\n94\r\n94\r\n85\r\n");

}  // namespace

TEST_F(ClockFaceTest, DrawsTheHandsToTheirEndPoints) {
    writeBitmap(plain(189, 189));
    writeDescription(kRedBlueBlack);

    setTime(12, 0, 0);
    face->drawClockFace();
    ASSERT_TRUE(face->showsSkin());
    EXPECT_EQ(shown(94, 19), kRed);  // seconds end, 75 up
    EXPECT_EQ(shown(94, 16), kWhite);
    EXPECT_EQ(shown(94, 29), kBlue);   // minutes end, 65 up
    EXPECT_EQ(shown(94, 39), kBlack);  // hours end, 55 up
    EXPECT_EQ(shown(94, 60), kBlack);  // the hour hand lies on top
    EXPECT_EQ(shown(94, 100), kWhite);

    setTime(3, 15, 30);
    face->drawClockFace();
    EXPECT_EQ(shown(94, 169), kRed);  // down
    EXPECT_EQ(shown(94, 172), kWhite);
    EXPECT_EQ(shown(159, 94), kBlue);  // right
    EXPECT_EQ(shown(162, 94), kWhite);
    EXPECT_EQ(shown(149, 94), kBlack);  // right, under the minute hand's end
    EXPECT_EQ(shown(153, 94), kBlue);
    // The previous frame's hands are gone: each frame starts from the bitmap.
    EXPECT_EQ(shown(94, 30), kWhite);

    // What the control shows is that frame, at the top left.
    QImage out(target.size(), QImage::Format_RGB32);
    target.render(&out);
    EXPECT_EQ(out.pixel(94, 169), kRed);
    EXPECT_EQ(out.pixel(0, 0), kWhite);
}

TEST_F(ClockFaceTest, DrawsAShortHourHandThroughTheCentreAsComputed) {
    writeBitmap(plain(189, 189));
    writeDescription("9\r\n12\r\n0\r\n94\r\n94\r\n25\r\n");  // hour hand -5 long
    setTime(12, 0, 0);
    face->drawClockFace();
    EXPECT_EQ(shown(94, 99), kBlack);
    EXPECT_EQ(shown(94, 103), kWhite);
}

TEST_F(ClockFaceTest, HandsAreDrawnInTheBitmapsOwnCoordinates) {
    // Larger than the control: cut off, hands still placed in its pixels.
    writeBitmap(plain(300, 260, qRgb(10, 20, 30)));
    writeDescription("17\r\n17\r\n17\r\n150\r\n150\r\n140\r\n");
    setTime(0, 0, 0);
    face->drawClockFace();
    EXPECT_EQ(target.picture().size(), QSize(189, 189));
    EXPECT_EQ(shown(150, 20), kSkyBlue);  // seconds end, 130 up
    EXPECT_EQ(shown(150, 17), qRgb(10, 20, 30));

    // Smaller: the frame keeps the picture's size.
    writeBitmap(plain(120, 100), 7200);
    writeDescription("9\r\n9\r\n9\r\n60\r\n50\r\n40\r\n", 7200);
    face->drawClockFace();
    EXPECT_EQ(target.picture().size(), QSize(120, 100));
    EXPECT_EQ(shown(60, 20), kRed);
}

TEST_F(ClockFaceTest, AnEditedDescriptionShowsAtTheNextTick) {
    writeBitmap(plain(189, 189));
    writeDescription(kRedBlueBlack);
    setTime(12, 0, 0);
    face->drawClockFace();
    EXPECT_EQ(shown(94, 19), kRed);

    // Other colours and another centre, saved a minute later.
    writeDescription("17\r\n12\r\n0\r\n100\r\n94\r\n85\r\n", 3540);
    face->drawClockFace();
    EXPECT_EQ(shown(100, 19), kSkyBlue);
    EXPECT_EQ(shown(94, 19), kWhite);

    // Two edits of the same size under one stamp, the first read in between,
    // as when saved twice within the file system's time resolution. The
    // stamp lies a little ahead, so it has not aged when read however slowly
    // this runs.
    const QDateTime justNow = QDateTime::currentDateTimeUtc().addSecs(30);
    writeDescriptionAt("17\r\n12\r\n0\r\n100\r\n94\r\n85\r\n", justNow);
    face->drawClockFace();
    writeDescriptionAt("11\r\n12\r\n0\r\n100\r\n94\r\n85\r\n", justNow);
    face->drawClockFace();
    EXPECT_EQ(shown(100, 19), qRgb(255, 255, 0));

    // The bitmap too.
    writeBitmap(plain(189, 189, qRgb(0, 128, 0)), 60);
    face->drawClockFace();
    EXPECT_EQ(shown(5, 5), qRgb(0, 128, 0));
}

TEST_F(ClockFaceTest, AnUnchangedSkinIsNotReadAgain) {
    writeBitmap(plain(189, 189));
    writeDescription(kRedBlueBlack);
    for (int s = 0; s < 10; ++s) {
        setTime(12, 0, s);
        face->drawClockFace();
    }
    EXPECT_EQ(face->descriptionReads(), 1);
    EXPECT_EQ(face->bitmapReads(), 1);
    // Yet the hands move.
    const HandPoint nine = hands::end(Hand::Seconds, 9, HandGeometry{94, 94, 85});
    EXPECT_EQ(shown(int(nine.x), int(nine.y)), kRed);
    EXPECT_EQ(shown(94, 19), kWhite);

    face->forgetSkinFiles();
    face->drawClockFace();
    EXPECT_EQ(face->descriptionReads(), 2);
    EXPECT_EQ(face->bitmapReads(), 2);
}

TEST_F(ClockFaceTest, FindsTheSkinFolderUnderAnyCase) {
    // The description is named with "\Skins\", the bitmap with "\skins\".
    QDir(folder.root()).rename(QStringLiteral("skins"), QStringLiteral("SKINS"));
    folder.write(QStringLiteral("SKINS/Test.skn"), kRedBlueBlack);
    folder.write(QStringLiteral("SKINS/Test.bmp"), bmp(plain(189, 189)));
    face->drawClockFace();
    EXPECT_TRUE(face->showsSkin());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(ClockFaceTest, GivesTheFaceBitmapsCornerColour) {
    QImage picture = plain(189, 189);
    picture.setPixel(0, 0, qRgb(12, 34, 56));
    writeBitmap(picture);
    writeDescription(kRedBlueBlack);
    face->drawClockFace();
    EXPECT_EQ(face->faceCornerColour(), qRgb(12, 34, 56));

    // A bad description leaves the bitmap's colour to the calendar.
    writeDescription("x\r\n", 60);
    face->drawClockFace();
    EXPECT_FALSE(face->showsSkin());
    EXPECT_EQ(face->faceCornerColour(), qRgb(12, 34, 56));
}
