#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "TempFolder.h"
#include "settings/ScratchWriter.h"

// A disk that takes only part of a write, as a full one does (here a limit
// on the file's size, which cuts a write short the same way): the error
// names the system's reason for the rest, not "Unknown error", and the
// scratch file is gone.
TEST(ScratchWriterShortWrite, SaysWhyTheRestWasNotWritten) {
    const TempFolder folder;
    const QString scratchPath = folder.path(QStringLiteral("system/nappr.dat"));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{1000, saved.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ScratchWriter scratch(scratchPath);
    const Expected<void> opened = scratch.open();
    const Expected<void> wrote = scratch.write(QByteArray(168 * 20, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    ASSERT_TRUE(opened) << opened.error().toStdString();
    EXPECT_FALSE(wrote);
    EXPECT_EQ(wrote.error(), QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_FALSE(QFile::exists(scratchPath));
}
