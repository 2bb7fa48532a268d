#pragma once

#include <QString>
#include <QStringList>

// Scratch files a killed save left behind. replaceFile() and the autostart
// entry's QSaveFile name theirs after the target, a dot and six random
// letters ("system.ini.aBcDeF"); the schedule rewrites use fixed scratch
// names. Nothing ever reads them back, so they are only removed. That is safe
// only while no other instance of the program may be saving.
namespace scratchleftovers {

// Whether `name` is one that a save of `target` (a file name) makes.
bool isScratchOf(const QString& name, const QString& target);

// Removes, beside each of `targets` (paths), the regular files and links
// whose names a save of it makes, and each of `fixedScratch` (paths) that is
// a regular file or a link. A link is removed itself; what it points to, and
// folders, stay. Returns the paths removed.
QStringList remove(const QStringList& targets, const QStringList& fixedScratch);

}  // namespace scratchleftovers
