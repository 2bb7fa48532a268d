#include "desktop/Installation.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include "locale/DesktopLanguage.h"
#include "settings/ProgramFolder.h"

Installation::Installation(const QString& executable) : executable_(executable) {
    const QString bin = QFileInfo(executable).absolutePath();
    const QString supplied =
        QDir::cleanPath(bin + QLatin1Char('/') + QLatin1String(CHRONIDEX_SUPPLIED_FROM_BIN));
    // A program folder of its own beside the executable is ./run.sh's
    // layout, whatever else lies around it.
    if (!isProgramFolder(bin) && isProgramFolder(supplied)) {
        supplied_ = supplied;
    }
}

QString Installation::userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/chronidex");
}

bool Installation::isProgramFolder(const QString& folder) {
    return QFileInfo(ProgramFolder::resolve(folder, QStringLiteral("system"))).isDir();
}

QString Installation::clockFolder(const QString& currentFolder) const {
    return installed() ? userFolder() : currentFolder;
}

QString Installation::commandFolder(const QString& currentFolder) const {
    return installed() && !isProgramFolder(currentFolder) ? userFolder() : currentFolder;
}

QString Installation::executableFor(const QString& programFolder) const {
    const QString own = QDir::cleanPath(programFolder + QStringLiteral("/chronidex"));
    const QFileInfo file(own);
    if (!installed() && file.isFile() && file.isExecutable()) {
        return own;
    }
    return executable_;
}

QList<FolderLayout::Problem> Installation::layOutUserFolder() const {
    if (!installed()) {
        return {};
    }
    return FolderLayout(supplied_, userFolder(),
                        desktoplanguage::bootstrapFile(QProcessEnvironment::systemEnvironment()))
        .layOut();
}
