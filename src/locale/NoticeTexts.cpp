#include "locale/NoticeTexts.h"

#include "texts/SectionTexts.h"

NoticeTexts::NoticeTexts(const ProgramFolder& folder, const SettingsRecord& settings)
    : folder_(folder), settings_(settings), section_(QLatin1String(sections::notices::kHeader)) {}

QString NoticeTexts::line(sections::notices::Line which) const {
    if (!loaded_) {
        loaded_ = true;
        section_.load(folder_, settings_, nullptr);
    }
    const QString text = section_.line(which);
    return text.isEmpty() ? builtIn(which) : text;
}

QString NoticeTexts::builtIn(sections::notices::Line which) {
    return sectiontexts::notices().value(which - 1);
}
