#pragma once

#include <QString>

// Tells a running clock that a schedule file has changed under it, so that
// it reads the file again at once. Without a running clock there is nobody to
// tell, and the next start reads the file anyway.
class ReloadNotifier {
  public:
    virtual ~ReloadNotifier() = default;
    // `schedule` names the file's schedule as the clock knows it
    // ("reminders", "launches"). True when a running clock took the request.
    virtual bool askReload(const QString& schedule) = 0;
};
