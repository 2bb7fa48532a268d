#pragma once

#include <QString>

namespace plainfile {

// Why `path` must not be opened for reading although something is there: a
// folder, or a pipe or device whose open or read may wait for ever. Empty for
// a regular file (or a link to one) and for a name with nothing under it, so
// that the caller's own message for a missing file stands.
QString refusal(const QString& path);

}  // namespace plainfile
