#include <gtest/gtest.h>

#include "TempFolder.h"
#include "locale/AccessibleTexts.h"
#include "settings/Cp1251.h"

// The texts only a screen reader speaks: the language file's where it has
// them, the built-in Russian ones wherever it has none.
namespace {

using namespace sections::access;

struct Case {
    const char* what;
    const char* file;  // the language file's bytes after the other sections; null: no file
    Line line;
    const char* expected;  // null: the built-in text
};

const char* const kFullSection =
    "[funacc]\r\nReminders today:\r\nHide the clock\r\nShow the clock\r\nholiday\r\ntoday\r\n"
    "Date\r\nUp\r\nDown\r\nReminders and launches\r\nreminder\r\nlaunch\r\n[end]\r\n";

const Case kCases[] = {
    {"the file's text", kFullSection, ShowClock, "Show the clock"},
    {"the last line", kFullSection, LaunchLine, "launch"},
    {"a file of the original program", "[funmem]\r\na\r\nb\r\nc\r\nd\r\ne\r\n[end]\r\n", Holiday,
     nullptr},
    {"an empty line",
     "[funacc]\r\nX\r\nHide\r\nShow\r\n\r\ntoday\r\nDate\r\nUp\r\nDown\r\nList\r\nr\r\nl\r\n"
     "[end]\r\n",
     Holiday, nullptr},
    {"the line after an empty one",
     "[funacc]\r\nX\r\nHide\r\nShow\r\n\r\ntoday\r\nDate\r\nUp\r\nDown\r\nList\r\nr\r\nl\r\n"
     "[end]\r\n",
     Today, "today"},
    {"no language file", nullptr, DateField, nullptr},
};

class AccessibleTextsRead : public ::testing::TestWithParam<Case> {};

}  // namespace

TEST_P(AccessibleTextsRead, GivesTheFilesTextOrTheBuiltInOne) {
    const Case& c = GetParam();
    TempFolder folder;
    SettingsRecord settings = SettingsRecord::defaults();
    settings.setLangFile(QStringLiteral("English.lng"));
    const AccessibleTexts texts(ProgramFolder(folder.root()), settings);
    // Written after the texts were made: nothing is read before one is asked for.
    if (c.file) {
        folder.write(QStringLiteral("lang/English.lng"),
                     cp1251::encode(QStringLiteral("[funlang]\r\nChoose\r\nCancel\r\n[end]\r\n") +
                                    QString::fromUtf8(c.file)));
    }
    const QString expected =
        c.expected ? QString::fromUtf8(c.expected) : AccessibleTexts::builtIn(c.line);
    EXPECT_EQ(texts.line(c.line), expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, AccessibleTextsRead, ::testing::ValuesIn(kCases));

TEST(AccessibleTextsBuiltIn, EveryLineHasOne) {
    for (int n = 1; n <= kLineCount; ++n) {
        EXPECT_FALSE(AccessibleTexts::builtIn(Line(n)).isEmpty()) << n;
    }
}
