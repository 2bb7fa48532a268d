#include "locale/OkCaption.h"

#include "texts/DialogTexts.h"

namespace okcaption {

QString beside(const QString& besideText) {
    bool latin = false;
    for (const QChar c : besideText) {
        if (c.script() == QChar::Script_Cyrillic) {
            return dialogtexts::ok();
        }
        latin = latin || c.script() == QChar::Script_Latin;
    }
    return latin ? QStringLiteral("OK") : dialogtexts::ok();
}

}  // namespace okcaption
