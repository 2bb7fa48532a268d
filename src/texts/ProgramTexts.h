#pragma once

#include <QString>
#include <QStringList>

// What the clock itself tells the user: troubles of its start, its restart,
// its program folder and its help.
namespace programtexts {

// `file` is the settings file's path; `problem` why it did not read.
QString settingsRebuilt(const QString& file, const QString& problem);
QString settingsNotRebuilt(const QString& file, const QString& problem, const QString& writeError);
QString restartMarkNotCleared(const QString& file, const QString& why);
QString nightlyRestartFailed(const QString& why);

// The user's program folder laid out in part: one line a folder, each
// made of the parts below, and the message around them.
QString folderNotMade(const QString& folder);
QString filesNotCopied(const QString& folder, int count, const QStringList& reasons);
QString folderLaidOutInPart(const QString& programFolder, const QStringList& lines);

QString helpFileMissing(const QString& file);

}  // namespace programtexts
