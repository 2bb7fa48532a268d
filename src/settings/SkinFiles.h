#pragma once

#include <QString>

#include "settings/ProgramFolder.h"

// Where a skin's files are. The skin name comes from the settings file,
// which anyone can edit: it may only pick files inside the skins folder.
namespace skinfiles {

// False for an empty name, "." or "..", and a name holding a folder
// separator: such a name names no skin file.
bool isPlainName(const QString& name);

// The on-disk path of "<skins folder>/<name><suffix>", the folder spelled as
// on disk, or "skins" while it is missing; empty when `name` is not plain.
QString path(const ProgramFolder& folder, const QString& name, const QString& suffix = {});

}  // namespace skinfiles
