#include "calendar/ui/CalendarWindow.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QPalette>

#include "access/MenuKey.h"
#include "access/ScreenReader.h"
#include "calendar/HolidayFile.h"
#include "calendar/MonthLayout.h"
#include "calendar/ui/CalendarAccessible.h"
#include "calendar/widgets/ColourGrid.h"
#include "calendar/widgets/Label3D.h"
#include "calendar/widgets/RaisedPanel.h"
#include "calendar/widgets/SystemColors.h"
#include "dialogs/FormFont.h"
#include "locale/CurrentLanguageFile.h"
#include "locale/LanguageSections.h"
#include "platform/Platform.h"
#include "settings/FormatNames.h"
#include "texts/CalendarTexts.h"

namespace {

constexpr int kMonths = 12;
const QColor kRed = syscolors::fromBgr(0x0000FF);
const QColor kYellow = syscolors::fromBgr(0x00FFFF);

// The month label's text is drawn from the top of the space inside its
// one-pixel bevel, which clips it. A font whose descenders reach the last row
// there (as "Д" and "р" do at 15 pixels in common sans fonts) looks cut off
// at the calendar's bottom edge, so the size shrinks until every name leaves
// a clear row above and below.
QFont fittingFont(QFont font, const QStringList& names, int innerHeight) {
    auto fits = [&] {
        const QFontMetrics metrics(font);
        for (const QString& name : names) {
            const QRect ink = metrics.tightBoundingRect(name);
            if (!name.isEmpty() && (metrics.ascent() + ink.top() < 1 ||
                                    metrics.ascent() + ink.bottom() > innerHeight - 2)) {
                return false;
            }
        }
        return true;
    };
    while (font.pixelSize() > 9 && !fits()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

}  // namespace

CalendarWindow::CalendarWindow(const QRect& clock, const QColor& faceCorner,
                               const ProgramFolder& folder, const SettingsRecord& settings,
                               const QDate& today, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      monthNames_(kMonths + 1),
      weekdayTexts_(MonthLayout::kWeekdayTexts),
      accessibleTexts_(folder, settings) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(formatnames::calendarWindow());
    buildControls();
    move(clock.left(), clock.top() + clock.height());
    // The panel and the label take the face's corner colour, so the calendar
    // looks like part of the skin; the label's text stays readable on it.
    panel_->setColor(faceCorner);
    monthLabel_->setColor(faceCorner);
    monthLabel_->setFontColor(inverse(faceCorner));
    if (!loadTables(folder, settings, platform)) {
        return;
    }
    monthLabel_->setFont(fittingFont(monthLabel_->font(), monthNames_, monthLabel_->height() - 2));
    fillMonthGrid(today, folder);
}

void CalendarWindow::buildControls() {
    setFixedSize(kWidth, kHeight);
    setFont(formFont(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, syscolors::btnFace());
    setPalette(face);
    setAutoFillBackground(true);

    panel_ = new RaisedPanel(this);
    panel_->setGeometry(0, 0, kWidth, 159);

    monthGrid_ = new ColourGrid(panel_);
    monthGrid_->setGeometry(4, 5, 185, 150);
    monthGrid_->setFont(formFont(11));
    monthGrid_->setFontColor(syscolors::windowText());
    monthGrid_->setColCount(7);
    monthGrid_->setRowCount(7);
    monthGrid_->setDefaultColWidth(25);
    monthGrid_->setDefaultRowHeight(20);
    monthGrid_->setFixedRows(1);
    monthGrid_->setFixedCols(0);
    for (CellLooks* set : {&monthGrid_->fixedRowLooks(), &monthGrid_->fixedColumnLooks(),
                           &monthGrid_->cornerLooks()}) {
        set->setColor(syscolors::btnFace());
        set->setFont(formFont(11));
        set->setFontColor(syscolors::windowText());
    }
    monthGrid_->setEnabled(false);

    monthLabel_ = new Label3D(this);
    monthLabel_->setGeometry(0, kHeight - 18, kWidth, 18);
    // The form's own caption, until the month names are read.
    monthLabel_->setCaption(calendartexts::monthNames().at(1));
    monthLabel_->setFont(formFont(15));
}

QColor CalendarWindow::cornerColour(const QImage& face) {
    if (face.isNull()) {
        return syscolors::btnFace();
    }
    return QColor(face.pixel(0, 0)).toRgb();
}

QColor CalendarWindow::inverse(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return QColor(255 - rgb.red(), 255 - rgb.green(), 255 - rgb.blue());
}

bool CalendarWindow::loadTables(const ProgramFolder& folder, const SettingsRecord& settings,
                                Platform& platform) {
    const Expected<LanguageFile> file = currentLanguageFile(folder, settings);
    Expected<void> read =
        file ? file->readTable(QLatin1String(sections::kMonthTable), monthNames_, 1)
             : Failure{file.error()};
    if (read) {
        read = file->readTable(QLatin1String(sections::kWeekTable), weekdayTexts_, 0);
    }
    if (!read) {
        platform.showError(read.error());
    }
    return read.ok();
}

void CalendarWindow::fillMonthGrid(const QDate& today, const ProgramFolder& folder) {
    MonthLayout layout(today, weekdayTexts_);
    monthLabel_->setCaption(monthNames_.value(layout.month()));
    // A month without a holiday file has no holidays; that is no error.
    if (const Expected<QStringList> lines =
            holidays::read(holidays::pathFor(folder, layout.month()))) {
        layout.markHolidays(*lines);
    }
    showLayout(layout);
    layout_ = layout;
    year_ = today.year();
    readingDay_ = today.day();
}

QString CalendarWindow::title() const {
    if (!layout_) {
        return {};
    }
    return monthNames_.value(layout_->month()) + QLatin1Char(' ') + QString::number(year_);
}

// Shown without taking the focus, the calendar takes it when clicked.
void CalendarWindow::mousePressEvent(QMouseEvent* event) {
    activateWindow();
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

void CalendarWindow::keyPressEvent(QKeyEvent* event) {
    if (menukey::opensMenu(*event)) {
        if (onMenuKey) {
            onMenuKey();
        }
        return;
    }
    const int days = layout_ ? layout_->days() : 0;
    int day = readingDay_;
    switch (event->key()) {
        case Qt::Key_Left:
            day -= 1;
            break;
        case Qt::Key_Right:
            day += 1;
            break;
        case Qt::Key_Up:
            day -= MonthLayout::kColumns;
            break;
        case Qt::Key_Down:
            day += MonthLayout::kColumns;
            break;
        case Qt::Key_Home:
            day = 1;
            break;
        case Qt::Key_End:
            day = days;
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (days > 0 && day >= 1 && day <= days) {
        readDay(day);
    }
}

// The day is only read out: the grid shows no cursor.
void CalendarWindow::readDay(int day) {
    readingDay_ = day;
    if (!screenreader::listening() || !hasFocus()) {
        return;
    }
    int col = 0;
    int row = 0;
    layout_->findDay(day, &col, &row);
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(CalendarAccessible::childIndex(col, row));
    QAccessible::updateAccessibility(&event);
}

// The calendar has no menu of its own; only the menu key reaches the clock's.
void CalendarWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard && onMenuKey) {
        onMenuKey();
        return;
    }
    event->ignore();
}

void CalendarWindow::showLayout(const MonthLayout& layout) {
    for (int row = 0; row < MonthLayout::kRows; ++row) {
        for (int col = 0; col < MonthLayout::kColumns; ++col) {
            const MonthLayout::Cell& cell = layout.cell(col, row);
            CellLooks& looks = monthGrid_->cellLooks(col, row);
            looks.setText(cell.text);
            if (cell.red) {
                looks.setFontColor(kRed);
            }
            if (cell.yellow) {
                looks.setColor(kYellow);
            }
        }
    }
}
