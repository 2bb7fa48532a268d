#include "locale/LanguageSection.h"

#include "locale/LanguageSections.h"

#include <QDir>

#include "locale/LanguageFile.h"
#include "platform/Platform.h"
#include "settings/FormatNames.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

namespace {

struct Catalogue {
    const char* header;
    int lines;
};

using namespace sections;
constexpr Catalogue kCatalogue[] = {
    {overdue::kHeader, overdue::kLineCount},     {chooser::kLanguageHeader, chooser::kLineCount},
    {chooser::kSkinHeader, chooser::kLineCount}, {holidays::kHeader, holidays::kLineCount},
    {reminder::kHeader, reminder::kLineCount},   {autostart::kHeader, autostart::kLineCount},
    {launch::kHeader, launch::kLineCount},       {other::kHeader, other::kLineCount},
    {access::kHeader, access::kLineCount},       {notices::kHeader, notices::kLineCount},
    {repeat::kHeader, repeat::kLineCount},
};

}  // namespace

LanguageSection::LanguageSection(QString header)
    : header_(std::move(header)), slots_(lineCountOf(header_)) {}

bool LanguageSection::load(const ProgramFolder& folder, const SettingsRecord& settings,
                           Notices* errorsTo) {
    const QString name = settings.langFile();
    QString error;
    if (name.isEmpty()) {
        // Without a name the path would be the language folder itself.
        error = QStringLiteral("Не удалось открыть языковой файл: в настройках он не выбран.");
    } else if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        // The name comes from a file that anyone can edit; it may only name a
        // file inside the language folder.
        error =
            QStringLiteral("Не удалось открыть языковой файл «%1»: это не имя файла.").arg(name);
    } else if (LanguageFile(folder.path(formatnames::languageFolder() + name))
                   .readSection(header_, slots_, &error)) {
        return true;
    }
    if (errorsTo) {
        errorsTo->showError(error);
    }
    return false;
}

QString LanguageSection::line(int n) const {
    return n >= 1 && n <= slots_.size() ? slots_.at(n - 1) : QString();
}

int LanguageSection::lineCountOf(const QString& header) {
    for (const Catalogue& entry : kCatalogue) {
        if (header == QLatin1String(entry.header)) {
            return entry.lines;
        }
    }
    return 0;
}
