#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include "FakePlatform.h"
#include "FakeProgramControl.h"
#include "FakeTimer.h"
#include "TempFolder.h"
#include "autohide/DialogProtocol.h"
#include "dialogs/DialogContext.h"
#include "settings/Cp1251.h"
#include "settings/SettingsFile.h"

// A program folder with a language file whose dialog sections carry English
// texts, the clock's state, fake timers and platform, and a dialog context.
class DialogFixture : public ::testing::Test {
  protected:
    DialogFixture() {
        state.programFolder = ProgramFolder(folder.root());
        state.settings = SettingsRecord::defaults();
        state.skinName = QStringLiteral("Classic");
        state.reloadReminders = false;
        state.reloadLaunches = false;
        platform.clock = QDateTime(QDate(2026, 3, 10), QTime(14, 7, 30));
        folder.write(QStringLiteral("lang/Русский.lng"), cp1251::encode(kLanguage));
        folder.write(QStringLiteral("system/system.ini"), state.settings.bytes());
    }

    // What the window system sends when the dialog becomes the active window.
    static void activate(QWidget& dialog) {
        dialog.show();
        QEvent event(QEvent::WindowActivate);
        QApplication::sendEvent(&dialog, &event);
    }

    QByteArray fixture(const QString& name) const {
        QFile file(testData(QStringLiteral("scheduler/") + name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }

    static inline const QString kLanguage = QStringLiteral(
        "[funmem]\r\nReminders\r\nhour\r\nmin.\r\nReminder text\r\nCancel\r\n[end]\r\n"
        "[funrun]\r\nLaunch\r\nHour\r\nMin\r\nFile\r\nBrowse\r\nCancel\r\nPrograms\r\n[end]\r\n"
        "[funoth]\r\nOther\r\nHide automatically\r\nWithout the tab\r\nHiding time\r\n"
        "Cancel\r\nDelete\r\nNo sound\r\n[end]\r\n");

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
