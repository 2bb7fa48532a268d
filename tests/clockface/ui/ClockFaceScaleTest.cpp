#include <QDir>
#include <QPainter>

#include "ClockFaceFixture.h"
#include "autohide/ui/PullTabWindow.h"

// The supplied skins carry pictures at twice the size for screens of two
// device pixels to a logical one. Run at the screen's scale (once more at
// QT_SCALE_FACTOR=2 by ctest), each window must draw the picture made for it
// pixel for pixel: the sharp one at scale 2, the plain one as before at 1.
namespace {

const QDir kSkins(QStringLiteral(CHRONIDEX_DATA_TREE "/skins"));

qreal screenScale() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

// The picture the window should show: "<name>@2x.bmp" at scale 2.
QImage expected(const QString& name) {
    const QString file = screenScale() > 1 ? name + QStringLiteral("@2x.bmp") : name + ".bmp";
    return QImage(kSkins.filePath(file)).convertToFormat(QImage::Format_RGB32);
}

QImage grabbed(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of `area` (device pixels) where the two images differ.
int differences(const QImage& a, const QImage& b, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return n;
}

}  // namespace

TEST_F(ClockFaceTest, FaceAndTabDrawThePictureMadeForTheScreensScale) {
    ASSERT_EQ(target.devicePixelRatioF(), screenScale());
    const int scale = int(screenScale());
    for (const QString& skin : {QStringLiteral("Classic"), QStringLiteral("Night")}) {
        SCOPED_TRACE(skin.toStdString());
        TempFolder install;
        for (const QString& suffix :
             {QStringLiteral(".skn"), QStringLiteral(".bmp"), QStringLiteral("@2x.bmp"),
              QStringLiteral("kno.bmp"), QStringLiteral("kno@2x.bmp")}) {
            ASSERT_TRUE(QFile::copy(kSkins.filePath(skin + suffix),
                                    install.path(QStringLiteral("skins/") + skin + suffix)));
        }
        ClockState skinState = state;
        skinState.programFolder = ProgramFolder(install.root());
        skinState.settings.setSkinFile(skin + QStringLiteral(".skn"));
        skinState.skinName = skin;
        ClockFace skinFace(skinState, platform, target);
        platform.clock.setTime(QTime(0, 0, 0));  // every hand points up
        skinFace.drawClockFace();
        ASSERT_TRUE(skinFace.showsSkin());

        const QImage face = grabbed(target);
        const QImage picture = expected(skin);
        ASSERT_EQ(face.size(), picture.size());
        // Below the centre, away from the hands.
        const QRect lower(0, face.height() / 2 + 8 * scale, face.width(),
                          face.height() / 2 - 8 * scale);
        EXPECT_EQ(differences(face, picture, lower), 0);

        PullTabWindow tab(skinState);
        tab.setPicture(TabPicture::Away, install.path(QStringLiteral("skins/") + skin + "kno.bmp"));
        EXPECT_EQ(tab.size(), QSize(14, 40));
        const QImage tabPicture = expected(skin + QStringLiteral("kno"));
        const QImage drawn = grabbed(tab);
        ASSERT_EQ(drawn.size(), tabPicture.size());
        EXPECT_EQ(differences(drawn, tabPicture, drawn.rect()), 0);
    }
}
