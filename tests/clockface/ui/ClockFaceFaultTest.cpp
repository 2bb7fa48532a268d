#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QPalette>

#include "ClockFaceFixture.h"

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QByteArray kGood("9\r\n12\r\n0\r\n94\r\n94\r\n85\r\n");

// Tells the error while ticks go on, as a message box's own loop lets them.
class TickingPlatform : public FakePlatform {
  public:
    void showError(const QString& text) override {
        FakePlatform::showError(text);
        if (face != nullptr && depth++ < 3) {
            face->drawClockFace();
        }
    }
    ClockFace* face = nullptr;
    int depth = 0;
};

}  // namespace

TEST_F(ClockFaceTest, AMissingBitmapGivesThePlainFaceAndIsToldOnce) {
    writeDescription(kGood);
    setTime(12, 0, 0);
    for (int i = 0; i < 5; ++i) {
        face->drawClockFace();
    }
    EXPECT_FALSE(face->showsSkin());
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("Test.bmp")));
    EXPECT_FALSE(platform.errors[0].contains(QStringLiteral("Test.skn")));

    // A light disc on the panel colour, the control's size, default hands:
    // black seconds and minutes, a red hour hand on top.
    EXPECT_EQ(target.picture().size(), QSize(189, 189));
    EXPECT_EQ(shown(0, 0), panel());
    EXPECT_EQ(face->faceCornerColour(), panel());
    EXPECT_NE(shown(94, 140), panel());
    EXPECT_EQ(shown(94, 60), kRed);
    EXPECT_EQ(shown(94, 22), kBlack);
}

TEST_F(ClockFaceTest, ABadDescriptionIsToldOnceEvenWhileReadAgain) {
    // Fresh files are read at every tick until their stamps have aged; that
    // alone must not tell the fault again.
    writeBitmap(plain(150, 120, qRgb(0, 128, 0)), -30);
    writeDescription("9\r\n12\r\n0\r\n9x4\r\n94\r\n85\r\n", -30);
    for (int i = 0; i < 5; ++i) {
        face->drawClockFace();
    }
    EXPECT_GE(face->descriptionReads(), 5);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("Test.skn")));
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("строка 4")));
    EXPECT_FALSE(face->showsSkin());
    // The plain face takes the picture's size, its hands that size's middle.
    EXPECT_EQ(target.picture().size(), QSize(150, 120));
    EXPECT_EQ(shown(0, 0), panel());
}

TEST_F(ClockFaceTest, AnUnknownColourIsTold) {
    writeBitmap(plain(189, 189));
    writeDescription("9\r\n0\r\n19\r\n94\r\n94\r\n85\r\n");
    face->drawClockFace();
    face->drawClockFace();
    EXPECT_FALSE(face->showsSkin());
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("строка 3")));
    EXPECT_EQ(shown(0, 0), panel());
}

TEST_F(ClockFaceTest, TellsAgainOnlyWhenTheFileChangedAndIsBadAnew) {
    writeBitmap(plain(189, 189));
    writeDescription("9\r\n0\r\n19\r\n94\r\n94\r\n85\r\n", 5000);
    face->drawClockFace();
    face->drawClockFace();
    EXPECT_EQ(platform.errors.size(), 1);

    writeDescription("9\r\n0\r\n4\r\n94\r\n94\r\nR\r\n", 4000);  // edited, still bad
    face->drawClockFace();
    face->drawClockFace();
    ASSERT_EQ(platform.errors.size(), 2);
    EXPECT_TRUE(platform.errors[1].contains(QStringLiteral("строка 6")));

    writeDescription(kGood, 3000);  // mended
    face->drawClockFace();
    EXPECT_TRUE(face->showsSkin());

    QFile::remove(folder.path(QStringLiteral("skins/Test.skn")));  // bad again
    awaitNotice();
    face->drawClockFace();
    face->drawClockFace();
    EXPECT_FALSE(face->showsSkin());
    ASSERT_EQ(platform.errors.size(), 3);
    EXPECT_TRUE(platform.errors[2].contains(QStringLiteral("файла нет")));
    // A change to the good bitmap does not tell the description's fault again.
    writeBitmap(plain(189, 189, kRed), 2000);
    face->drawClockFace();
    EXPECT_EQ(platform.errors.size(), 3);
}

TEST_F(ClockFaceTest, BothFilesBadAreToldInOneMessage) {
    face->drawClockFace();
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("Test.skn")));
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("Test.bmp")));
}

TEST_F(ClockFaceTest, DamagedBitmapsGiveThePlainFace) {
    writeDescription(kGood);
    for (const char* name :
         {"truncated.bmp", "not_a_bitmap.bmp", "huge_dimensions.bmp", "random_bytes.skn"}) {
        SCOPED_TRACE(name);
        QFile::remove(folder.path(QStringLiteral("skins/Test.bmp")));
        ASSERT_TRUE(QFile::copy(testData(QStringLiteral("clockface/") + QLatin1String(name)),
                                folder.path(QStringLiteral("skins/Test.bmp"))));
        face->forgetSkinFiles();
        face->drawClockFace();
        EXPECT_FALSE(face->showsSkin());
        EXPECT_FALSE(target.picture().isNull());
    }
    writeOld(QStringLiteral("skins/Test.bmp"), QByteArray());
    face->drawClockFace();
    EXPECT_FALSE(face->showsSkin());
    // Each new fault of the bitmap was told, the cut-off one as such.
    ASSERT_EQ(platform.errors.size(), 5);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("обрезан")));
    // A pipe is refused, not read: the reader would wait for a writer.
    QFile::remove(folder.path(QStringLiteral("skins/Test.bmp")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path(QStringLiteral("skins/Test.bmp"))), 0600), 0);
    face->forgetSkinFiles();
    face->drawClockFace();
    EXPECT_FALSE(face->showsSkin());
    EXPECT_EQ(platform.errors.size(), 6);
}

TEST_F(ClockFaceTest, TheSuppliedSkinsShowWithoutComplaint) {
    const QDir skins(QStringLiteral(CHRONIDEX_DATA_TREE "/skins"));
    const QStringList descriptions = skins.entryList({QStringLiteral("*.skn")});
    ASSERT_FALSE(descriptions.isEmpty());
    for (const QString& name : descriptions) {
        SCOPED_TRACE(name.toStdString());
        TempFolder install;
        const QString base = name.chopped(4);
        for (const QString& file : {name, base + QStringLiteral(".bmp")}) {
            ASSERT_TRUE(
                QFile::copy(skins.filePath(file), install.path(QStringLiteral("skins/") + file)));
        }
        ClockState skinState = state;
        skinState.programFolder = ProgramFolder(install.root());
        skinState.settings.setSkinFile(name);
        skinState.skinName = base;
        ClockFace skinFace(skinState, platform, target);
        skinFace.drawClockFace();
        EXPECT_TRUE(skinFace.showsSkin());
        const QImage bitmap(skins.filePath(base + QStringLiteral(".bmp")));
        EXPECT_EQ(skinFace.faceCornerColour(), bitmap.pixel(0, 0));
    }
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ClockFaceTest, AnEmptySkinNameIsToldNotFollowed) {
    state.settings.setSkinFile(QString());
    state.skinName.clear();
    face->drawClockFace();
    EXPECT_FALSE(face->showsSkin());
    EXPECT_EQ(platform.errors.size(), 1);
}

TEST_F(ClockFaceTest, TicksDuringTheErrorBoxDoNotTellAgain) {
    TickingPlatform ticking;
    ClockFace reentered(state, ticking, target);
    ticking.face = &reentered;
    reentered.drawClockFace();
    EXPECT_EQ(ticking.errors.size(), 1);
    EXPECT_FALSE(target.picture().isNull());
}
