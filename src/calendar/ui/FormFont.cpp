#include "calendar/ui/FormFont.h"

#include <QFontDatabase>

QFont formFont(int pixelHeight) {
    static const QString kDesigned = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::hasFamily(kDesigned)
                     ? QFont(kDesigned)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(pixelHeight);
    return font;
}
