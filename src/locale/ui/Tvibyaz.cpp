#include "locale/ui/Tvibyaz.h"

namespace {
ChooserSetup languageSetup() {
    ChooserSetup setup;
    setup.helpTopic = 1;
    setup.caption = QStringLiteral("Выбор языка");
    setup.sectionHeader = QStringLiteral("[funlang]");
    setup.folder = QStringLiteral("\\lang");
    setup.extension = QStringLiteral(".lng");
    setup.field = SettingsNameChoice::Field::LangFile;
    setup.fileListName = QStringLiteral("vf");
    setup.listName = QStringLiteral("lb");
    return setup;
}
}  // namespace

Tvibyaz::Tvibyaz(DialogContext context, QWidget* parent)
    : ChooserDialog(context, languageSetup(), parent) {}
