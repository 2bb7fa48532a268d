#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

// The program's built-in texts have one home, src/texts: a Russian word
// anywhere else is a text that a translator, or the command line's English,
// would never find. And a text with an English partner says the same
// things in it: no Cyrillic, and every argument the Russian one takes.
namespace {

struct Source {
    QString file;
    QString text;
};

QList<Source> sources(bool insideTexts) {
    QList<Source> found;
    const QString tree = QStringLiteral(CHRONIDEX_SOURCE_TREE);
    QDirIterator files(tree, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        const bool inTexts = file.fileName().mid(tree.size()).startsWith(QStringLiteral("/texts/"));
        if (inTexts != insideTexts || !file.open(QIODevice::ReadOnly)) {
            continue;
        }
        found.append({file.fileName(), QString::fromUtf8(file.readAll())});
    }
    return found;
}

// The contents of the string literals of C++ source, raw ones too, with
// the line each starts on; comments (which may quote a text) and character
// literals are passed over.
QList<std::pair<int, QString>> stringLiterals(const QString& source) {
    static const QRegularExpression token(
        QStringLiteral(R"re(//[^\n]*|/\*.*?\*/)re"                     // comments
                       R"re(|(?:u8|u|U|L)?R"([^(\s]*)\((.*?)\)\1")re"  // raw string
                       R"re(|"((?:[^"\\\n]|\\.)*)")re"                 // string
                       R"re(|'(?:[^'\\\n]|\\.)*')re"                   // character
                       R"re(|\d[\w.']*|\w+|[^"'/\w]+|/)re"),           // anything else
        QRegularExpression::DotMatchesEverythingOption);
    QList<std::pair<int, QString>> found;
    for (auto it = token.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString text = m.capturedStart(2) >= 0 ? m.captured(2) : m.captured(3);
        if (m.capturedStart(2) >= 0 || m.capturedStart(3) >= 0) {
            found.append({int(source.left(m.capturedStart()).count(QLatin1Char('\n'))) + 1, text});
        }
    }
    return found;
}

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        found.insert(it.next().captured());
    }
    return found;
}

}  // namespace

TEST(BuiltInTexts, TheLiteralsFinderSeesStringsAndPassesOverCommentsAndCharacters) {
    const struct {
        const char* source;
        QStringList literals;
    } cases[] = {
        {"f(\"один\", \"two\");", {"один", "two"}},
        {"// \"Ок\" in a comment\nx = \"a\\\"b\";", {"a\\\"b"}},
        {"/* \"Ок\"\n \"ещё\" */ y = 1'000'000; c = '\"'; s = \"да\";", {"да"}},
        {"r = R\"(a \"quoted\" word)\" u8R\"x(да)x\";", {"a \"quoted\" word", "да"}},
        {"t = u\"тест\" L'x';", {"тест"}},
    };
    for (const auto& c : cases) {
        QStringList got;
        for (const auto& [line, text] : stringLiterals(QString::fromUtf8(c.source))) {
            got << text;
        }
        EXPECT_EQ(got, c.literals) << c.source;
    }
}

TEST(BuiltInTexts, NoRussianLiteralLivesOutsideTheirFolder) {
    const QList<Source> files = sources(false);
    // The search itself works: the sources are all there.
    EXPECT_GE(files.size(), 200);
    for (const Source& source : files) {
        for (const auto& [line, text] : stringLiterals(source.text)) {
            EXPECT_FALSE(hasCyrillic(text))
                << source.file.toStdString() << ":" << line << ": " << text.toStdString();
        }
    }
}

TEST(BuiltInTexts, EveryEnglishPartnerSaysWhatItsRussianSays) {
    // texts::russianOrEnglish(QStringLiteral(russian), QStringLiteral(english)),
    // each perhaps of adjacent literals.
    const QString literals =
        QStringLiteral(R"re(QStringLiteral\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re");
    const QRegularExpression pair(QStringLiteral(R"re(\brussianOrEnglish\(\s*)re") + literals +
                                  QStringLiteral(R"re(\s*,\s*)re") + literals);
    const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    const auto joined = [&](const QString& adjacent) {
        QString text;
        for (auto it = piece.globalMatch(adjacent); it.hasNext();) {
            text += it.next().captured(1);
        }
        return text;
    };
    int pairs = 0;
    for (const Source& source : sources(true)) {
        const qsizetype calls = source.text.count(QStringLiteral("russianOrEnglish("));
        qsizetype matched = 0;
        for (auto it = pair.globalMatch(source.text); it.hasNext(); ++matched, ++pairs) {
            const QRegularExpressionMatch m = it.next();
            const QString russian = joined(m.captured(1));
            const QString english = joined(m.captured(2));
            EXPECT_FALSE(english.isEmpty()) << russian.toStdString();
            EXPECT_FALSE(hasCyrillic(english)) << english.toStdString();
            EXPECT_EQ(placeholders(english), placeholders(russian))
                << russian.toStdString() << " / " << english.toStdString();
        }
        // Every call has its two literals where this test reads them (the
        // declaration and the definition of the function itself aside).
        if (!source.file.endsWith(QStringLiteral("/TextLanguage.h")) &&
            !source.file.endsWith(QStringLiteral("/TextLanguage.cpp"))) {
            EXPECT_EQ(matched, calls) << source.file.toStdString();
        }
    }
    // The search itself works: the core's failures have their English.
    EXPECT_GE(pairs, 20);
}
