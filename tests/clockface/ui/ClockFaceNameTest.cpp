#include <QDir>

#include "ClockFaceFixture.h"

namespace {

const QByteArray kGood("9\r\n12\r\n0\r\n94\r\n94\r\n85\r\n");

}  // namespace

// A usable skin waits where each name would lead; none of them may be read.
TEST_F(ClockFaceTest, ASkinNameThatLeavesTheSkinsFolderGivesThePlainFaceAndOneMessage) {
    ASSERT_TRUE(QDir(folder.root()).mkpath(QStringLiteral("skins/sub")));
    for (const QString& dir : {QStringLiteral("skins/sub/"), QStringLiteral("")}) {
        writeOld(dir + QStringLiteral("Test.skn"), kGood);
        writeOld(dir + QStringLiteral("Test.bmp"), bmp(plain(150, 120)));
    }
    for (const QString& name : {QStringLiteral("sub/Test"), QStringLiteral("sub\\Test"),
                                QStringLiteral("../Test"), QStringLiteral("..")}) {
        SCOPED_TRACE(name.toStdString());
        platform.errors.clear();
        state.settings.setSkinFile(name + QStringLiteral(".skn"));
        state.skinName = name;
        face = std::make_unique<ClockFace>(state, platform, target);
        for (int i = 0; i < 3; ++i) {
            face->drawClockFace();
        }
        EXPECT_FALSE(face->showsSkin());
        EXPECT_EQ(face->descriptionReads(), 0);
        EXPECT_EQ(face->bitmapReads(), 0);
        ASSERT_EQ(platform.errors.size(), 1);
        EXPECT_TRUE(platform.errors[0].contains(name + QStringLiteral(".skn")));
        EXPECT_EQ(target.picture().size(), QSize(189, 189));
    }
}

TEST_F(ClockFaceTest, TheMessageNamesTheMissingSkinsFolderOneWay) {
    face->drawClockFace();
    ASSERT_EQ(platform.errors.size(), 1);
    const QString& text = platform.errors[0];
    EXPECT_TRUE(
        text.contains(QDir::toNativeSeparators(folder.path(QStringLiteral("skins/Test.skn")))));
    EXPECT_TRUE(
        text.contains(QDir::toNativeSeparators(folder.path(QStringLiteral("skins/Test.bmp")))));
    EXPECT_FALSE(text.contains(QStringLiteral("Skins")));
}
