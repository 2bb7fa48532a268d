#pragma once

#include <QString>

// Failures of the program's own files: the settings and options, the file
// lists of the choosers, the language files. The reasons a file is refused
// and the scratch file's are said by the command line too, so they have
// English beside the Russian (see TextLanguage.h); the rest only the
// windows say.
namespace filetexts {

// Why something under a file's name is not read or written as the file.
QString isFolder();
QString notRegularFile();
QString scratchReplaced(const QString& scratchFile);
QString fileNotFound();

QString settingsTooShort(int size);
QString notSaved(const QString& file, const QString& why);
QString folderNotFound(const QString& folder);
// A file a chooser offers whose name the settings record cannot hold.
QString nameUnstorable(const QString& name, const QString& characters);
QString nameTooLong(const QString& name, int capacity);

QString languageFileNotChosen();
QString notALanguageFileName(const QString& name);
QString languageFileNotOpened(const QString& file, const QString& why);
// The Russian language file's name, which the settings hold before any
// other is chosen.
QString russianLanguageFile();

}  // namespace filetexts
