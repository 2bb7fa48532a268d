#pragma once

#include <QString>
#include <QStringList>

#include "settings/Expected.h"

// The files a chooser offers: every plain file of one folder whose name ends
// in the given extension (".lng", ".skn"), matched and sorted without regard
// to case. The folder is read when it differs from the one read last, so the
// listing of one run is reused at every later opening of the dialog.
class FileChoiceList {
  public:
    explicit FileChoiceList(QString extension);

    // Points the list at `folder`. Reads it unless it is the folder read last;
    // false (with the reason) when the folder cannot be read, leaving the list
    // empty so that a later call tries again.
    Expected<void> setFolder(const QString& folder);

    const QString& folder() const { return folder_; }
    // Full file names, extension included.
    const QStringList& fileNames() const { return names_; }
    // The names as the user sees them: without their last four characters.
    QStringList visibleNames() const;

    static QString visibleName(const QString& fileName);

  private:
    QString extension_;
    QString folder_;
    bool read_ = false;
    QStringList names_;
};
