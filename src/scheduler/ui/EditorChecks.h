#pragma once

#include <QString>

class Platform;
class QDateEdit;
class QPlainTextEdit;

// What the two schedule editors share besides their layout.
namespace editorchecks {

// A drop-down calendar showing the system's short date, with the year in
// four digits so that no century is guessed.
void setUpDatePicker(QDateEdit* picker);

// Cuts the field's text so that its stored form (each line break as CR LF)
// fits `capacity` bytes.
void limitStoredLength(QPlainTextEdit* field, int capacity);

// False, after telling the user which characters, when the schedule files'
// code page cannot hold all of `text`.
bool storable(Platform& platform, const QString& text);

}  // namespace editorchecks
