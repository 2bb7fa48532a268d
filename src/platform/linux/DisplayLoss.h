#pragma once

#include <QString>

// The X display is the clock's lifeline, and Qt's xcb platform ends badly
// when it fails: it aborts when the display cannot be opened, may abort or
// crash when the server goes away while the connection is being set up, and
// leaves through Xlib's report of several lines, or is killed by SIGPIPE,
// when it goes away later. Each of these ends the program with one line on
// stderr and status 1, the marker socket removed. Nothing is written to disk
// on the way out, and no save can be cut short: saves run on the event
// loop's thread and end before the loop looks at the display again.
class DisplayLoss {
  public:
    // Before QApplication: false, with the line printed, when the display
    // cannot be opened. True for other platforms than xcb.
    static bool displayOpens();
    // Before QApplication: from here on, a lost display ends the program as
    // above. Qt's messages are held back until started(), since a start
    // that fails on the display says so in one line instead. A start whose
    // connection the server dropped, the server staying, runs main again
    // with argv, a few times at most.
    static void watch(char** argv);
    // QApplication has made its connection: held messages are let through.
    static void started();
    // The marker socket this instance holds, removed if the display ends it.
    static void removeAtEnd(const QString& path);
};
