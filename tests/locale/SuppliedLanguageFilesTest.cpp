#include <gtest/gtest.h>

#include <QFile>

#include "FakePlatform.h"
#include "locale/AccessibleTexts.h"
#include "locale/LanguageFile.h"
#include "locale/LanguageSection.h"
#include "locale/NoticeTexts.h"
#include "locale/RepeatTexts.h"
#include "settings/Cp1251.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

// The language files an installation supplies, read as the program reads
// them. A file that breaks the fixed line counts would shift every text of
// the dialogs after the broken section.
namespace {

const ProgramFolder kTree{QStringLiteral(CHRONIDEX_DATA_TREE)};

const char* const kFiles[] = {"Русский.lng", "English.lng", "French.lng"};

struct Section {
    const char* header;
    int lines;
};
const Section kSections[] = {{"[funupu]", 3},  {"[month]", 12},  {"[nedelya]", 8}, {"[funlang]", 2},
                             {"[funskin]", 2}, {"[funholi]", 8}, {"[funmem]", 5},  {"[funaut]", 5},
                             {"[funrun]", 7},  {"[funoth]", 7},  {"[funacc]", 11}, {"[funnot]", 6},
                             {"[funrep]", 10}};

QString pathOf(const char* name) {
    return kTree.path(QStringLiteral("\\lang\\") + QString::fromUtf8(name));
}

// The file's lines, split as the reader splits them.
QStringList rawLines(const char* name) {
    QFile file(pathOf(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray bytes = file.readAll();
    bytes.replace("\r\n", "\n");
    QStringList lines = cp1251::decode(bytes).split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QStringList loaded(const char* name, const char* header) {
    SettingsRecord settings;
    settings.setLangFile(QString::fromUtf8(name));
    FakePlatform platform;
    LanguageSection section((QLatin1String(header)));
    EXPECT_TRUE(section.load(kTree, settings, &platform)) << name << " " << header;
    return section.lines();
}

class SuppliedLanguageFile : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(SuppliedLanguageFile, EverySectionHasItsExactLineCountAndEnd) {
    const char* name = GetParam();
    // The settings record keeps 25 bytes of the name.
    EXPECT_LE(cp1251::encode(QString::fromUtf8(name)).size(), SettingsRecord::kNameCapacity);
    const QStringList lines = rawLines(name);
    ASSERT_FALSE(lines.isEmpty()) << "cannot read " << pathOf(name).toStdString();
    for (const Section& s : kSections) {
        const QString header = QLatin1String(s.header);
        ASSERT_EQ(lines.count(header), 1) << name << " " << s.header;
        const qsizetype at = lines.indexOf(header);
        ASSERT_LT(at + s.lines + 1, lines.size()) << name << " " << s.header;
        EXPECT_EQ(lines[at + s.lines + 1], QStringLiteral("[end]")) << name << " " << s.header;
        const QStringList body = lines.mid(at + 1, s.lines);
        EXPECT_FALSE(body.contains(QStringLiteral("[end]"))) << name << " " << s.header;
        // Every control gets a text in the supplied languages.
        for (const QString& text : body) {
            EXPECT_FALSE(text.trimmed().isEmpty()) << name << " " << s.header;
        }
        if (s.lines == LanguageSection::lineCountOf(header)) {
            EXPECT_EQ(loaded(name, s.header), body) << name << " " << s.header;
        }
    }
    // Lines end with CR LF throughout.
    QFile file(pathOf(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n")) << name;
    EXPECT_TRUE(bytes.endsWith("\r\n")) << name;
}

TEST_P(SuppliedLanguageFile, OnlyRussianWeeksBeginOnMonday) {
    const char* name = GetParam();
    QStringList week(8);
    ASSERT_TRUE(LanguageFile(pathOf(name)).readTable(QStringLiteral("[nedelya]"), week, 0));
    EXPECT_EQ(week[7] == QStringLiteral("rus"),
              QString::fromUtf8(name) == QStringLiteral("Русский.lng"))
        << name << ": " << week[7].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Lang, SuppliedLanguageFile, ::testing::ValuesIn(kFiles));

TEST(SuppliedRussianFile, CarriesTheBuiltInTexts) {
    const auto expect = [](const char* header,
                           std::initializer_list<std::pair<int, const char*>> texts) {
        const QStringList lines = loaded("Русский.lng", header);
        for (const auto& [n, text] : texts) {
            ASSERT_GE(lines.size(), n) << header;
            EXPECT_EQ(lines[n - 1], QString::fromUtf8(text)) << header << " line " << n;
        }
    };
    expect("[funlang]", {{1, "Выбор языка"}, {2, "Отмена"}});
    expect("[funskin]", {{1, "Обложки"}, {2, "Отмена"}});
    expect("[funholi]",
           {{1, "Праздники"}, {3, "Принять"}, {4, "Отмена"}, {7, "Добавить"}, {8, "Удалить"}});
    expect("[funmem]",
           {{1, "Напоминания"}, {2, "час"}, {3, "мин."}, {4, "Текст напоминания"}, {5, "Отмена"}});
    expect("[funaut]", {{1, "Автозапуск"}, {2, "Автозапуск установлен. Отменить?"}});
    expect("[funrun]",
           {{1, "Запуск"}, {2, "Час"}, {3, "Мин"}, {4, "Файл"}, {5, "Обзор"}, {6, "Отмена"}});
    expect("[funoth]", {{1, "Другие"},
                        {2, "Автоматически убирать с экрана"},
                        {3, "Без кнопки"},
                        {4, "Время скрытия"},
                        {5, "Отмена"},
                        {6, "Удалить"},
                        {7, "Без звука"}});
    // What a screen reader says is the same with this file as without it.
    const QStringList access = loaded("Русский.lng", "[funacc]");
    for (int n = 1; n <= sections::access::kLineCount; ++n) {
        EXPECT_EQ(access.value(n - 1), AccessibleTexts::builtIn(sections::access::Line(n))) << n;
    }
    // So are the notices' and the notifications' texts.
    const QStringList notices = loaded("Русский.lng", "[funnot]");
    for (int n = 1; n <= sections::notices::kLineCount; ++n) {
        EXPECT_EQ(notices.value(n - 1), NoticeTexts::builtIn(sections::notices::Line(n))) << n;
    }
    // The repeating reminders read the same with this file as without it.
    const QStringList repeat = loaded("Русский.lng", "[funrep]");
    for (int n = 1; n <= sections::repeat::kLineCount; ++n) {
        EXPECT_EQ(repeat.value(n - 1), RepeatTexts::builtIn(sections::repeat::Line(n))) << n;
    }

    QStringList months;
    ASSERT_TRUE(LanguageFile(pathOf("Русский.lng")).readList(QStringLiteral("[month]"), months));
    EXPECT_EQ(months,
              (QStringList{QStringLiteral("Январь"), QStringLiteral("Февраль"),
                           QStringLiteral("Март"), QStringLiteral("Апрель"), QStringLiteral("Май"),
                           QStringLiteral("Июнь"), QStringLiteral("Июль"), QStringLiteral("Август"),
                           QStringLiteral("Сентябрь"), QStringLiteral("Октябрь"),
                           QStringLiteral("Ноябрь"), QStringLiteral("Декабрь")}));
}
