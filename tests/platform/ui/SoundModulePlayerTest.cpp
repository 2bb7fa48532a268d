#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "platform/linux/SoundModulePlayer.h"

namespace {

// Counts the end notices; false when none came within the time.
bool endToldWithin(const int& told, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (told == 0 && waited.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return told > 0;
}

}  // namespace

TEST(SoundModulePlayer, WithoutTheModuleItStaysSilentAndTellsTheEndFromTheEventLoop) {
    QTemporaryDir empty;
    SoundModulePlayer player(empty.path());
    int told = 0;
    EXPECT_TRUE(player.setEndHandler([&] { ++told; }));
    player.setFileName(QStringLiteral(CHRONIDEX_TEST_DATA "/no-such.wav"));
    EXPECT_FALSE(player.open());
    EXPECT_FALSE(player.play());
    EXPECT_EQ(told, 0);  // never from within the player's own calls
    EXPECT_TRUE(player.atEnd());
    EXPECT_TRUE(endToldWithin(told, 2000));
    player.stop();
    player.close();
    EXPECT_TRUE(player.atEnd());
}

// The module found and its player made: the build's module, whose player
// turns down a file that is not there before it ever asks for a device.
TEST(SoundModulePlayer, TheBuiltModuleIsLoadedAndGetsTheEndHandlerGivenBefore) {
    SoundModulePlayer player(QStringLiteral(CHRONIDEX_SOUND_MODULE_FOLDER));
    int told = 0;
    player.setEndHandler([&] { ++told; });
    player.setFileName(QStringLiteral(CHRONIDEX_TEST_DATA "/no-such.wav"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(player.open());
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(warnings.find("No sound"), std::string::npos) << warnings;
    EXPECT_TRUE(player.atEnd());
    EXPECT_TRUE(endToldWithin(told, 2000));
}
