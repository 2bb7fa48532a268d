#include "locale/RepeatTexts.h"

#include "texts/SectionTexts.h"

RepeatTexts::RepeatTexts(ProgramFolder folder, SettingsRecord settings)
    : folder_(std::move(folder)),
      settings_(std::move(settings)),
      section_(QLatin1String(sections::repeat::kHeader)) {}

void RepeatTexts::reload(const ProgramFolder& folder, const SettingsRecord& settings) {
    folder_ = folder;
    settings_ = settings;
    loaded_ = false;
}

QString RepeatTexts::line(sections::repeat::Line which) const {
    if (!loaded_) {
        loaded_ = true;
        section_ = LanguageSection(QLatin1String(sections::repeat::kHeader));
        section_.load(folder_, settings_, nullptr);
    }
    const QString text = section_.line(which);
    return text.isEmpty() ? builtIn(which) : text;
}

QString RepeatTexts::ruleName(RepeatRule rule) const {
    using namespace sections::repeat;
    switch (rule) {
        case RepeatRule::Never:
            return line(Never);
        case RepeatRule::Daily:
            return line(Daily);
        case RepeatRule::Workdays:
            return line(Workdays);
        case RepeatRule::Weekly:
            return line(Weekly);
        case RepeatRule::Monthly:
            return line(Monthly);
        case RepeatRule::Yearly:
            return line(Yearly);
    }
    return {};
}

QString RepeatTexts::missedLine(qint64 count) const {
    return line(sections::repeat::MissedCount) + QLatin1Char(' ') + QString::number(count);
}

QString RepeatTexts::builtIn(sections::repeat::Line which) {
    return sectiontexts::repeat().value(which - 1);
}
