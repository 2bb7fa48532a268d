#include "desktop/ui/TSkins.h"

namespace {
ChooserSetup skinSetup() {
    ChooserSetup setup;
    setup.helpTopic = 2;
    setup.caption = QStringLiteral("Обложки");
    setup.sectionHeader = QStringLiteral("[funskin]");
    setup.folder = QStringLiteral("\\skins");
    setup.extension = QStringLiteral(".skn");
    setup.field = SettingsNameChoice::Field::SkinFile;
    setup.fileListName = QStringLiteral("vskin");
    setup.listName = QStringLiteral("lbs");
    return setup;
}
}  // namespace

TSkins::TSkins(DialogContext context, QWidget* parent)
    : ChooserDialog(context, skinSetup(), parent) {}
