#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "settings/Expected.h"

// Rewrites that never leave a file half-written: the new content goes to a
// separate file, is flushed to disk and checked, and only then takes the
// target's name in one rename. Until that rename the old file stays whole.
namespace safewrite {

enum class Step { Create, Write, Flush, Rename };

// Test seam: called before each step; returning false stops the rewrite right
// there, as a crash at that point would. Production code never sets it.
using FaultSeam = std::function<bool(Step)>;
void setFaultSeam(FaultSeam seam);
// Whether the seam lets the step go ahead (always, without a seam).
bool mayProceed(Step step);

// Replaces `path` with `content` through a scratch file of a random name in
// the same folder ("system.ini.aBcDeF"). A link at `path` stays: the file it
// ends in is replaced, beside which the scratch file then lies.
Expected<void> replaceFile(const QString& path, const QByteArray& content);

// Writes `content` to `scratchPath` and renames it over `path`, for the
// schedule files whose scratch companions have fixed names.
Expected<void> replaceThroughScratch(const QString& scratchPath, const QString& path,
                                     const QByteArray& content);

}  // namespace safewrite
