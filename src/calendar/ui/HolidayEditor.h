#pragma once

#include <QStringList>

#include "dialogs/ClockDialog.h"
#include "dialogs/DialogContext.h"
#include "locale/LanguageSection.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

// The holiday editor: pick a month, add and delete its holiday days,
// and save them, which rewrites that month's file and restarts the program so
// that the calendar shows them. Every activation reloads the texts, the month
// list, the current month and its file, dropping unsaved edits.
//
// The list always belongs to the month it was read for: a month whose file is
// missing shows the blank placeholder (saving creates the file); a month whose
// file cannot be read is reported and shows nothing, and saving is refused
// until a month has been read, so one month's days never land in another's
// file. Saving is possible only once the list's context menu has been opened.
class HolidayEditor : public ClockDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 3;
    static constexpr int kWidth = 269;
    static constexpr int kHeight = 221;

    explicit HolidayEditor(DialogContext& context, QWidget* parent = nullptr);

    QLabel* monthLabel() const { return monthLabel_; }
    QComboBox* monthBox() const { return monthBox_; }
    QListWidget* dayList() const { return dayList_; }
    QPushButton* acceptButton() const { return acceptButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QMenu* listMenu() const { return listMenu_; }
    QAction* addDayAction() const { return addDayAction_; }
    QAction* deleteDayAction() const { return deleteDayAction_; }

    QStringList entries() const;
    // The month (1 to 12) whose entries the list shows; 0 for none.
    int shownMonth() const { return shownMonth_; }

  protected:
    void activated() override;

  private:
    void monthBoxChanged();
    void readMonth();
    void listMenuOpening();
    void addDay();
    void deleteDay();
    void saveMonth();

    int selectedMonth() const;
    void setEntries(const QStringList& entries);
    void nameControls();
    void report(const QString& error);

    DialogContext& context_;
    LanguageSection texts_;
    QLabel* monthLabel_;
    QComboBox* monthBox_;
    QListWidget* dayList_;
    QPushButton* acceptButton_;
    QPushButton* cancelButton_;
    QMenu* listMenu_;
    QAction* addDayAction_;
    QAction* deleteDayAction_;
    int shownMonth_ = 0;
    // What the month box said when the list was last filled.
    int readIndex_ = -2;
    QString readText_;
};
