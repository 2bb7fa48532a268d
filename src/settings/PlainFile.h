#pragma once

#include <QString>

#include "settings/Expected.h"

namespace plainfile {

// Why `path` must not be opened for reading although something is there: a
// folder, or a pipe or device whose open or read may wait for ever. Empty for
// a regular file (or a link to one) and for a name with nothing under it, so
// that the caller's own message for a missing file stands.
QString refusal(const QString& path);

// The name a write of `path` ends in: a link there followed to its last
// target, however far, so that a rewrite of that name keeps the user's link.
// `path` itself, made absolute, when it is no link. A loop of links stops
// after a few dozen steps at a link, which an open without following
// links then refuses.
QString linkEnd(const QString& path);

// Opens `path` with the open(2) `flags` (O_RDONLY or O_RDWR, perhaps
// O_CREAT | O_EXCL), never following a link at its last name and never
// waiting for a pipe's other end; anything but a regular file is refused.
// The descriptor, or the reason it could not be had.
Expected<int> openRegular(const QString& path, int flags);

// Whether a write of `path` (through a link at it, as linkEnd() follows)
// would put a file inside `folder` or a folder below it: compared by the real
// folders, whatever "..", links and other spellings lead there.
bool writesInto(const QString& path, const QString& folder);

}  // namespace plainfile
