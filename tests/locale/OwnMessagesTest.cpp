#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

// The program's own messages are not in any language file, so they are the
// same in every language: Russian. They are found as the sources' literals of
// three words or more, so a new English message fails here the day it is
// written. The English of a text that the command line says too stands
// beside its Russian, as the second of texts::russianOrEnglish's two.
namespace {

struct Message {
    QString file;
    QString text;
};

// One or more adjacent string literals, as written across lines.
const QString kLiterals = QStringLiteral(R"re(((?:"(?:[^"\\]|\\.)*"\s*)+))re");

QString joined(const QString& literals) {
    static const QRegularExpression one(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QString text;
    for (auto it = one.globalMatch(literals); it.hasNext();) {
        text += it.next().captured(1);
    }
    return text;
}

// Words of letters, three or more to a text: a message, not a name, a path
// or a pattern.
bool isSentence(const QString& text) {
    static const QRegularExpression word(QStringLiteral(R"re(^\p{L}{2,}[.,:;!?»]*$)re"));
    int words = 0;
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        words += word.match(token).hasMatch() ? 1 : 0;
    }
    return words >= 3;
}

QList<Message> ownMessages() {
    const QRegularExpression calls[] = {
        QRegularExpression(QStringLiteral(R"re(\bQStringLiteral\(\s*)re") + kLiterals)};

    QList<Message> found;
    QDirIterator files(QStringLiteral(CHRONIDEX_SOURCE_TREE),
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        // The command line, and the iCalendar code it alone uses, talk to a
        // terminal in the usual English of such tools; the windows' messages
        // are what must be Russian.
        if (file.fileName().contains(QStringLiteral("/cli/")) ||
            file.fileName().contains(QStringLiteral("/ical/"))) {
            continue;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        QString source = QString::fromUtf8(file.readAll());
        // The command line's English partners are its own, not the windows'.
        static const QRegularExpression englishPartner(
            QStringLiteral(R"re((\brussianOrEnglish\(\s*QStringLiteral\(\s*)re") + kLiterals +
            QStringLiteral(R"re(\)\s*,)\s*QStringLiteral\(\s*)re") + kLiterals +
            QStringLiteral(R"re(\))re"));
        source.replace(englishPartner, QStringLiteral("\\1)"));
        for (const QRegularExpression& call : calls) {
            for (auto it = call.globalMatch(source); it.hasNext();) {
                const QString text = joined(it.next().captured(1));
                if (isSentence(text)) {
                    found.append({file.fileName(), text});
                }
            }
        }
    }
    return found;
}

bool hasCyrillic(const QString& text) {
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(OwnMessages, AreRussian) {
    const QStringList keptAsTheyAre{
        // A number field's conversion error keeps the wording such errors have
        // always had in this program's settings dialog.
        QStringLiteral("'%1' is not a valid integer value"),
        // Reasons beside the system's own (a file's error string) in a message.
        QStringLiteral("unexpected end of file"),
        // Said on standard error, where Qt's own warnings go.
        QStringLiteral("lost the X display %1"),
        // Names, not messages.
        QStringLiteral("MS Sans Serif"),
        // A command to the compositor, in its language.
        QStringLiteral("[id=%1] floating enable, sticky enable, border none, "
                       "move absolute position %2 %3")};
    const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    const QList<Message> messages = ownMessages();
    // The search itself works: the sources hold dozens of messages.
    EXPECT_GE(messages.size(), 40);
    for (const Message& m : messages) {
        if (keptAsTheyAre.contains(m.text)) {
            continue;
        }
        EXPECT_TRUE(hasCyrillic(m.text) && !latinWord.match(m.text).hasMatch())
            << m.file.toStdString() << ": " << m.text.toStdString();
    }
}
