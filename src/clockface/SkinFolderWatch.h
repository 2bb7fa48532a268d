#pragma once

#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>
#include <functional>

// Tells when a skin's files may have changed on disk from the system's file
// notifications, so nobody has to ask for their stamps ten times a second.
// An editor saves in steps (truncate, write, rename), so the news waits until
// the files have been quiet for kQuietMs; a half-written file would otherwise
// be read and reported as broken.
//
// Where notifications cannot be had (a folder that does not exist, a network
// folder whose changes made elsewhere are never notified, no watches left),
// holds() is false and the caller has to look at the files itself.
class SkinFolderWatch {
  public:
    static constexpr int kQuietMs = 40;

    explicit SkinFolderWatch(std::function<void()> changed);

    // Watches these files and the folders that hold them; a file that does
    // not exist yet, or was replaced, is seen through its folder.
    void watch(const QStringList& files);
    bool holds() const { return holds_; }

  private:
    void noticed();
    void addMissingFiles();

    std::function<void()> changed_;
    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QStringList files_;
    bool holds_ = false;
};
