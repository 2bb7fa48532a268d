#pragma once

#include "autohide/ui/ProtocolDialog.h"
#include "config/DialogContext.h"
#include "locale/LanguageSection.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ui/ModalReturn.h"

class FieldLabel;
class QDateEdit;
class QLineEdit;
class QPushButton;
class UpDownArrows;

// The launch editor `Run`: a day, an hour, a minute and the program to start,
// added to "run.dat" on OK. Every activation resets the time fields to the
// current time and day but keeps the path typed last; every closing asks the
// launch due check to reload.
class TRun : public ProtocolDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 6;

    explicit TRun(DialogContext& context, QWidget* parent = nullptr);

    QLineEdit* chf() const { return chf_; }
    QLineEdit* mnf() const { return mnf_; }
    UpDownArrows* upDown1() const { return upDown1_; }
    UpDownArrows* upDown2() const { return upDown2_; }
    QDateEdit* dat() const { return dat_; }
    QLineEdit* failw() const { return failw_; }
    QPushButton* obz() const { return obz_; }
    QPushButton* button1() const { return button1_; }
    QPushButton* button2() const { return button2_; }

  protected:
    bool event(QEvent* e) override;
    void activated() override;
    void closed() override;

  private:
    void obzClick();
    void button1Click();

    DialogContext& context_;
    ModalReturn modalReturn_;
    ScheduleFiles files_;
    LanguageSection texts_;
    QString fileTypes_;  // line 7: the chooser's name for programs
    QLineEdit* chf_;
    QLineEdit* mnf_;
    UpDownArrows* upDown1_;
    UpDownArrows* upDown2_;
    QDateEdit* dat_;
    QLineEdit* failw_;
    QPushButton* obz_;
    QPushButton* button1_;
    QPushButton* button2_;
    FieldLabel* chfLabel_;
    FieldLabel* mnfLabel_;
    FieldLabel* failwLabel_;
};
