#pragma once

#include <QDialog>

#include "platform/Platform.h"

class QComboBox;
class QLabel;
class QPushButton;

// A reminder's notice: the text as a message box shows it, its OK button, and
// beside it a chooser of minutes with a button that puts the reminder off by
// them. Closing it otherwise (Escape, the close box) confirms, as a message
// box's OK would.
class ReminderNoticeBox : public QDialog {
    Q_OBJECT
  public:
    ReminderNoticeBox(const QString& text, const PutOffChoice& later, const QString& okCaption,
                      QWidget* parent = nullptr);

    QLabel* textLabel() const { return text_; }
    QPushButton* okButton() const { return ok_; }
    QComboBox* minutesBox() const { return minutes_; }
    QPushButton* laterButton() const { return later_; }

    // What the user chose; confirmed until the later button was pressed.
    ReminderAnswer answer() const { return answer_; }

    // Runs its own loop: the clock's other timers keep ticking meanwhile.
    static ReminderAnswer ask(const QString& text, const PutOffChoice& later,
                              const QString& okCaption);

  private:
    void putOff();

    QLabel* text_;
    QPushButton* ok_;
    QComboBox* minutes_;
    QPushButton* later_;
    ReminderAnswer answer_;
};
