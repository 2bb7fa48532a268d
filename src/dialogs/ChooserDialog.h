#pragma once

#include <QString>

#include "dialogs/ClockDialog.h"
#include "dialogs/DialogContext.h"
#include "locale/LanguageSection.h"
#include "settings/FileChoiceList.h"
#include "settings/SettingsNameChoice.h"

class QListWidget;
class QPushButton;

// What tells the language chooser and the skin chooser apart.
struct ChooserSetup {
    int helpTopic = 0;
    QString caption;        // until the section is first loaded
    QString sectionHeader;  // "[funlang]": line 1 the caption, line 2 the cancel button
    QString folder;         // "\lang", under the program folder
    QString extension;      // ".lng"
    SettingsNameChoice::Field field = SettingsNameChoice::Field::LangFile;
};

// A dialog offering the files of one folder: the user picks one, "Ок" (or a
// double click) stores its name in the settings record, and closing the
// dialog then restarts the program so that the choice takes effect.
class ChooserDialog : public ClockDialog {
    Q_OBJECT
  public:
    ChooserDialog(DialogContext context, const ChooserSetup& setup, QWidget* parent = nullptr);

    // Hidden: the full file names, in step with the visible list.
    QListWidget* fileList() const { return fileList_; }
    QListWidget* list() const { return list_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    // True once a choice has been stored in this opening.
    bool changed() const { return changed_; }

    // "Ок": stores the selected file's name and closes; with nothing selected
    // it only closes. A name the settings cannot hold is refused with a
    // message and the dialog stays open.
    void confirm();

  protected:
    void activated() override;
    void closed() override;

  private:
    void prepare();

    DialogContext context_;
    ChooserSetup setup_;
    LanguageSection section_;
    FileChoiceList files_;
    SettingsNameChoice choice_;
    QListWidget* fileList_;
    QListWidget* list_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    bool changed_ = false;
    bool prepared_ = false;
};
