#include "settings/SkinFiles.h"
#include "settings/FormatNames.h"

namespace skinfiles {

bool isPlainName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString path(const ProgramFolder& folder, const QString& name, const QString& suffix) {
    if (!isPlainName(name)) {
        return QString();
    }
    // One spelling for every skin file, so that messages about two of them
    // name the same folder.
    return folder.path(formatnames::skinFolder() + QLatin1Char('\\') + name + suffix);
}

}  // namespace skinfiles
