#include "locale/LanguageSection.h"

#include "locale/LanguageSections.h"

#include "locale/CurrentLanguageFile.h"
#include "platform/Platform.h"

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
    const Expected<LanguageFile> file = currentLanguageFile(folder, settings);
    const Expected<void> read = file ? file->readSection(header_, slots_) : Failure{file.error()};
    if (!read && errorsTo) {
        errorsTo->showError(read.error());
    }
    return read.ok();
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
