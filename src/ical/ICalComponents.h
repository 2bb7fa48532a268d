#pragma once

#include <libical/ical.h>

#include <QList>
#include <QString>

// What a parsed calendar file holds, as an import walks it.
namespace icalcomponents {

// The VCALENDARs of a parse: the root itself, or those an XROOT gathers
// when the file holds several.
QList<icalcomponent*> calendarsIn(icalcomponent* root);
// A calendar's events and to-dos, the items a reminder can come from.
QList<icalcomponent*> itemsIn(icalcomponent* calendar);
// Why the item is not for reminding (a launch of this program's export,
// cancelled, done), for the user; empty when it is.
QString notWanted(icalcomponent* item);

}  // namespace icalcomponents
