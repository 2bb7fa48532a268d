#include "desktop/ui/SkinChooser.h"
#include "locale/LanguageSections.h"
#include "settings/FormatNames.h"
#include "texts/DialogTexts.h"

namespace {
ChooserSetup skinSetup() {
    ChooserSetup setup;
    setup.helpTopic = 2;
    setup.caption = dialogtexts::skinChooserCaption();
    setup.sectionHeader = QLatin1String(sections::chooser::kSkinHeader);
    setup.folder = formatnames::skinFolder();
    setup.extension = QStringLiteral(".skn");
    setup.field = SettingsNameChoice::Field::SkinFile;
    return setup;
}
}  // namespace

SkinChooser::SkinChooser(DialogContext context, QWidget* parent)
    : ChooserDialog(context, skinSetup(), parent) {}
