#include <gtest/gtest.h>

#include <QFile>

#include "TempFolder.h"
#include "clockface/FileChangeWatch.h"

namespace {

void setModified(const QString& path, const QDateTime& when) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

}  // namespace

TEST(FileChangeWatch, ReadsAgainOnlyAfterAChange) {
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("skins/a.skn"));
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
    FileChangeWatch watch;

    EXPECT_TRUE(watch.needsReading(path));  // missing: read once, to learn that
    EXPECT_FALSE(watch.needsReading(path));

    folder.write(QStringLiteral("skins/a.skn"), "1\r\n");
    setModified(path, old);
    EXPECT_TRUE(watch.needsReading(path));
    EXPECT_TRUE(watch.stamp().exists);
    EXPECT_FALSE(watch.needsReading(path));

    // Same size, other time.
    folder.write(QStringLiteral("skins/a.skn"), "2\r\n");
    setModified(path, old.addSecs(1));
    EXPECT_TRUE(watch.needsReading(path));
    EXPECT_FALSE(watch.needsReading(path));

    // Same time, other size.
    folder.write(QStringLiteral("skins/a.skn"), "12\r\n");
    setModified(path, old.addSecs(1));
    EXPECT_TRUE(watch.needsReading(path));

    QFile::remove(path);
    EXPECT_TRUE(watch.needsReading(path));
    EXPECT_FALSE(watch.stamp().exists);
    EXPECT_FALSE(watch.needsReading(path));

    watch.forget();
    EXPECT_TRUE(watch.needsReading(path));
    EXPECT_TRUE(watch.needsReading(folder.path(QStringLiteral("skins/b.skn"))));
}

TEST(FileChangeWatch, KeepsReadingAFileUntilItsStampHasAged) {
    // An edit within the file system's time resolution leaves size and time
    // alike; only a stamp old enough at reading proves the reading current.
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("skins/a.skn"));
    folder.write(QStringLiteral("skins/a.skn"), "1\r\n");
    const QDateTime modified = QDateTime::currentDateTimeUtc().addSecs(-100);
    setModified(path, modified);

    FileChangeWatch watch;
    EXPECT_TRUE(watch.needsReading(path, modified.addMSecs(500)));
    EXPECT_TRUE(watch.needsReading(path, modified.addMSecs(1500)));
    EXPECT_TRUE(watch.needsReading(path, modified.addMSecs(FileChangeWatch::kSettleMs + 1)));
    EXPECT_FALSE(watch.needsReading(path, modified.addMSecs(FileChangeWatch::kSettleMs + 2)));
    // A stamp in the future never settles.
    FileChangeWatch early;
    EXPECT_TRUE(early.needsReading(path, modified.addSecs(-10)));
    EXPECT_TRUE(early.needsReading(path, modified.addSecs(-10)));
}
