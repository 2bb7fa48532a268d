#include "app/MenuDialogs.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "app/HelpViewer.h"
#include "calendar/MonthLayout.h"
#include "locale/CurrentLanguageFile.h"
#include "locale/LanguageSections.h"

MenuDialogs::MenuDialogs(DialogContext& context, std::function<QString()> aboutCaption)
    : context_(context), aboutCaption_(std::move(aboutCaption)) {}

MenuDialogs::~MenuDialogs() = default;

void MenuDialogs::makeAutostartDialog() {
    autostartDialog_ = std::make_unique<AutostartDialog>(context_);
}

namespace {
template <class Dialog>
Dialog& madeOnce(std::unique_ptr<Dialog>& slot, DialogContext& context) {
    if (!slot) {
        slot = std::make_unique<Dialog>(context);
    }
    return *slot;
}
}  // namespace

ClockDialog& MenuDialogs::dialog(MenuItem item) {
    switch (item) {
        case MenuItem::AddReminder:
            return madeOnce(reminderEditor_, context_);
        case MenuItem::AddLaunch:
            return madeOnce(launchEditor_, context_);
        case MenuItem::Holidays:
            return madeOnce(holidayEditor_, context_);
        case MenuItem::Language:
            return madeOnce(languageChooser_, context_);
        case MenuItem::Skins:
            return madeOnce(skinChooser_, context_);
        case MenuItem::OtherSettings:
            return madeOnce(otherSettings_, context_);
        case MenuItem::About:
            if (!aboutBox_) {
                aboutBox_ = std::make_unique<AboutBox>(context_, aboutCaption_);
            }
            return *aboutBox_;
        case MenuItem::Autostart:
        default:  // called for the dialog items only
            if (!autostartDialog_) {
                makeAutostartDialog();
            }
            return *autostartDialog_;
    }
}

QWidget* MenuDialogs::madeFor(MenuItem item) const {
    switch (item) {
        case MenuItem::AddReminder:
            return reminderEditor_.get();
        case MenuItem::AddLaunch:
            return launchEditor_.get();
        case MenuItem::Holidays:
            return holidayEditor_.get();
        case MenuItem::Language:
            return languageChooser_.get();
        case MenuItem::Skins:
            return skinChooser_.get();
        case MenuItem::Autostart:
            return autostartDialog_.get();
        case MenuItem::OtherSettings:
            return otherSettings_.get();
        case MenuItem::About:
            return aboutBox_.get();
        case MenuItem::Help:
            return help_.get();
        default:
            return nullptr;
    }
}

// The page in the current language: "\system\help-<code>.html" for the code
// the language file gives itself ("rus", "eng", "fre"), the English page for
// a language without one.
QString MenuDialogs::helpFile() const {
    QStringList week(MonthLayout::kWeekdayTexts);
    if (const Expected<LanguageFile> file =
            currentLanguageFile(context_.state.programFolder, context_.state.settings)) {
        (void)file->readTable(QLatin1String(sections::kWeekTable), week, 0);
    }
    const QString code = week.value(MonthLayout::kLayoutCode).trimmed().toLower();
    const auto page = [this](const QString& code) {
        return context_.state.programFolder.path(
            QStringLiteral("\\system\\help-%1.html").arg(code));
    };
    // The code comes from a file anyone can edit: letters only name a page.
    static const QRegularExpression letters(QStringLiteral("^[a-z]{1,8}$"));
    if (letters.match(code).hasMatch() && QFileInfo(page(code)).isFile()) {
        return page(code);
    }
    return page(QStringLiteral("eng"));
}

void MenuDialogs::showHelp(int topic) {
    if (!help_) {
        help_ = std::make_unique<HelpViewer>();
    }
    help_->showTopic(helpFile(), topic);
}
