#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "FakePlatform.h"
#include "ProgramFolderCopy.h"
#include "TempFolder.h"
#include "app/ChronidexApp.h"
#include "settings/SettingsFile.h"

// Every text of every window, in every supplied language, fits the control
// that shows it with the fonts this platform has.
namespace {

// What of `text` cannot be seen in `room` with `metrics`; empty when all of it fits.
QString overflow(const QFontMetrics& metrics, const QRect& room, const QString& text, bool wrap) {
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, room.width(), 100000), wrap ? Qt::TextWordWrap : 0, text);
    if (needed.width() > room.width() || needed.height() > room.height()) {
        return QStringLiteral("needs %1x%2 in %3x%4")
            .arg(needed.width())
            .arg(needed.height())
            .arg(room.width())
            .arg(room.height());
    }
    return {};
}

QString overflow(const QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) {
            return {};
        }
        const int margin = label->margin();
        return overflow(metrics, label->contentsRect().adjusted(margin, margin, -margin, -margin),
                        QString(label->text()).remove(QLatin1Char('&')), label->wordWrap());
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        return overflow(metrics, room, QString(box->text()).remove(QLatin1Char('&')), false);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        // The bevel and the focus frame take a few pixels on each side.
        const QRect room = button->rect().adjusted(4, 2, -4, -2);
        return overflow(metrics, room, QString(button->text()).remove(QLatin1Char('&')), false);
    }
    return {};
}

class TextFit : public ::testing::TestWithParam<const char*> {
  protected:
    TextFit() {
        copySuppliedFolder(folder);
        const SettingsFile file(folder.path(QStringLiteral("system/system.ini")));
        file.updateCopy(
            [](SettingsRecord& rec) { rec.setLangFile(QString::fromUtf8(GetParam())); });
        platform.desktop = QRect(0, 0, 1280, 1024);
    }

    // "window: control 'text' needs ..." for every text that does not fit.
    QStringList misfits(const QWidget* window) {
        QStringList out;
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(window)) {
                continue;
            }
            const QString why = overflow(child);
            if (!why.isEmpty()) {
                const auto* button = qobject_cast<const QAbstractButton*>(child);
                const auto* label = qobject_cast<const QLabel*>(child);
                out << QStringLiteral("%1: %2 \"%3\" %4")
                           .arg(window->windowTitle(), child->metaObject()->className(),
                                label    ? label->text()
                                : button ? button->text()
                                         : QString(),
                                why);
            }
        }
        return out;
    }

    TempFolder folder;
    FakePlatform platform;
    ChronidexApp app{platform};
};

}  // namespace

TEST_P(TextFit, EveryTextOfEveryDialogFitsItsControl) {
    ASSERT_TRUE(app.start(folder.root()));
    QStringList all;
    for (MenuItem item :
         {MenuItem::AddReminder, MenuItem::AddLaunch, MenuItem::Holidays, MenuItem::Language,
          MenuItem::Skins, MenuItem::Autostart, MenuItem::OtherSettings, MenuItem::About}) {
        app.menu().item(item)->trigger();
        QWidget* dialog = app.dialogFor(item);
        ASSERT_NE(dialog, nullptr);
        // The texts come from the language file when the dialog is activated.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(dialog, &activate);
        all << misfits(dialog);
        dialog->hide();
    }
    all << misfits(app.calendar());
    EXPECT_TRUE(all.isEmpty()) << all.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit,
                         ::testing::Values("Русский.lng", "English.lng", "French.lng"));
