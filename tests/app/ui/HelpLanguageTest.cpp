#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTextBrowser>

#include "FakePlatform.h"
#include "ProgramFolderCopy.h"
#include "TempFolder.h"
#include "app/ChronidexApp.h"
#include "settings/SettingsFile.h"

// The help opens in the language the clock speaks: the page named after the
// code the language file gives itself, the English page for any other.
TEST(HelpLanguage, TheHelpPageFollowsTheCurrentLanguage) {
    struct Case {
        const char* languageFile;
        const char* code;  // written over the file's own, when given
        const char* page;
    };
    const Case cases[] = {
        {"Русский.lng", nullptr, "help-rus.html"},  {"English.lng", nullptr, "help-eng.html"},
        {"French.lng", nullptr, "help-fre.html"},   {"English.lng", "deu", "help-eng.html"},
        {"English.lng", "../rus", "help-eng.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.languageFile) + " " + (c.code ? c.code : ""));
        TempFolder folder;
        copySuppliedFolder(folder);
        const QString language = QString::fromUtf8(c.languageFile);
        if (c.code) {
            const QString path = folder.path(QStringLiteral("lang/") + language);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            QByteArray text = file.readAll();
            file.close();
            const QByteArray own = c.languageFile[0] == 'E' ? "\r\neng\r\n" : "\r\nfre\r\n";
            ASSERT_TRUE(text.contains(own));
            text.replace(own, "\r\n" + QByteArray(c.code) + "\r\n");
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(text);
        }
        EXPECT_TRUE(SettingsFile(folder.path(QStringLiteral("system/system.ini")))
                        .updateCopy([&](SettingsRecord& rec) { rec.setLangFile(language); }));
        FakePlatform platform;
        platform.desktop = QRect(0, 0, 1280, 1024);
        ChronidexApp app(platform);
        ASSERT_TRUE(app.start(folder.root()));
        app.menu().item(MenuItem::Help)->trigger();
        const auto* viewer = qobject_cast<QTextBrowser*>(app.dialogFor(MenuItem::Help));
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->source().fileName(), QString::fromLatin1(c.page));
        EXPECT_FALSE(viewer->toPlainText().isEmpty());
    }
}
