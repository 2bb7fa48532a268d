#pragma once

#include "autohide/ui/ProtocolDialog.h"
#include "config/DialogContext.h"
#include "locale/LanguageSection.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ui/ModalReturn.h"

class FieldLabel;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class UpDownArrows;

// The reminder editor `napom`: a day, an hour, a minute and a text, added to
// "napom.dat" on OK. Every activation empties the text and resets the fields
// to the current time and day; every closing asks the reminder due check to
// reload, so a reminder whose minute has passed is reported at once.
class Tnapom : public ProtocolDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4;

    explicit Tnapom(DialogContext& context, QWidget* parent = nullptr);

    QLineEdit* ch() const { return ch_; }
    QLineEdit* mn() const { return mn_; }
    UpDownArrows* upDown1() const { return upDown1_; }
    UpDownArrows* upDown2() const { return upDown2_; }
    QDateEdit* dt() const { return dt_; }
    QPlainTextEdit* txt() const { return txt_; }
    QPushButton* button1() const { return button1_; }
    QPushButton* button2() const { return button2_; }

  protected:
    bool event(QEvent* e) override;
    void activated() override;
    void closed() override;

  private:
    void button1Click();
    void keepTextWithinRecord();

    DialogContext& context_;
    ModalReturn modalReturn_;
    ScheduleFiles files_;
    LanguageSection texts_;
    QLineEdit* ch_;
    QLineEdit* mn_;
    UpDownArrows* upDown1_;
    UpDownArrows* upDown2_;
    QDateEdit* dt_;
    QLabel* label1_;
    QPlainTextEdit* txt_;
    QPushButton* button1_;
    QPushButton* button2_;
    FieldLabel* chLabel_;
    FieldLabel* mnLabel_;
};
