#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/LocalInstanceMarker.h"

namespace {

class InstanceMarkerTest : public ::testing::Test {
  protected:
    void SetUp() override { qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit()); }
    void TearDown() override { qunsetenv("XDG_RUNTIME_DIR"); }

    static void spinUntil(const std::function<bool()>& done, int limitMs = 5000) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }

    QTemporaryDir runtime;
};

}  // namespace

TEST_F(InstanceMarkerTest, SecondStartSeesTheFirstAndAsksItToComeForward) {
    LocalInstanceMarker first;
    EXPECT_EQ(first.socketPath(), runtime.path() + QStringLiteral("/chronidexname"));
    bool raised = false;
    first.setRaiseHandler([&] { raised = true; });
    ASSERT_FALSE(first.anotherInstanceRuns());
    EXPECT_TRUE(first.holding());

    LocalInstanceMarker second;
    EXPECT_TRUE(second.anotherInstanceRuns());
    EXPECT_FALSE(second.holding());
    spinUntil([&] { return raised; });
    EXPECT_TRUE(raised);
}

TEST_F(InstanceMarkerTest, AMarkerLeftByAKilledInstanceNeverBlocksAStart) {
    // What a killed process leaves: the socket file with nobody listening.
    {
        QLocalServer dead;
        dead.listen(runtime.path() + QStringLiteral("/chronidexname"));
    }
    QFile leftover(runtime.path() + QStringLiteral("/chronidexname"));
    if (!leftover.exists()) {
        leftover.open(QIODevice::WriteOnly);
        leftover.close();
    }
    LocalInstanceMarker marker;
    EXPECT_FALSE(marker.anotherInstanceRuns());
    EXPECT_TRUE(marker.holding());
}

TEST_F(InstanceMarkerTest, ARestartedInstanceTakesTheMarkerOnceTheOldOneLetsGo) {
    auto old = std::make_unique<LocalInstanceMarker>();
    ASSERT_FALSE(old->anotherInstanceRuns());
    LocalInstanceMarker restarted;
    restarted.takeOverWhenFree();
    EXPECT_FALSE(restarted.holding());
    old.reset();  // the old instance ends
    spinUntil([&] { return restarted.holding(); });
    EXPECT_TRUE(restarted.holding());
    // From now on a further start is refused.
    LocalInstanceMarker later;
    EXPECT_TRUE(later.anotherInstanceRuns());
}

TEST_F(InstanceMarkerTest, AReloadRequestReachesTheHolderAndNeverTakesAFreeMarker) {
    LocalInstanceMarker command;
    EXPECT_FALSE(command.askReload(QStringLiteral("reminders")));  // no clock runs
    EXPECT_FALSE(command.holding());

    LocalInstanceMarker clock;
    QStringList asked;
    bool raised = false;
    clock.setReloadHandler([&](const QString& schedule) { asked << schedule; });
    clock.setRaiseHandler([&] { raised = true; });
    ASSERT_FALSE(clock.anotherInstanceRuns());
    EXPECT_TRUE(command.askReload(QStringLiteral("launches")));
    EXPECT_TRUE(command.askReload(QStringLiteral("reminders")));
    spinUntil([&] { return asked.size() == 2; });
    EXPECT_EQ(asked, (QStringList{"launches", "reminders"}));
    EXPECT_FALSE(raised);  // a reload does not bring the clock forward
    EXPECT_FALSE(command.holding());
}

TEST_F(InstanceMarkerTest, OnlyTheUserReachesTheMarkerAndItGoesWithItsHolder) {
    QString path;
    {
        LocalInstanceMarker clock;
        ASSERT_FALSE(clock.anotherInstanceRuns());
        path = clock.socketPath();
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        EXPECT_EQ(QFile::permissions(path) & others, QFile::Permissions());
        EXPECT_EQ(QDir(runtime.path()).entryList(QDir::System | QDir::Files),
                  QStringList{QStringLiteral("chronidexname")});  // no scratch name left
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(InstanceMarkerTest, LinesArriveWholeHoweverThePeerSplitsThem) {
    LocalInstanceMarker clock;
    QStringList asked;
    int raised = 0;
    clock.setReloadHandler([&](const QString& schedule) { asked << schedule; });
    clock.setRaiseHandler([&] { ++raised; });
    ASSERT_FALSE(clock.anotherInstanceRuns());

    QLocalSocket peer;
    peer.connectToServer(clock.socketPath());
    ASSERT_TRUE(peer.waitForConnected(1000));
    for (const char* piece : {"reload rem", "inders\nrai", "se\n  reload launches  \nhello\n"}) {
        peer.write(piece);
        peer.waitForBytesWritten(1000);
        spinUntil([&] { return false; }, 50);
    }
    peer.write("raise");  // never ended: not a line
    peer.waitForBytesWritten(1000);
    peer.disconnectFromServer();
    spinUntil([&] { return asked.size() == 2 && raised == 1; });
    spinUntil([&] { return false; }, 100);
    EXPECT_EQ(asked, (QStringList{"reminders", "launches"}));
    EXPECT_EQ(raised, 1);
}
