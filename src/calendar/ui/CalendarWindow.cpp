#include "calendar/ui/CalendarWindow.h"

#include <QImage>
#include <QPalette>

#include "calendar/CurrentLanguageFile.h"
#include "calendar/HolidayFile.h"
#include "calendar/MonthLayout.h"
#include "calendar/ui/FormFont.h"
#include "calendar/widgets/Label3D.h"
#include "calendar/widgets/RaisedPanel.h"
#include "calendar/widgets/SystemColors.h"
#include "calendar/widgets/VesColorStringGrid.h"
#include "platform/Platform.h"

namespace {

constexpr int kMonths = 12;
const QColor kRed = syscolors::fromBgr(0x0000FF);
const QColor kYellow = syscolors::fromBgr(0x00FFFF);

}  // namespace

Tkol::Tkol(const QRect& clock, const QColor& faceCorner, const ProgramFolder& folder,
           const SettingsRecord& settings, const QDate& today, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      monthNames_(kMonths + 1),
      weekdayTexts_(MonthLayout::kWeekdayTexts) {
    buildControls();
    move(clock.left(), clock.top() + clock.height());
    // The panel and the label take the face's corner colour, so the calendar
    // looks like part of the skin; the label's text stays readable on it.
    panel1_->setColor(faceCorner);
    nazm_->setColor(faceCorner);
    nazm_->setFontColor(inverse(faceCorner));
    if (!loadTables(folder, settings, platform)) {
        return;
    }
    fillMonthGrid(today, folder);
}

void Tkol::buildControls() {
    setFixedSize(kWidth, kHeight);
    setFont(formFont(11));
    QPalette face = palette();
    face.setColor(QPalette::Window, syscolors::btnFace());
    setPalette(face);
    setAutoFillBackground(true);

    panel1_ = new RaisedPanel(this);
    panel1_->setGeometry(0, 0, kWidth, 159);

    mes_ = new VesColorStringGrid(panel1_);
    mes_->setGeometry(4, 5, 185, 150);
    mes_->setFont(formFont(11));
    mes_->setFontColor(syscolors::windowText());
    mes_->setColCount(7);
    mes_->setRowCount(7);
    mes_->setDefaultColWidth(25);
    mes_->setDefaultRowHeight(20);
    mes_->setFixedRows(1);
    mes_->setFixedCols(0);
    for (VesCellProperties* set :
         {&mes_->fixedRowParam(), &mes_->fixedColParam(), &mes_->topLeftCorner()}) {
        set->setColor(syscolors::btnFace());
        set->setFont(formFont(11));
        set->setFontColor(syscolors::windowText());
    }
    mes_->setEnabled(false);

    nazm_ = new Label3D(this);
    nazm_->setGeometry(0, kHeight - 18, kWidth, 18);
    nazm_->setAlignment(Qt::AlignHCenter);
    nazm_->setCaption(QStringLiteral("Февраль"));
    nazm_->setFont(formFont(15));
    nazm_->setFirstColor(Qt::white);
    nazm_->setLastColor(syscolors::fromBgr(0x808000));  // teal
    nazm_->setFillGradient(false);
    nazm_->setGradientOrientation(GradientOrientation::goHorizontal);
    nazm_->setHighLightColor(syscolors::fromBgr(0x808080));  // gray
    nazm_->setShadowColor(syscolors::fromBgr(0x008000));     // green
    nazm_->setShadowSize(0);
    nazm_->setBorderColor(Qt::black);
    nazm_->setBorderWidth(1);
    nazm_->setBorderStyle(Label3DBorderStyle::lbRaised);
    nazm_->setBevel(Label3DBevel::blRaised);
}

QColor Tkol::cornerColour(const QImage& face) {
    if (face.isNull()) {
        return syscolors::btnFace();
    }
    return QColor(face.pixel(0, 0)).toRgb();
}

QColor Tkol::inverse(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return QColor(255 - rgb.red(), 255 - rgb.green(), 255 - rgb.blue());
}

bool Tkol::loadTables(const ProgramFolder& folder, const SettingsRecord& settings,
                      Platform& platform) {
    QString error;
    const std::optional<LanguageFile> file = currentLanguageFile(folder, settings, &error);
    if (!file || !file->readTable(QStringLiteral("[month]"), monthNames_, 1, &error) ||
        !file->readTable(QStringLiteral("[nedelya]"), weekdayTexts_, 0, &error)) {
        platform.showError(error);
        return false;
    }
    return true;
}

void Tkol::fillMonthGrid(const QDate& today, const ProgramFolder& folder) {
    MonthLayout layout(today, weekdayTexts_);
    nazm_->setCaption(monthNames_.value(layout.month()));
    // A month without a holiday file has no holidays; that is no error.
    if (const std::optional<QStringList> lines =
            holidays::read(holidays::pathFor(folder, layout.month()))) {
        layout.markHolidays(*lines);
    }
    showLayout(layout);
}

void Tkol::showLayout(const MonthLayout& layout) {
    for (int row = 0; row < MonthLayout::kRows; ++row) {
        for (int col = 0; col < MonthLayout::kColumns; ++col) {
            const MonthLayout::Cell& cell = layout.cell(col, row);
            VesCellProperties& looks = mes_->cellProperties(col, row);
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
