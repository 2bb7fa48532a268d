#pragma once

#include <optional>

#include "dialogs/ClockDialog.h"
#include "dialogs/DialogContext.h"
#include "locale/AccessibleTexts.h"
#include "locale/LanguageSection.h"

class FieldLabel;
class QDateEdit;
class QLineEdit;
class QPushButton;
class UpDownArrows;

// What the reminder and launch editors share: the hour and the minute with
// their arrows, the day, OK and Cancel, the texts of the editor's language
// section, the reset to the current time, and the checks before an entry is
// written.
class EntryEditor : public ClockDialog {
    Q_OBJECT
  public:
    QLineEdit* hourField() const { return hourField_; }
    QLineEdit* minuteField() const { return minuteField_; }
    UpDownArrows* hourArrows() const { return hourArrows_; }
    UpDownArrows* minuteArrows() const { return minuteArrows_; }
    QDateEdit* dateField() const { return dateField_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

  protected:
    // Where the editor's own layout puts the shared controls; the hour is
    // always at the left, on the first row.
    struct Layout {
        int minuteLeft;
        int dateLeft;
        int buttonsTop;
        int okLeft;
    };
    struct Captions {
        QString hour;
        QString minute;
    };
    EntryEditor(DialogContext& context, int helpTopic, const char* sectionHeader,
                const Layout& layout, const Captions& captions, QWidget* parent);

    // Reads the editor's language section; false (reported by the section)
    // when the language file could not be read.
    bool loadTexts();
    // The hour and minute labels, and Cancel with OK beside it.
    void takeTexts(int hourLine, int minuteLine, int cancelLine);
    void showCurrentTime();
    // The time and day fields, named for a screen reader.
    void nameTimeControls();
    // The time typed, "hh:nn", or nothing after telling the user what is
    // wrong with it.
    std::optional<QString> enteredTime();
    // False, after telling the user which characters, when the schedule
    // files' code page cannot hold all of `text`.
    bool storable(const QString& text);

    DialogContext& context_;
    LanguageSection texts_;
    AccessibleTexts spokenTexts_;

  private:
    QLineEdit* hourField_;
    QLineEdit* minuteField_;
    UpDownArrows* hourArrows_;
    UpDownArrows* minuteArrows_;
    QDateEdit* dateField_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    FieldLabel* hourLabel_;
    FieldLabel* minuteLabel_;
};
