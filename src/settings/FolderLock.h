#pragma once

#include <QString>

// Keeps the writers of one folder's files apart, across processes: the clock
// and the command line both rewrite the schedule files, through the same
// scratch names, and the later rename would throw the other's change away.
// An advisory lock on the folder itself, so no file of its own is left
// behind, and none survives a crash; released when the object goes.
class FolderLock {
  public:
    // Waits up to `waitMs` for a writer that holds the lock.
    explicit FolderLock(const QString& folder, int waitMs = 3000);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False only when another writer held it all the while.
    bool held() const { return held_; }

  private:
    int fd_ = -1;
    bool held_ = false;
};
