#include "locale/OkCaption.h"

namespace okcaption {

QString beside(const QString& besideText) {
    bool latin = false;
    for (const QChar c : besideText) {
        if (c.script() == QChar::Script_Cyrillic) {
            return QStringLiteral("Ок");
        }
        latin = latin || c.script() == QChar::Script_Latin;
    }
    return latin ? QStringLiteral("OK") : QStringLiteral("Ок");
}

}  // namespace okcaption
