#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include "FakePlatform.h"
#include "FakeProgramControl.h"
#include "FakeTimer.h"
#include "TempFolder.h"
#include "autohide/DialogProtocol.h"
#include "dialogs/DialogContext.h"
#include "settings/Cp1251.h"
#include "settings/SettingsFile.h"

// A program folder whose language file carries English texts for the
// desktop dialogs, the clock's state, fake timers and platform, and the
// dialog context built over them.
class DesktopFixture : public ::testing::Test {
  protected:
    DesktopFixture() {
        state.programFolder = ProgramFolder(folder.root());
        state.settings = SettingsRecord::defaults();
        state.settings.setHideDelay(9);
        writeLanguage(kLanguage);
        folder.write(QStringLiteral("system/system.ini"), state.settings.bytes());
        platform.autostart = folder.path(QStringLiteral("autostart"));
    }

    void writeLanguage(const QString& text) {
        folder.write(QStringLiteral("lang/Русский.lng"), cp1251::encode(text));
    }
    QByteArray settingsBytes() const { return folder.read(QStringLiteral("system/system.ini")); }
    SettingsRecord settingsInFile() const { return SettingsRecord::fromBytes(settingsBytes()); }

    // What the window system sends when the dialog becomes the active window.
    static void activate(QWidget& dialog) {
        dialog.show();
        QEvent event(QEvent::WindowActivate);
        QApplication::sendEvent(&dialog, &event);
    }

    static void mouse(QWidget& widget, QEvent::Type type, QPoint at,
                      Qt::MouseButtons held = Qt::LeftButton) {
        QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }

    static inline const QString kLanguage = QStringLiteral(
        "[funlang]\r\nChoose language\r\nCancel\r\n[end]\r\n"
        "[funskin]\r\nSkins\r\nClose\r\n[end]\r\n"
        "[funaut]\r\nAutostart\r\nAutostart is on. Turn it off?\r\n"
        "Autostart is off. Turn it on?\r\nYes\r\nNo\r\n[end]\r\n");

    TempFolder folder;
    ClockState state;
    FakeClockTimers timers;
    FakePlatform platform;
    DialogProtocol protocol{state, timers.view(), platform};
    FakeProgramControl program{folder.path(QStringLiteral("system/system.ini"))};
    QList<int> helpAsked;
    DialogContext context{state,    timers.view(), protocol,
                          platform, program,       [this](int topic) { helpAsked << topic; }};
};
