#include <QDir>
#include <QPainter>

#include "ClockFaceFixture.h"
#include "clockface/ui/FaceTiles.h"

// The pixels the ticker's thread puts into the window, second by second,
// must leave there what Qt paints of the whole face at that time, at the
// screen's scale (run once more at QT_SCALE_FACTOR=2 by ctest).
namespace {

const QDir kSkins(QStringLiteral(CHRONIDEX_DATA_TREE "/skins"));

QImage rgb(const QImage& image) {
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    converted.setDevicePixelRatio(1);
    return converted;
}

struct TilesRow {
    const char* name;
    const char* skin;  // a supplied skin, or none for the plain face
};

}  // namespace

TEST_F(ClockFaceTest, TickerTilesLeaveWhatAWholePaintGivesForTheScreensScale) {
    const TilesRow rows[] = {
        {"supplied skin", "Classic"},
        {"plain face, no skin files", nullptr},
    };
    for (const TilesRow& row : rows) {
        SCOPED_TRACE(row.name);
        for (const QString& suffix :
             {QStringLiteral(".skn"), QStringLiteral(".bmp"), QStringLiteral("@2x.bmp")}) {
            QFile::remove(folder.path(QStringLiteral("skins/Test") + suffix));
            if (row.skin) {
                QFile supplied(kSkins.filePath(QLatin1String(row.skin) + suffix));
                ASSERT_TRUE(supplied.open(QIODevice::ReadOnly));
                writeOld(QStringLiteral("skins/Test") + suffix, supplied.readAll());
            }
        }
        face->forgetSkinFiles();
        platform.clock.setTime(QTime(10, 59, 58));
        face->drawClockFace();
        ASSERT_EQ(face->showsSkin(), row.skin != nullptr);

        // The window as Qt left it, then only what the ticker puts there.
        QImage window = rgb(target.grab().toImage());
        FaceTiles tiles(target.composer(), face->handGeometry(), face->handColours(), QPoint(0, 0));
        const WindowTicker::Put put = [&window](const QRect& area, const uchar* pixels,
                                                qsizetype bytesPerLine) {
            const QImage piece(pixels, area.width(), area.height(), bytesPerLine,
                               QImage::Format_RGB32);
            QPainter painter(&window);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(area.topLeft(), piece);
        };
        // A new minute and hour, the second hand over the others, a clock set
        // back, and a second that moves nothing.
        QList<QTime> times;
        for (int s = 59; s < 62; ++s) {
            times << QTime(10, 59, 0).addSecs(s);
        }
        times << QTime(11, 0, 2) << QTime(3, 15, 14) << QTime(3, 15, 15) << QTime(3, 15, 16)
              << QTime(21, 45, 44) << QTime(21, 45, 45) << QTime(9, 0, 0);
        for (int s = 1; s < 60; ++s) {
            times << QTime(9, 0, s);
        }
        for (const QTime& time : times) {
            SCOPED_TRACE(time.toString().toStdString());
            tiles(time, put);
            platform.clock.setTime(time);
            face->drawClockFace();
            ASSERT_TRUE(window == rgb(target.grab().toImage()));
        }
    }
}
