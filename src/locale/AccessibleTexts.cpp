#include "locale/AccessibleTexts.h"

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
    using namespace sections::access;
    switch (which) {
        case RemindersToday:
            return QStringLiteral("Напоминания на сегодня:");
        case HideClock:
            return QStringLiteral("Убрать часы");
        case ShowClock:
            return QStringLiteral("Показать часы");
        case Holiday:
            return QStringLiteral("выходной");
        case Today:
            return QStringLiteral("сегодня");
        case DateField:
            return QStringLiteral("Дата");
        case UpArrow:
            return QStringLiteral("Больше");
        case DownArrow:
            return QStringLiteral("Меньше");
        case ScheduleList:
            return QStringLiteral("Напоминания и запуски");
        case ReminderLine:
            return QStringLiteral("напоминание");
        case LaunchLine:
            return QStringLiteral("запуск");
    }
    return {};
}
