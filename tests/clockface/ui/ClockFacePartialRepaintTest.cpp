#include <QBackingStore>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>

#include "ClockFaceFixture.h"

// Each second only where the hands were and are is painted again; what the
// window then holds must be what a paint of the whole face gives, at the
// screen's scale (run once more at QT_SCALE_FACTOR=2 by ctest).
namespace {

const QDir kSkins(QStringLiteral(CHRONIDEX_DATA_TREE "/skins"));

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

void runEventsUntil(const std::function<bool()>& done) {
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST_F(ClockFaceTest, PartialRepaintsMatchAFullOneForTheScreensScale) {
    for (const QString& suffix :
         {QStringLiteral(".skn"), QStringLiteral(".bmp"), QStringLiteral("@2x.bmp")}) {
        QFile supplied(kSkins.filePath(QStringLiteral("Classic") + suffix));
        ASSERT_TRUE(supplied.open(QIODevice::ReadOnly));
        // Saved long ago: the face trusts the files and reads them once.
        writeOld(QStringLiteral("skins/Test") + suffix, supplied.readAll());
    }
    platform.clock.setTime(QTime(11, 58, 59));
    face->drawClockFace();
    ASSERT_TRUE(face->showsSkin());
    PaintCounter counter;
    target.installEventFilter(&counter);
    target.show();
    runEventsUntil([&] { return counter.paints > 0; });
    // What the window's backing store holds, in device pixels: the first
    // paint of the whole face, then only the repainted pieces.
    QBackingStore* store = target.backingStore();
    ASSERT_NE(store, nullptr);
    auto inWindow = [&]() -> QImage {
        QPaintDevice* device = store->paintDevice();
        if (!device || device->devType() != QInternal::Image) {
            return {};
        }
        return rgb(*static_cast<QImage*>(device));
    };
    ASSERT_FALSE(inWindow().isNull());

    // Every second of a minute, the minute hand's steps, a new hour, and the
    // second hand passing over the others.
    QList<QTime> times;
    for (int s = 0; s < 60; ++s) {
        times << QTime(11, 59, s);
    }
    times << QTime(12, 0, 0) << QTime(12, 0, 1) << QTime(12, 1, 1) << QTime(3, 15, 29)
          << QTime(3, 15, 30) << QTime(3, 15, 31) << QTime(3, 16, 16) << QTime(21, 45, 44)
          << QTime(21, 45, 45);
    for (const QTime& time : times) {
        SCOPED_TRACE(time.toString().toStdString());
        counter.paints = 0;
        platform.clock.setTime(time);
        face->drawClockFace();
        // Every step moves the second hand: its repaint comes.
        runEventsUntil([&] { return counter.paints > 0; });
        ASSERT_GT(counter.paints, 0);
        const QImage shown = inWindow();
        const QImage whole = rgb(target.grab().toImage());
        ASSERT_EQ(shown.size(), whole.size());
        EXPECT_TRUE(shown == whole);
    }
}
