#pragma once

#include <QString>

// The names that the program folder's files and the clock's windows go by.
// The file formats fix them: installations, other programs and the users'
// own files rely on them, so they are spelled here once and nowhere else.
// Paths are relative to the program folder, in the stored form (backslashes).
namespace formatnames {

inline QString settingsFile() {
    return QStringLiteral("\\system\\system.ini");
}
// Options of this program's own, which the settings record has no room for:
// the original program neither reads nor writes it.
inline QString optionsFile() {
    return QStringLiteral("\\system\\options.ini");
}
// Written by an installer to pick the first language; read once and deleted.
inline QString languageBootstrapFile() {
    return QStringLiteral("\\system\\lang.ini");
}

// The schedules, and the scratch files their rewrites go through.
inline QString reminderFile() {
    return QStringLiteral("\\system\\napom.dat");
}
inline QString reminderScratchFile() {
    return QStringLiteral("\\system\\nappr.dat");
}
inline QString launchFile() {
    return QStringLiteral("\\system\\run.dat");
}
inline QString launchScratchFile() {
    return QStringLiteral("\\system\\runpr.dat");
}
// A file of this program's own beside those of the original format, which
// the original program never reads: the rules of the repeating reminders.
inline QString repeatRuleFile() {
    return QStringLiteral("\\system\\repeat.dat");
}
// The schedule list's icons.
inline QString reminderIcon() {
    return QStringLiteral("\\system\\m.bmp");
}
inline QString launchIcon() {
    return QStringLiteral("\\system\\r.bmp");
}

inline QString languageFolder() {
    return QStringLiteral("\\lang\\");
}
inline QString skinFolder() {
    return QStringLiteral("\\skins");
}
// "%1" the month, 1 to 12.
inline QString holidayFile() {
    return QStringLiteral("\\prazdniki\\%1.prz");
}
// A skin's pull tab pictures: "<skin>kno.bmp" while away, "<skin>knz.bmp" at home.
inline QString tabAwaySuffix() {
    return QStringLiteral("kno.bmp");
}
inline QString tabHomeSuffix() {
    return QStringLiteral("knz.bmp");
}

// The language file's week table ends with a layout code; exactly this one
// starts the week on Monday.
inline QString mondayFirstLayout() {
    return QStringLiteral("rus");
}

// The windows' titles, by which other programs and scripts find them.
inline QString clockWindow() {
    return QStringLiteral("chas");
}
inline QString calendarWindow() {
    return QStringLiteral("kol");
}
inline QString tabWindow() {
    return QStringLiteral("kn");
}

}  // namespace formatnames
