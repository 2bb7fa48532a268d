#include "dialogs/FormFont.h"

#include <QFontDatabase>
#include <QStandardPaths>

namespace {

const char* const kStandIn = "Tahoma";

// The family formFont() draws in, looked up once: the stand-in's files are
// registered with the application alone, found among the XDG data folders.
const QString& formFamily() {
    static const QString family = [] {
        bool loaded = false;
        for (const char* file : {"wine/fonts/tahoma.ttf", "wine/fonts/tahomabd.ttf"}) {
            const QString path = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                        QString::fromLatin1(file));
            if (!path.isEmpty() && QFontDatabase::addApplicationFont(path) >= 0) {
                loaded = true;
            }
        }
        if (loaded) {
            return QString::fromLatin1(kStandIn);
        }
        const QString designed = QStringLiteral("MS Sans Serif");
        return QFontDatabase::hasFamily(designed)
                   ? designed
                   : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

}  // namespace

QFont formFont(int pixelHeight) {
    QFont font(formFamily());
    font.setPixelSize(pixelHeight);
    return font;
}

bool formFontIsDesigned() {
    return formFamily() == QLatin1String(kStandIn);
}
