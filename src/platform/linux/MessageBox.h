#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

// The program's modal notices: a plain box with the program's title, one OK
// button and the whole text, however long its words.
namespace messagebox {

// Line breaks are stored as CR; a box shows each CR as a new line. A word too
// long for one line (a reminder of 150 letters without a space, a long path)
// gets invisible break opportunities, so the box wraps it instead of cutting
// it off at its edge; no character is dropped.
QString displayText(const QString& text);

// The text without the break opportunities displayText() adds.
QString plainText(const QString& shown);

std::unique_ptr<QMessageBox> make(QMessageBox::Icon icon, const QString& text,
                                  const QString& okCaption);

// Runs its own loop: the clock's other timers keep ticking meanwhile.
void show(QMessageBox::Icon icon, const QString& text, const QString& okCaption);

}  // namespace messagebox
