#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <map>
#include <optional>

#include "FakePlatform.h"
#include "ProgramFolderCopy.h"
#include "TempFolder.h"
#include "app/ChronidexApp.h"
#include "dialogs/FormFont.h"
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

// Where `widget` draws its text, in its parent's coordinates, as the label
// and the check box lay it out: the font's metrics, the alignment and the
// wrapping in the room they give it. Nothing for widgets without a text.
std::optional<QRect> drawnText(const QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    QRect room;
    int flags = 0;
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull() ||
            (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()))) {
            return std::nullopt;
        }
        const int margin = label->margin();
        room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        flags = int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) |
                (label->wordWrap() ? Qt::TextWordWrap : 0);
        text = label->text();
    } else if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        if (box->text().isEmpty()) {
            return std::nullopt;
        }
        QStyleOptionButton option;
        option.initFrom(box);
        room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        flags = Qt::AlignLeft | Qt::AlignVCenter;
        text = box->text();
    } else {
        return std::nullopt;
    }
    return metrics.boundingRect(room, flags, text.remove(QLatin1Char('&')))
        .translated(widget->pos());
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

// The least room between a text and a frame or another control.
constexpr int kGap = 2;

// "window: control 'text' runs into ..." for every text drawn over a
// neighbouring control or past the edge of what holds it, or closer to
// either than kGap.
QStringList collisions(const QWidget* window) {
    QStringList out;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window) || child->isWindow()) {
            continue;
        }
        const std::optional<QRect> text = drawnText(child);
        if (!text) {
            continue;
        }
        const QWidget* holder = child->parentWidget();
        const auto report = [&](const QString& what) {
            out << QStringLiteral("%1: %2 \"%3\" drawn at %4,%5 %6x%7 runs into %8")
                       .arg(window->windowTitle(), child->metaObject()->className(),
                            child->property("text").toString())
                       .arg(text->x())
                       .arg(text->y())
                       .arg(text->width())
                       .arg(text->height())
                       .arg(what);
        };
        const QRect withGap = text->adjusted(-kGap, -kGap, kGap, kGap);
        if (!holder->contentsRect().contains(withGap)) {
            report(QStringLiteral("the edge of its %1").arg(holder->metaObject()->className()));
        }
        for (const QObject* other : holder->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(other);
            if (sibling && sibling != child && !sibling->isWindow() &&
                sibling->isVisibleTo(window) && sibling->geometry().intersects(withGap)) {
                report(QStringLiteral("%1 at %2,%3")
                           .arg(sibling->metaObject()->className())
                           .arg(sibling->x())
                           .arg(sibling->y()));
            }
        }
    }
    return out;
}

// "window: sizes ..." when the window's texts are not all at one size. Texts
// the design sets larger than the window's font (a heading, a question) are
// sizes of their own; every other text shrinks with the rest or not at all,
// and not at all where the forms' designed font is at hand.
QStringList mixedSizes(const QWidget* window) {
    const int formSize = QFontInfo(window->font()).pixelSize();
    std::map<int, QStringList> textsBySize;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        const int size = QFontInfo(child->font()).pixelSize();
        if (child->isVisibleTo(window) && drawnText(child) && size <= formSize) {
            textsBySize[size] << child->property("text").toString();
        }
    }
    const bool expected =
        textsBySize.empty() || (textsBySize.size() == 1 &&
                                (!formFontIsDesigned() || textsBySize.begin()->first == formSize));
    if (expected) {
        return {};
    }
    QStringList sizes;
    for (const auto& [size, texts] : textsBySize) {
        sizes << QStringLiteral("%1 px: %2").arg(size).arg(texts.join(QStringLiteral(", ")));
    }
    return {QStringLiteral("%1: form font %2 px, texts at %3")
                .arg(window->windowTitle())
                .arg(formSize)
                .arg(sizes.join(QStringLiteral("; ")))};
}

class TextFit : public ::testing::TestWithParam<const char*> {
  protected:
    TextFit() {
        copySuppliedFolder(folder);
        const SettingsFile file(folder.path(QStringLiteral("system/system.ini")));
        EXPECT_TRUE(file.updateCopy(
            [](SettingsRecord& rec) { rec.setLangFile(QString::fromUtf8(GetParam())); }));
        platform.desktop = QRect(0, 0, 1280, 1024);
    }

    // `check` over every dialog of the menu, each opened and activated as
    // the user would, and over the calendar.
    QStringList overWindows(QStringList (*check)(const QWidget*)) {
        QStringList all;
        if (!app.start(folder.root())) {
            return {QStringLiteral("the program did not start")};
        }
        for (MenuItem item :
             {MenuItem::AddReminder, MenuItem::AddLaunch, MenuItem::Holidays, MenuItem::Language,
              MenuItem::Skins, MenuItem::Autostart, MenuItem::OtherSettings, MenuItem::About}) {
            app.menu().item(item)->trigger();
            QWidget* dialog = app.dialogFor(item);
            if (!dialog) {
                all << QStringLiteral("no dialog for menu item %1").arg(int(item));
                continue;
            }
            // The texts come from the language file when the dialog is activated.
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(dialog, &activate);
            all << check(dialog);
            dialog->hide();
        }
        all << check(app.calendar());
        return all;
    }

    TempFolder folder;
    FakePlatform platform;
    ChronidexApp app{platform};
};

}  // namespace

TEST_P(TextFit, EveryTextOfEveryDialogFitsItsControl) {
    const QStringList all = overWindows(misfits);
    EXPECT_TRUE(all.isEmpty()) << all.join(QLatin1Char('\n')).toStdString();
}

// A text that fits its own control may still be drawn over the control
// beside it, or past the window's edge where the control sticks out.
TEST_P(TextFit, NoTextIsDrawnOverANeighbourOrPastItsWindow) {
    const QStringList all = overWindows(collisions);
    EXPECT_TRUE(all.isEmpty()) << all.join(QLatin1Char('\n')).toStdString();
}

// Texts of one form are drawn at one size: in the designed font, at the
// form's own; without it, shrunk together where one does not fit.
TEST_P(TextFit, EachWindowDrawsItsTextsAtOneSize) {
    const QStringList all = overWindows(mixedSizes);
    EXPECT_TRUE(all.isEmpty()) << all.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit,
                         ::testing::Values("Русский.lng", "English.lng", "French.lng"));
