#include "locale/NoticeTexts.h"

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
    using namespace sections::notices;
    switch (which) {
        case LaterButton:
            return QStringLiteral("Отложить");
        case LaterChooser:
            return QStringLiteral("Отложить на");
        case MinuteUnit:
            return QStringLiteral("мин");
        case DesktopBox:
            return QStringLiteral("Уведомлять через рабочий стол");
        case LaterAction:
            return QStringLiteral("Отложить (10 мин)");
        case NotificationTitle:
            return QStringLiteral("Напоминание");
    }
    return {};
}
