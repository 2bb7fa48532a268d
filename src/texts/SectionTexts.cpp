#include "texts/SectionTexts.h"

namespace sectiontexts {

QStringList access() {
    return {
        QStringLiteral("Напоминания на сегодня:"),
        QStringLiteral("Убрать часы"),
        QStringLiteral("Показать часы"),
        QStringLiteral("выходной"),
        QStringLiteral("сегодня"),
        QStringLiteral("Дата"),
        QStringLiteral("Больше"),
        QStringLiteral("Меньше"),
        QStringLiteral("Напоминания и запуски"),
        QStringLiteral("напоминание"),
        QStringLiteral("запуск"),
    };
}

QStringList repeat() {
    return {
        QStringLiteral("Повтор"),
        QStringLiteral("нет"),
        QStringLiteral("каждый день"),
        QStringLiteral("по рабочим дням"),
        QStringLiteral("каждую неделю"),
        QStringLiteral("каждый месяц"),
        QStringLiteral("каждый год"),
        QStringLiteral("Пропущено повторений:"),
        QStringLiteral("Файл правил повтора повреждён или не читается; напоминания, чьё правило "
                       "не прочитано, будут показаны один раз."),
        QStringLiteral(
            "Файл правил повтора пропал; напоминания будут показаны один раз, без повтора."),
    };
}

QStringList notices() {
    return {
        QStringLiteral("Отложить"),
        QStringLiteral("Отложить на"),
        QStringLiteral("мин"),
        QStringLiteral("Уведомлять через рабочий стол"),
        QStringLiteral("Отложить (10 мин)"),
        QStringLiteral("Напоминание"),
    };
}

}  // namespace sectiontexts
