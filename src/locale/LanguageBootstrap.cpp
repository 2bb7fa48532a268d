#include "locale/LanguageBootstrap.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#include <optional>

#include "settings/FormatNames.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFile.h"
#include "texts/FileTexts.h"

namespace {

// The name under which `wanted` appears among `names`: the exact spelling
// first, else one that differs only in case, as INI files have always been
// read without regard to the case of section and key names.
QString findName(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) {
        return wanted;
    }
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    return QString();
}

// The value of key "Lang" in section "Lang"; "rus" when it is absent, nothing
// when the file could not be read at all.
std::optional<QString> readCode(const QString& iniPath) {
    QSettings ini(iniPath, QSettings::IniFormat);
    if (ini.status() == QSettings::AccessError) {
        return std::nullopt;
    }
    const QString defaultCode = QStringLiteral("rus");
    const QString section = findName(ini.childGroups(), QStringLiteral("Lang"));
    if (section.isEmpty()) {
        return defaultCode;
    }
    ini.beginGroup(section);
    const QString key = findName(ini.childKeys(), QStringLiteral("Lang"));
    if (key.isEmpty()) {
        return defaultCode;
    }
    // A value with commas reads as a list; it is no known code either way.
    const QVariant value = ini.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// The file a code stands for; nothing for an unknown code, which leaves the
// choice as it was.
std::optional<QString> fileForCode(const QString& code) {
    if (code == QLatin1String("rus")) {
        return filetexts::russianLanguageFile();
    }
    if (code == QLatin1String("eng")) {
        return QStringLiteral("English.lng");
    }
    if (code == QLatin1String("fre")) {
        return QStringLiteral("French.lng");
    }
    return std::nullopt;
}

}  // namespace

void applyLanguageBootstrap(const ProgramFolder& folder) {
    const QString iniPath = folder.path(formatnames::languageBootstrapFile());
    if (!QFileInfo(iniPath).isFile()) {
        return;
    }
    if (const std::optional<QString> code = readCode(iniPath)) {
        const std::optional<QString> file = fileForCode(*code);
        // The record is rewritten only when it could be read, so a missing or
        // damaged system.ini is left for the start-up to rebuild.
        (void)SettingsFile(folder.path(formatnames::settingsFile()))
            .updateCopy([&file](SettingsRecord& rec) {
                if (file) {
                    rec.setLangFile(*file);
                }
            });
    }
    // One-shot: the bootstrap never applies twice, whatever happened above.
    QFile::remove(iniPath);
}

QByteArray languageBootstrapText(const QString& code) {
    return "[Lang]\r\nLang=" + code.toLatin1() + "\r\n";
}
