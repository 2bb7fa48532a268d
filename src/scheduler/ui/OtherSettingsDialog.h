#pragma once

#include "autohide/ui/ProtocolDialog.h"
#include "config/DialogContext.h"
#include "locale/LanguageSection.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ui/ModalReturn.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QSpinBox;
class ScheduleLineDelegate;
class WrappingCheckBox;

// The other-settings dialog `other`: the auto-hide and sound options, which
// act on the running program at once and are stored by OK through a restart,
// and the list of every reminder and launch with a command to delete one.
class Tother : public ProtocolDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 8;

    explicit Tother(DialogContext& context, QWidget* parent = nullptr);

    WrappingCheckBox* chb1() const { return chb1_; }
    QCheckBox* chb2() const { return chb2_; }
    QSpinBox* vrs() const { return vrs_; }
    QCheckBox* bz() const { return bz_; }
    QListWidget* list() const { return list_; }
    QPushButton* button1() const { return button1_; }
    QPushButton* button2() const { return button2_; }
    QAction* n1() const { return n1_; }

    // Rebuilds the schedule list from both files.
    void fillList();

  protected:
    bool event(QEvent* e) override;
    void activated() override;

  private:
    void chb1Click();
    void vrsChange(const QString& text);
    void button1Click();
    void n1Click();

    DialogContext& context_;
    ModalReturn modalReturn_;
    ScheduleFiles files_;
    LanguageSection texts_;
    QFrame* panel1_;
    QFrame* panel2_;
    QFrame* panel3_;
    WrappingCheckBox* chb1_;
    QCheckBox* chb2_;
    QLabel* label1_;
    QSpinBox* vrs_;
    QCheckBox* bz_;
    QListWidget* list_;
    ScheduleLineDelegate* delegate_;
    QMenu* lbm_;
    QAction* n1_;
    QPushButton* button1_;
    QPushButton* button2_;
};
