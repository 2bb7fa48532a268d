#pragma once

#include <QString>

class Installation;
class Platform;

// The folder the clock runs in, entered before any of the clock exists: the
// installed program's own folder for the user, laid out afresh with what it
// lacks; elsewhere the current folder, as it always was. What could not be
// laid out is told in one message, a line a folder. A request to end (a
// log-out, `kill`) is heard from the start on: it closes that message and
// the start goes no further.
class ProgramFolderEntry {
  public:
    ProgramFolderEntry(Platform& platform, const Installation& installation);
    // A request to end that comes later waits for the clock's own handler.
    ~ProgramFolderEntry();
    ProgramFolderEntry(const ProgramFolderEntry&) = delete;
    ProgramFolderEntry& operator=(const ProgramFolderEntry&) = delete;

    // Lays the folder out, tells what failed, makes it the current folder
    // and returns it.
    QString enter();
    // True once the system asked the program to end.
    bool endRequested() const { return endRequested_; }

  private:
    Platform& platform_;
    const Installation& installation_;
    bool endRequested_ = false;
};
