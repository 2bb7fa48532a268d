#pragma once

#include <QString>

// The dialogs' captions, labels and buttons as they stand before a language
// file's section replaces them (and where none does), and their own
// messages. Russian, as the windows speak it.
namespace dialogtexts {

// Every OK button's, in every language: no section carries one.
QString ok();
QString cancel();

QString languageChooserCaption();
QString skinChooserCaption();

QString autostartCaption();
QString autostartQuestionIfSet();

QString otherSettingsCaption();
QString autoHideBox();
QString noTabBox();
QString hideDelayLabel();
QString soundOffBox();
QString deleteEntryItem();
QString settingsNotSaved(const QString& why);

QString reminderEditorCaption();
QString reminderHourLabel();
QString reminderMinuteLabel();
QString reminderTextLabel();

QString launchEditorCaption();
QString launchHourLabel();
QString launchMinuteLabel();
QString launchFileLabel();
QString browseButton();
QString allFilesFilter();

}  // namespace dialogtexts
