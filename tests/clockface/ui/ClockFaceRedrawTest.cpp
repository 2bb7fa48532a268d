#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPaintEvent>

#include "ClockFaceFixture.h"

// The face is painted only when something it shows changed: the second, or
// the skin on disk.
namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QByteArray kRedBlueBlack("9\r\n12\r\n0\r\n94\r\n94\r\n85\r\n");

// Counts the control's paint events and the area they covered.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    QRegion painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// Delivers every repaint already asked for: updates are posted events, so
// once none is pending nothing more will be painted.
void settle() {
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void runEventsUntil(const std::function<bool()>& done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
}

}  // namespace

TEST_F(ClockFaceTest, PaintsOnceAtEachNewSecondAndOnlyWhereTheHandsMoved) {
    writeBitmap(plain(189, 189));
    writeDescription(kRedBlueBlack);
    platform.clock.setTime(QTime(12, 0, 0, 0));
    face->drawClockFace();
    PaintCounter counter;
    target.installEventFilter(&counter);
    target.show();
    runEventsUntil([&] { return counter.paints > 0; }, 5000);
    ASSERT_GT(counter.paints, 0);
    settle();
    counter.paints = 0;
    counter.painted = QRegion();

    // Ticks within the second change nothing on the face.
    for (int ms : {100, 400, 999}) {
        platform.clock.setTime(QTime(12, 0, 0, ms));
        face->drawClockFace();
        QCoreApplication::processEvents();
    }
    settle();
    EXPECT_EQ(counter.paints, 0);

    platform.clock.setTime(QTime(12, 0, 1, 0));
    face->drawClockFace();
    runEventsUntil([&] { return counter.paints > 0; }, 5000);
    settle();
    EXPECT_EQ(counter.paints, 1);
    // Where the second hand was and now is, not the whole face.
    EXPECT_TRUE(counter.painted.contains(QPoint(94, 19)));
    EXPECT_FALSE(counter.painted.contains(QPoint(5, 5)));
    EXPECT_FALSE(counter.painted.contains(QPoint(94, 170)));
    const HandPoint one = hands::end(Hand::Seconds, 1, HandGeometry{94, 94, 85});
    EXPECT_EQ(shown(int(one.x), int(one.y)), kRed);
    EXPECT_NE(shown(94, 19), kRed);
}

TEST_F(ClockFaceTest, ASkinEditedOnDiskShowsWithoutAnyTick) {
    writeBitmap(plain(189, 189));
    writeDescription(kRedBlueBlack);
    setTime(12, 0, 0);
    face->drawClockFace();
    ASSERT_TRUE(face->watchesSkin());
    ASSERT_EQ(shown(94, 19), kRed);

    // Saved as an editor does: truncated, then written, a while apart.
    QFile file(folder.path(QStringLiteral("skins/Test.skn")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.flush();
    runEventsUntil([] { return false; }, SkinFolderWatch::kQuietMs / 4);
    file.write("17\r\n12\r\n0\r\n100\r\n94\r\n85\r\n");
    file.close();

    // No drawClockFace() from here on: the folder's notice alone redraws.
    // The deadline is generous for a loaded machine; the notice waits only
    // for the files to be quiet, well within a tenth of a second.
    runEventsUntil([&] { return shown(100, 19) == qRgb(166, 202, 240); }, 2000);
    EXPECT_EQ(shown(100, 19), qRgb(166, 202, 240));
    EXPECT_EQ(face->descriptionReads(), 2);  // the half-saved file was never read
    EXPECT_TRUE(platform.errors.isEmpty());
}
