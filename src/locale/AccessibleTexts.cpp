#include "locale/AccessibleTexts.h"

#include "texts/SectionTexts.h"

AccessibleTexts::AccessibleTexts(ProgramFolder folder, SettingsRecord settings)
    : folder_(std::move(folder)),
      settings_(std::move(settings)),
      section_(QLatin1String(sections::access::kHeader)) {}

QString AccessibleTexts::line(sections::access::Line which) const {
    if (!loaded_) {
        loaded_ = true;
        section_.load(folder_, settings_, nullptr);
    }
    const QString text = section_.line(which);
    return text.isEmpty() ? builtIn(which) : text;
}

QString AccessibleTexts::builtIn(sections::access::Line which) {
    return sectiontexts::access().value(which - 1);
}
