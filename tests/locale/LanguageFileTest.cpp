#include <gtest/gtest.h>

#include <QFile>

#include "TempFolder.h"
#include "locale/LanguageFile.h"
#include "settings/Cp1251.h"

namespace {

LanguageFile fixture(const char* name) {
    return LanguageFile(testData(QStringLiteral("locale/") + QLatin1String(name)));
}

// Slots that already hold texts, so a reader that wrongly touches them shows.
QStringList prefilled(int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        texts << QStringLiteral("old %1").arg(i);
    }
    return texts;
}

QStringList monthNames() {
    return {QStringLiteral("Январь"),  QStringLiteral("Февраль"), QStringLiteral("Март"),
            QStringLiteral("Апрель"),  QStringLiteral("Май"),     QStringLiteral("Июнь"),
            QStringLiteral("Июль"),    QStringLiteral("Август"),  QStringLiteral("Сентябрь"),
            QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"),  QStringLiteral("Декабрь")};
}

}  // namespace

TEST(LanguageFileSection, WellFormedSectionsReadWholeAndOnlyTheFirstOfTwoCounts) {
    const LanguageFile file = fixture("sections.lng");
    QStringList upu(3);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funupu]"), upu));
    // Texts are used whole: the separator keeps its spaces.
    EXPECT_EQ(upu, (QStringList{QStringLiteral("Просрочено напоминание"),
                                QStringLiteral("Просрочен запуск"), QStringLiteral(" в ")}));

    // The first [funlang] ends the pass; the second one further down is
    // never read. An empty line is an empty text.
    QStringList lang = prefilled(2);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funlang]"), lang));
    EXPECT_EQ(lang, (QStringList{QStringLiteral("  Выбор языка  "), QString()}));

    // A section the file lacks leaves every slot as it was.
    QStringList oth = prefilled(7);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funoth]"), oth));
    EXPECT_EQ(oth, prefilled(7));
}

TEST(LanguageFileSection, HeadersMatchExactlyOverTheWholeLine) {
    const LanguageFile file = fixture("header-variants.lng");
    // "[funlang] ", "[FUNLANG]" and " [funlang]" are all ordinary lines.
    QStringList lang = prefilled(2);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funlang]"), lang));
    EXPECT_EQ(lang, prefilled(2));

    QStringList month = prefilled(13);
    ASSERT_TRUE(file.readTable(QStringLiteral("[month]"), month, 1));
    EXPECT_EQ(month, prefilled(13));
    QStringList list;
    ASSERT_TRUE(file.readList(QStringLiteral("[month]"), list));
    EXPECT_TRUE(list.isEmpty());

    // Neither "[end] " nor "[END]" ends a table section.
    QStringList week = prefilled(8);
    ASSERT_TRUE(file.readTable(QStringLiteral("[nedelya]"), week, 0));
    EXPECT_EQ(week.mid(0, 4), (QStringList{QStringLiteral("Пн"), QStringLiteral("[end] "),
                                           QStringLiteral("[END]"), QStringLiteral("Чт")}));
    EXPECT_EQ(week.mid(4), prefilled(8).mid(4));
}

TEST(LanguageFileSection, OneLineShortTakesEndAsTextAndReadsOn) {
    const LanguageFile file = fixture("one-short.lng");
    // [funlang] has one line; its "[end]" fills slot 2, "[funskin]" at the
    // next read step is dropped, the next two lines fill the slots again and
    // the "[end]" after them ends the pass.
    QStringList lang(2);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funlang]"), lang));
    EXPECT_EQ(lang, (QStringList{QStringLiteral("Обложки"), QStringLiteral("Отмена")}));

    // The well-formed neighbour is not disturbed.
    QStringList skin(2);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funskin]"), skin));
    EXPECT_EQ(skin, (QStringList{QStringLiteral("Обложки"), QStringLiteral("Отмена")}));

    // When the line at the next read step is "[end]", the pass stops with the
    // first "[end]" as the last text.
    TempFolder folder;
    folder.write(QStringLiteral("lang/short.lng"),
                 cp1251::encode(QStringLiteral("[funlang]\r\nВыбор языка\r\n[end]\r\n[end]\r\n"
                                               "[funlang]\r\nnever\r\nread\r\n[end]\r\n")));
    ASSERT_TRUE(LanguageFile(folder.path(QStringLiteral("lang/short.lng")))
                    .readSection(QStringLiteral("[funlang]"), lang));
    EXPECT_EQ(lang, (QStringList{QStringLiteral("Выбор языка"), QStringLiteral("[end]")}));
}

TEST(LanguageFileSection, LastSectionWithoutEndReadsAndMissingLinesBecomeEmpty) {
    const LanguageFile file = fixture("missing-end.lng");
    // Two of five lines, no "[end]", no final line end: the rest of the slots
    // are emptied, not left with their old texts.
    QStringList aut = prefilled(5);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funaut]"), aut));
    EXPECT_EQ(aut, (QStringList{QStringLiteral("Автозапуск"),
                                QStringLiteral("Автозапуск установлен. Отменить?"), QString(),
                                QString(), QString()}));

    // A header on the very last line reads every slot as empty.
    TempFolder folder;
    folder.write(QStringLiteral("lang/tail.lng"), "[funmem]");
    QStringList mem = prefilled(5);
    ASSERT_TRUE(LanguageFile(folder.path(QStringLiteral("lang/tail.lng")))
                    .readSection(QStringLiteral("[funmem]"), mem));
    EXPECT_EQ(mem, QStringList(5));
}

TEST(LanguageFileSection, LoneLineFeedsEndLinesAndOtherCarriageReturnsAreText) {
    const LanguageFile file = fixture("lone-lf.lng");
    QStringList lang(2);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funlang]"), lang));
    EXPECT_EQ(lang, (QStringList{QStringLiteral("Выбор языка"), QStringLiteral("Отмена")}));
    QStringList skin(2);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funskin]"), skin));
    EXPECT_EQ(skin, (QStringList{QStringLiteral("Об\rложки"), QStringLiteral("Отмена")}));
}

TEST(LanguageFileSection, LinesLongerThanOneReadPieceStayWhole) {
    // The fixture puts CR LF and lone CRs at and around the point where one
    // read piece of the reader ends.
    constexpr int piece = 64 * 1024 - 1;
    QStringList holi(8);
    ASSERT_TRUE(fixture("long-line.lng").readSection(QStringLiteral("[funholi]"), holi));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(holi[i], QString(piece - 2 + i, QChar(0x044F))) << "line " << i + 1;
    }
    EXPECT_EQ(holi[4], QString(piece - 1, QLatin1Char('b')) + QStringLiteral("\rc"));
    EXPECT_EQ(holi[5], QString(piece, QLatin1Char('b')) + QStringLiteral("\rc"));
    EXPECT_EQ(holi[6], QStringLiteral("short 1"));
    EXPECT_EQ(holi[7], QStringLiteral("short 2"));
}

TEST(LanguageFileSection, UnopenableFileLeavesSlotsAndSaysWhy) {
    TempFolder folder;
    QStringList lang = prefilled(2);
    const QString missing = folder.path(QStringLiteral("lang/Нет.lng"));
    Expected<void> read = LanguageFile(missing).readSection(QStringLiteral("[funlang]"), lang);
    EXPECT_FALSE(read);
    EXPECT_TRUE(read.error().contains(missing)) << read.error().toStdString();
    EXPECT_TRUE(read.error().contains(QStringLiteral("не найден"))) << read.error().toStdString();
    EXPECT_EQ(lang, prefilled(2));

    // The language folder itself is no language file.
    QStringList table = prefilled(13);
    read = LanguageFile(folder.path(QStringLiteral("lang")))
               .readTable(QStringLiteral("[month]"), table, 1);
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.error().isEmpty());
    EXPECT_EQ(table, prefilled(13));
    QStringList list{QStringLiteral("kept")};
    EXPECT_FALSE(LanguageFile(QString()).readList(QStringLiteral("[month]"), list));
    EXPECT_EQ(list, QStringList{QStringLiteral("kept")});
    // A device would be read forever.
    EXPECT_FALSE(
        LanguageFile(QStringLiteral("/dev/zero")).readSection(QStringLiteral("[x]"), lang));
}

TEST(LanguageFileSection, AnyBytesReadWithoutHarm) {
    QStringList texts = prefilled(7);
    ASSERT_TRUE(fixture("random.lng").readSection(QStringLiteral("[funoth]"), texts));
    EXPECT_EQ(texts, prefilled(7));
    QStringList table = prefilled(13);
    ASSERT_TRUE(fixture("random.lng").readTable(QStringLiteral("[month]"), table, 1));
    EXPECT_EQ(table.size(), 13);
    QStringList list;
    ASSERT_TRUE(fixture("random.lng").readList(QStringLiteral("[month]"), list));

    // A good section among random bytes is still found.
    QStringList lang(2);
    ASSERT_TRUE(
        fixture("random-around-section.lng").readSection(QStringLiteral("[funlang]"), lang));
    EXPECT_EQ(lang, (QStringList{QStringLiteral("Выбор языка"), QStringLiteral("Отмена")}));
}

TEST(LanguageFileSection, HugeFileWithoutLineEndsIsReadThrough) {
    // Sixteen megabytes in one line, then the section: the reader must stream
    // past the line rather than give up on it.
    TempFolder folder;
    {
        QFile out(folder.path(QStringLiteral("lang/huge.lng")));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        const QByteArray block(1024 * 1024, '[');
        for (int i = 0; i < 16; ++i) {
            out.write(block);
        }
        out.write("\r\n[funskin]\r\nA\r\nB\r\n[end]\r\n");
    }
    QStringList skin(2);
    ASSERT_TRUE(LanguageFile(folder.path(QStringLiteral("lang/huge.lng")))
                    .readSection(QStringLiteral("[funskin]"), skin));
    EXPECT_EQ(skin, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

TEST(LanguageFileTable, MonthsFillSlotsOneToTwelve) {
    QStringList month = prefilled(13);
    ASSERT_TRUE(fixture("sections.lng").readTable(QStringLiteral("[month]"), month, 1));
    EXPECT_EQ(month[0], QStringLiteral("old 0"));
    EXPECT_EQ(month.mid(1), monthNames());

    QStringList week(8);
    ASSERT_TRUE(fixture("sections.lng").readTable(QStringLiteral("[nedelya]"), week, 0));
    EXPECT_EQ(week.first(), QStringLiteral("Пн"));
    EXPECT_EQ(week.last(), QStringLiteral("rus"));
}

TEST(LanguageFileTable, SurplusLinesAreDroppedNeverStoredOutside) {
    QStringList month = prefilled(13);
    ASSERT_TRUE(fixture("month-26.lng").readTable(QStringLiteral("[month]"), month, 1));
    ASSERT_EQ(month.size(), 13);
    EXPECT_EQ(month[0], QStringLiteral("old 0"));
    EXPECT_EQ(month[1], QStringLiteral("Месяц 1"));
    EXPECT_EQ(month[12], QStringLiteral("Месяц 12"));

    QStringList week(8);
    ASSERT_TRUE(fixture("month-26.lng").readTable(QStringLiteral("[nedelya]"), week, 0));
    ASSERT_EQ(week.size(), 8);
    EXPECT_EQ(week[7], QStringLiteral("День 8"));

    // The editor's month list is no table: it takes every line.
    QStringList list;
    ASSERT_TRUE(fixture("month-26.lng").readList(QStringLiteral("[month]"), list));
    ASSERT_EQ(list.size(), 26);
    EXPECT_EQ(list.last(), QStringLiteral("Месяц 26"));
}

TEST(LanguageFileTable, RepeatedHeaderRestartsAndShortOrOpenSectionsKeepTheRest) {
    TempFolder folder;
    folder.write(QStringLiteral("lang/t.lng"),
                 "[month]\r\nA\r\nB\r\nC\r\n[month]\r\nD\r\n[end]\r\n[nedelya]\r\nMo\r\nTu");
    const LanguageFile file(folder.path(QStringLiteral("lang/t.lng")));
    // The second header sends the next line back to slot 1; texts 2 and 3
    // keep what the first pass put there, 4 onwards their old texts.
    QStringList month = prefilled(13);
    ASSERT_TRUE(file.readTable(QStringLiteral("[month]"), month, 1));
    EXPECT_EQ(month.mid(0, 5),
              (QStringList{QStringLiteral("old 0"), QStringLiteral("D"), QStringLiteral("B"),
                           QStringLiteral("C"), QStringLiteral("old 4")}));
    // A table section that runs into the end of the file is read up to it.
    QStringList week = prefilled(8);
    ASSERT_TRUE(file.readTable(QStringLiteral("[nedelya]"), week, 0));
    EXPECT_EQ(week.mid(0, 3),
              (QStringList{QStringLiteral("Mo"), QStringLiteral("Tu"), QStringLiteral("old 2")}));
}

TEST(LanguageFileList, LinesAreAppendedUpToEnd) {
    QStringList list{QStringLiteral("before")};
    ASSERT_TRUE(fixture("missing-end.lng").readList(QStringLiteral("[month]"), list));
    EXPECT_EQ(list, QStringList{QStringLiteral("before")} + monthNames());

    // Nothing to append from a file without the section.
    QStringList none;
    ASSERT_TRUE(fixture("one-short.lng").readList(QStringLiteral("[month]"), none));
    EXPECT_TRUE(none.isEmpty());

    // A lone LF ends list lines too, and a list without "[end]" runs to the
    // end of the file.
    TempFolder folder;
    folder.write(QStringLiteral("lang/l.lng"), "x\n[month]\nJan\n\nMar");
    QStringList open;
    ASSERT_TRUE(LanguageFile(folder.path(QStringLiteral("lang/l.lng")))
                    .readList(QStringLiteral("[month]"), open));
    EXPECT_EQ(open, (QStringList{QStringLiteral("Jan"), QString(), QStringLiteral("Mar")}));
}

TEST(LanguageFileLarge, EveryLineOfAManyLineFileLandsWholeAndInOrder) {
    // A hundred thousand lines of changing length before the sections and as
    // many in the list: the reader goes through one read buffer for all of
    // them, so a shorter line after a longer one must carry nothing over, and
    // sections far into the file are found like those at its start.
    constexpr int kLines = 100000;
    TempFolder folder;
    QByteArray bytes;
    QStringList expected;
    for (int i = 0; i < kLines; ++i) {
        bytes += "noise " + QByteArray::number(i).repeated(i % 9) + (i % 3 ? "\r\n" : "\n");
    }
    bytes += "[funskin]\r\nFirst\r\nSecond\r\n[end]\r\n[month]\r\n";
    for (int i = 0; i < kLines; ++i) {
        const QByteArray line = QByteArray::number(i * 7).repeated(1 + i % 5) + (i % 4 ? "" : "\r");
        bytes += line + "\r\n";
        expected << QString::fromLatin1(line);
    }
    bytes += "[end]\r\n";
    folder.write(QStringLiteral("lang/many.lng"), bytes);
    const LanguageFile file(folder.path(QStringLiteral("lang/many.lng")));

    QStringList skin(2);
    ASSERT_TRUE(file.readSection(QStringLiteral("[funskin]"), skin));
    EXPECT_EQ(skin, (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));

    QStringList table = prefilled(13);
    ASSERT_TRUE(file.readTable(QStringLiteral("[month]"), table, 1));
    EXPECT_EQ(table.mid(1), expected.mid(0, 12));
    EXPECT_EQ(table[0], QStringLiteral("old 0"));

    QStringList list;
    ASSERT_TRUE(file.readList(QStringLiteral("[month]"), list));
    ASSERT_EQ(list.size(), kLines);
    EXPECT_EQ(list, expected);
}
