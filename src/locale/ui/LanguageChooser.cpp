#include "locale/ui/LanguageChooser.h"

namespace {
ChooserSetup languageSetup() {
    ChooserSetup setup;
    setup.helpTopic = 1;
    setup.caption = QStringLiteral("Выбор языка");
    setup.sectionHeader = QStringLiteral("[funlang]");
    setup.folder = QStringLiteral("\\lang");
    setup.extension = QStringLiteral(".lng");
    setup.field = SettingsNameChoice::Field::LangFile;
    return setup;
}
}  // namespace

LanguageChooser::LanguageChooser(DialogContext context, QWidget* parent)
    : ChooserDialog(context, languageSetup(), parent) {}
