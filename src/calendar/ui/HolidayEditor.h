#pragma once

#include <QStringList>

#include "autohide/ui/ProtocolDialog.h"
#include "config/DialogContext.h"
#include "locale/LanguageSection.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

// The holiday editor `prazd`: pick a month, add and delete its holiday days,
// and save them, which rewrites that month's file and restarts the program so
// that the calendar shows them. Every activation reloads the texts, the month
// list, the current month and its file, dropping unsaved edits.
//
// The list always belongs to the month it was read for: a month whose file is
// missing shows the blank placeholder (saving creates the file); a month whose
// file cannot be read is reported and shows nothing, and saving is refused
// until a month has been read, so one month's days never land in another's
// file. Saving is possible only once the list's context menu has been opened.
class Tprazd : public ProtocolDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 3;
    static constexpr int kWidth = 269;
    static constexpr int kHeight = 221;

    explicit Tprazd(DialogContext& context, QWidget* parent = nullptr);

    QLabel* label1() const { return label1_; }
    QComboBox* mes() const { return mes_; }
    QListWidget* lbp() const { return lbp_; }
    QPushButton* button1() const { return button1_; }
    QPushButton* button2() const { return button2_; }
    QMenu* pmp() const { return pmp_; }
    QAction* n1() const { return n1_; }
    QAction* n2() const { return n2_; }

    QStringList entries() const;
    // The month (1 to 12) whose entries the list shows; 0 for none.
    int shownMonth() const { return shownMonth_; }

  protected:
    bool event(QEvent* e) override;
    void activated() override;
    void closed() override;

  private:
    void monthBoxChanged();
    void mesChange();
    void pmpPopup();
    void n1Click();
    void n2Click();
    void button1Click();

    int selectedMonth() const;
    void setEntries(const QStringList& entries);
    void report(const QString& error);
    void beforeBox();
    void afterBox(bool shown);

    DialogContext& context_;
    LanguageSection texts_;
    QLabel* label1_;
    QComboBox* mes_;
    QListWidget* lbp_;
    QPushButton* button1_;
    QPushButton* button2_;
    QMenu* pmp_;
    QAction* n1_;
    QAction* n2_;
    int shownMonth_ = 0;
    // The platform's boxes are windows of their own: closing one makes this
    // dialog active again, which must not count as the user coming back (it
    // would reload the list and drop the day just added, or show the same
    // read error again and again).
    bool boxOpen_ = false;
    bool returnPending_ = false;
    // What the month box said when the list was last filled.
    int readIndex_ = -2;
    QString readText_;
};
