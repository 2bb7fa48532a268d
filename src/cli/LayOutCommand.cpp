#include "cli/LayOutCommand.h"

#include <QDir>
#include <QFileInfo>

#include "cli/CommandContext.h"
#include "locale/DesktopLanguage.h"
#include "settings/FolderLayout.h"
#include "settings/ProgramFolder.h"

LayOutCommand::LayOutCommand(QString currentFolder, QProcessEnvironment environment,
                             QTextStream& err)
    : currentFolder_(std::move(currentFolder)), environment_(std::move(environment)), err_(err) {}

bool LayOutCommand::wanted(const QStringList& arguments) {
    return arguments.value(1) == QLatin1String("lay-out");
}

int LayOutCommand::run(const QStringList& arguments) const {
    const auto say = [this](const QString& problem) {
        err_ << "chronidex: " << problem << '\n';
        err_.flush();
    };
    if (arguments.size() != 4) {
        say(QStringLiteral("lay-out takes the supplied folder and the folder to lay out."));
        return command::UsageError;
    }
    const QDir current(currentFolder_);
    const QString supplied = current.absoluteFilePath(arguments[2]);
    const QString target = current.absoluteFilePath(arguments[3]);
    // A wrong path would otherwise lay out whatever it names.
    if (!QFileInfo(ProgramFolder::resolve(supplied, QStringLiteral("system"))).isDir()) {
        say(QStringLiteral("%1 is not a program folder: it has no system folder.")
                .arg(QDir::toNativeSeparators(supplied)));
        return command::Refused;
    }
    const QList<FolderLayout::Problem> problems =
        FolderLayout(supplied, target, desktoplanguage::bootstrapFile(environment_)).layOut();
    for (const FolderLayout::Problem& problem : problems) {
        say(QStringLiteral("cannot lay out %1: %2")
                .arg(problem.path, problem.reason.isEmpty()
                                       ? QStringLiteral("the folder cannot be made")
                                       : problem.reason));
    }
    return problems.isEmpty() ? command::Done : command::Refused;
}
