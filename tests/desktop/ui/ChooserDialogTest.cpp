#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "DesktopFixture.h"
#include "desktop/ui/SkinChooser.h"
#include "locale/ui/LanguageChooser.h"

namespace {

// Both choosers work alike; the cases run on each with its folder, section
// and settings field.
struct ChooserKind {
    const char* name;
    const char* folder;
    const char* extension;
    const char* caption;
    const char* cancel;
    const char* builtInCaption;
    std::unique_ptr<ChooserDialog> (*make)(DialogContext);
    QString (*field)(const SettingsRecord&);
    int helpTopic;
};

const ChooserKind kLanguageChooser{"language",
                                   "lang",
                                   ".lng",
                                   "Choose language",
                                   "Cancel",
                                   "Выбор языка",
                                   [](DialogContext c) -> std::unique_ptr<ChooserDialog> {
                                       return std::make_unique<LanguageChooser>(c);
                                   },
                                   [](const SettingsRecord& r) { return r.langFile(); },
                                   1};
const ChooserKind kSkinChooser{"skin",
                               "skins",
                               ".skn",
                               "Skins",
                               "Close",
                               "Обложки",
                               [](DialogContext c) -> std::unique_ptr<ChooserDialog> {
                                   return std::make_unique<SkinChooser>(c);
                               },
                               [](const SettingsRecord& r) { return r.skinFile(); },
                               2};

class Chooser : public DesktopFixture, public ::testing::WithParamInterface<const ChooserKind*> {
  protected:
    Chooser() {
        for (const char* name : {"English", "French", "x"}) {
            offer(QString::fromLatin1(name));
        }
        dialog = kind().make(context);
    }
    const ChooserKind& kind() const { return *GetParam(); }
    QString fileName(const QString& base) const {
        return base + QString::fromLatin1(kind().extension);
    }
    void offer(const QString& base) {
        folder.write(QString::fromLatin1(kind().folder) + QLatin1Char('/') + fileName(base), "x");
    }
    QString stored() const { return kind().field(settingsInFile()); }
    void select(int row) { dialog->list()->setCurrentRow(row); }
    // The language folder also holds the language the dialogs read.
    QStringList expected(QStringList names) const {
        if (GetParam() == &kLanguageChooser) {
            names << QStringLiteral("Русский");
        }
        return names;
    }
    QStringList visible() const {
        QStringList names;
        for (int i = 0; i < dialog->list()->count(); ++i) {
            names << dialog->list()->item(i)->text();
        }
        return names;
    }

    std::unique_ptr<ChooserDialog> dialog;
};

}  // namespace

TEST_P(Chooser, ShowsTheFolderAndTheTextsOfItsSectionAtActivation) {
    EXPECT_EQ(dialog->size(), QSize(323, 186));
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(kind().builtInCaption));
    EXPECT_EQ(dialog->okButton()->text(), QStringLiteral("Ок"));
    EXPECT_EQ(dialog->cancelButton()->text(), QStringLiteral("Отмена"));
    EXPECT_TRUE(dialog->fileList()->isHidden());
    EXPECT_EQ(dialog->fileList()->geometry(), dialog->list()->geometry());

    activate(*dialog);
    EXPECT_TRUE(state.dialogOpen);
    EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(kind().caption));
    EXPECT_EQ(dialog->cancelButton()->text(), QString::fromLatin1(kind().cancel));
    EXPECT_EQ(dialog->okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(visible(), expected({"English", "French", "x"}));
    ASSERT_EQ(dialog->fileList()->count(), visible().size());
    EXPECT_EQ(dialog->fileList()->item(2)->text(), fileName(QStringLiteral("x")));
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_P(Chooser, ConfirmedChoiceIsStoredAndRestartsWhenTheDialogCloses) {
    activate(*dialog);
    select(1);
    dialog->okButton()->click();

    EXPECT_EQ(stored(), fileName(QStringLiteral("French")));
    EXPECT_EQ(kind().field(state.settings), fileName(QStringLiteral("French")));
    EXPECT_EQ(program.restarts, 1);
    EXPECT_TRUE(settingsInFile().restartFlag());
    // Only the chosen field changed; the rest is the file's, not memory's.
    SettingsRecord expected = SettingsRecord::defaults();
    expected.setHideDelay(9);
    expected.setRestartFlag(true);
    if (kind().field == kLanguageChooser.field) {
        expected.setLangFile(fileName(QStringLiteral("French")));
    } else {
        expected.setSkinFile(fileName(QStringLiteral("French")));
    }
    EXPECT_EQ(settingsInFile(), expected);
    EXPECT_FALSE(state.dialogOpen);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_P(Chooser, DoubleClickOnAnEntryConfirmsIt) {
    activate(*dialog);
    QListWidget& list = *dialog->list();
    const QPoint at = list.visualItemRect(list.item(2)).center();
    mouse(*list.viewport(), QEvent::MouseButtonPress, at);
    mouse(*list.viewport(), QEvent::MouseButtonRelease, at, Qt::NoButton);
    mouse(*list.viewport(), QEvent::MouseButtonDblClick, at);
    mouse(*list.viewport(), QEvent::MouseButtonRelease, at, Qt::NoButton);

    EXPECT_EQ(stored(), fileName(QStringLiteral("x")));
    EXPECT_EQ(program.restarts, 1);
}

TEST_P(Chooser, NoConfirmedChoiceLeavesTheSettingsAndNeverRestarts) {
    const QByteArray before = settingsBytes();
    activate(*dialog);
    dialog->okButton()->click();  // nothing selected
    EXPECT_FALSE(dialog->isVisible());

    activate(*dialog);
    select(0);
    dialog->cancelButton()->click();

    activate(*dialog);
    select(0);
    dialog->close();  // the title bar's close box

    EXPECT_EQ(settingsBytes(), before);
    EXPECT_EQ(program.restarts, 0);
    EXPECT_FALSE(state.dialogOpen);
}

TEST_P(Chooser, UnreadableSettingsFileIsRebuiltFromMemoryWithTheChoice) {
    folder.write(QStringLiteral("system/system.ini"), "short");
    state.settings.setHideDelay(42);
    activate(*dialog);
    select(0);
    dialog->okButton()->click();

    const SettingsRecord rebuilt = settingsInFile();
    EXPECT_EQ(settingsBytes().size(), SettingsRecord::kSize);
    EXPECT_EQ(kind().field(rebuilt), fileName(QStringLiteral("English")));
    EXPECT_EQ(rebuilt.hideDelay(), 42);
    EXPECT_EQ(program.restarts, 1);
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_P(Chooser, NamesTheSettingsCannotHoldAreRefusedWithoutARestart) {
    // 25 bytes fit; 26 would be cut; a character outside code page 1251
    // would be garbled; a name that is not valid text on disk neither.
    const QString longest = QString(25 - 4, QLatin1Char('a'));
    const QString tooLong = QString(26 - 4, QLatin1Char('b'));
    const QString foreign = QStringLiteral("日本語");
    offer(longest);
    offer(tooLong);
    offer(foreign);
    const QByteArray before = settingsBytes();
    dialog = kind().make(context);
    activate(*dialog);
    ASSERT_EQ(visible(), expected({longest, tooLong, "English", "French", "x"}) << foreign);

    for (int row : {1, int(visible().indexOf(foreign))}) {
        select(row);
        dialog->okButton()->click();
        EXPECT_EQ(settingsBytes(), before);
        EXPECT_FALSE(dialog->changed());
        EXPECT_TRUE(dialog->isVisible()) << "the user may pick another";
    }
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[0].contains(fileName(tooLong)));
    EXPECT_TRUE(platform.messages[1].contains(foreign));
    dialog->cancelButton()->click();
    EXPECT_EQ(program.restarts, 0);

    activate(*dialog);
    select(0);
    dialog->okButton()->click();
    EXPECT_EQ(stored(), fileName(longest));
    EXPECT_EQ(program.restarts, 1);
}

// Such a name could not be opened by any later step either.
TEST_P(Chooser, ANameThatIsNoValidTextOnDiskIsNotOffered) {
    const QByteArray raw = QFile::encodeName(folder.path(QString::fromLatin1(kind().folder))) +
                           "/bad\xff\xfe" + kind().extension;
    const int fd = ::creat(raw.constData(), 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    dialog = kind().make(context);
    activate(*dialog);
    EXPECT_EQ(visible(), expected({"English", "French", "x"}));
    ::unlink(raw.constData());
}

TEST_P(Chooser, SettingsThatCannotBeWrittenAreReportedAndNothingRestarts) {
    QFile::remove(folder.path(QStringLiteral("system/system.ini")));
    QDir(folder.root()).mkpath(QStringLiteral("system/system.ini/blocked"));
    activate(*dialog);
    select(0);
    dialog->okButton()->click();
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_FALSE(dialog->changed());
    dialog->cancelButton()->click();
    EXPECT_EQ(program.restarts, 0);
}

TEST_P(Chooser, AFailedRestartIsReported) {
    program.failure = QStringLiteral("disk full");
    activate(*dialog);
    select(0);
    dialog->okButton()->click();
    EXPECT_EQ(program.restarts, 1);
    EXPECT_EQ(platform.errors, QStringList({"disk full"}));
}

TEST_P(Chooser, TheListingOfTheFirstOpeningIsKeptForTheRun) {
    activate(*dialog);
    dialog->cancelButton()->click();
    offer(QStringLiteral("Added"));
    activate(*dialog);
    EXPECT_EQ(visible(), expected({"English", "French", "x"}));
}

TEST_P(Chooser, AnUnreadableLanguageFileLeavesTheListAsItWas) {
    activate(*dialog);
    dialog->cancelButton()->click();
    state.settings.setLangFile(QStringLiteral("Missing.lng"));
    activate(*dialog);
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(visible(), expected({"English", "French", "x"}));
    // Coming back from the error box is no new opening: no second error.
    activate(*dialog);
    EXPECT_EQ(platform.errors.size(), 1);
    dialog->cancelButton()->click();

    auto fresh = kind().make(context);
    activate(*fresh);
    EXPECT_EQ(fresh->list()->count(), 0);
    EXPECT_EQ(fresh->windowTitle(), QString::fromUtf8(kind().builtInCaption));
    fresh->okButton()->click();
    EXPECT_EQ(program.restarts, 0);
}

TEST_P(Chooser, AMissingFolderIsReportedAfterTheListIsEmptied) {
    QDir(folder.path(QString::fromLatin1(kind().folder))).removeRecursively();
    activate(*dialog);
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(dialog->list()->count(), 0);
    dialog->okButton()->click();
    EXPECT_EQ(program.restarts, 0);
}

TEST_P(Chooser, F1OpensItsHelpTopic) {
    activate(*dialog);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &f1);
    EXPECT_EQ(helpAsked, QList<int>({kind().helpTopic}));
}

INSTANTIATE_TEST_SUITE_P(Both, Chooser, ::testing::Values(&kLanguageChooser, &kSkinChooser),
                         [](const auto& info) { return std::string(info.param->name); });
