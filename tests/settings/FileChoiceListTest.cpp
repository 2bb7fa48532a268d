#include <gtest/gtest.h>

#include <QDir>

#include "TempFolder.h"
#include "settings/FileChoiceList.h"

namespace {

class FileChoices : public ::testing::Test {
  protected:
    void touch(const QString& name) { folder.write(QStringLiteral("lang/") + name, "x"); }
    QString lang() const { return folder.path(QStringLiteral("lang")); }
    TempFolder folder;
    FileChoiceList list{QStringLiteral(".lng")};
};

}  // namespace

TEST_F(FileChoices, OffersMatchingFilesOnlySortedWithoutRegardToCase) {
    for (const char* name : {"b.lng", "A.LNG", "c.Lng", "Zulu.lng", "Русский.lng", "notes.txt",
                             "old.lngx", "English.lng.bak", "lng", ".hidden.lng"}) {
        touch(QString::fromUtf8(name));
    }
    // A folder is no language, whatever its name.
    QDir(lang()).mkdir(QStringLiteral("x.lng"));

    ASSERT_TRUE(list.setFolder(lang()));
    EXPECT_EQ(list.fileNames(),
              QStringList({"A.LNG", "b.lng", "c.Lng", "Zulu.lng", QStringLiteral("Русский.lng")}));
    // One letter before the extension stays one letter.
    EXPECT_EQ(list.visibleNames(), QStringList({"A", "b", "c", "Zulu", QStringLiteral("Русский")}));
}

TEST_F(FileChoices, NamesDifferingOnlyInCaseKeepAFixedOrder) {
    touch(QStringLiteral("b.lng"));
    touch(QStringLiteral("B.lng"));
    touch(QStringLiteral("a.lng"));
    ASSERT_TRUE(list.setFolder(lang()));
    EXPECT_EQ(list.fileNames(), QStringList({"a.lng", "B.lng", "b.lng"}));
}

TEST_F(FileChoices, ReadsAFolderOnlyWhenItDiffersFromTheOneReadLast) {
    touch(QStringLiteral("English.lng"));
    ASSERT_TRUE(list.setFolder(lang()));
    touch(QStringLiteral("French.lng"));
    ASSERT_TRUE(list.setFolder(lang()));
    EXPECT_EQ(list.fileNames(), QStringList({"English.lng"}));

    ASSERT_TRUE(list.setFolder(folder.path(QStringLiteral("skins"))));
    EXPECT_TRUE(list.fileNames().isEmpty());
    ASSERT_TRUE(list.setFolder(lang()));
    EXPECT_EQ(list.fileNames(), QStringList({"English.lng", "French.lng"}));
}

TEST_F(FileChoices, AMissingFolderFailsEmptyAndIsTriedAgain) {
    touch(QStringLiteral("English.lng"));
    ASSERT_TRUE(list.setFolder(lang()));
    const QString missing = folder.path(QStringLiteral("nowhere"));
    const Expected<void> read = list.setFolder(missing);
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.error().isEmpty());
    EXPECT_TRUE(list.fileNames().isEmpty());

    QDir().mkpath(missing);
    folder.write(QStringLiteral("nowhere/Late.lng"), "x");
    EXPECT_TRUE(list.setFolder(missing));
    EXPECT_EQ(list.fileNames(), QStringList({"Late.lng"}));
}

TEST(FileChoiceName, DropsTheLastFourCharacters) {
    EXPECT_EQ(FileChoiceList::visibleName(QStringLiteral("French.lng")), QStringLiteral("French"));
    EXPECT_EQ(FileChoiceList::visibleName(QStringLiteral("x.skn")), QStringLiteral("x"));
    EXPECT_EQ(FileChoiceList::visibleName(QStringLiteral("abc")), QString());
}
