#include "locale/ui/LanguageChooser.h"
#include "locale/LanguageSections.h"
#include "texts/DialogTexts.h"

namespace {
ChooserSetup languageSetup() {
    ChooserSetup setup;
    setup.helpTopic = 1;
    setup.caption = dialogtexts::languageChooserCaption();
    setup.sectionHeader = QLatin1String(sections::chooser::kLanguageHeader);
    setup.folder = QStringLiteral("\\lang");
    setup.extension = QStringLiteral(".lng");
    setup.field = SettingsNameChoice::Field::LangFile;
    return setup;
}
}  // namespace

LanguageChooser::LanguageChooser(DialogContext context, QWidget* parent)
    : ChooserDialog(context, languageSetup(), parent) {}
