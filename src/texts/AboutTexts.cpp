#include "texts/AboutTexts.h"

namespace abouttexts {

QStringList acknowledgements() {
    return {
        QStringLiteral("Спасибо за идеи всем,"),
        QStringLiteral("кто писал нам письма."),
        QString(),
        QStringLiteral("Спасибо за обложки художникам,"),
        QStringLiteral("приславшим свои рисунки."),
        QString(),
        QStringLiteral("Спасибо за проверку всем, кто"),
        QStringLiteral("первым запускал новые версии"),
        QStringLiteral("и сообщал нам об ошибках."),
        QString(),
        QStringLiteral("Отдельное спасибо родным"),
        QStringLiteral("и друзьям за терпение."),
        QStringLiteral("— разработчики Chronidex"),
    };
}

QString acknowledgementsName() {
    return QStringLiteral("Благодарности");
}

}  // namespace abouttexts
