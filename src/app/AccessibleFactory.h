#pragma once

// Gives the program's own windows and controls, which Qt knows only as
// plain widgets, the accessible interfaces that tell a screen reader what
// they are, and the application the one that lists its open menus; and
// starts following whether a screen reader listens. Called
// once, right after the application object is made and before any window.
void installAccessibleFactory();
