#pragma once

// Whether an assistive technology such as a screen reader listens. Qt turns
// its accessibility on only while one does; what is made for a listener
// alone (texts read from the language file, the news of each minute) is made
// and sent only then, so that without one it costs nothing.
namespace screenreader {

// Follows Qt's own switch (QAccessible::setActive), which the platform's
// bridge throws when a listener comes or goes; it hears of the switch only
// from the first call of either function on, so the program calls
// follow() as soon as its application object is made.
void follow();
bool listening();

}  // namespace screenreader
