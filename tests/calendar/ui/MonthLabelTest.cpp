#include <QDir>
#include <QImage>

#include "CalendarFixture.h"
#include "FakePlatform.h"
#include "calendar/ui/CalendarWindow.h"
#include "calendar/widgets/Label3D.h"

// Every month name of every supplied language is drawn whole inside the
// month label's bevel. The text is clipped to the space inside it, so a
// stroke that reaches that space's first or last row is taken as cut off.
class MonthLabelTest : public CalendarFolderTest {
  protected:
    static QStringList suppliedLanguages() {
        return QDir(QStringLiteral(CHRONIDEX_DATA_TREE "/lang"))
            .entryList({QStringLiteral("*.lng")}, QDir::Files);
    }
    void useSupplied(const QString& name) {
        QFile file(QStringLiteral(CHRONIDEX_DATA_TREE "/lang/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        folder.write(QStringLiteral("lang/Test.lng"), file.readAll());
        settings.setLangFile(QStringLiteral("Test.lng"));
    }
    // The bevel and the rows just inside it.
    static QList<QRgb> edges(const QImage& image) {
        QList<QRgb> out;
        const int right = image.width() - 1, bottom = image.height() - 1;
        for (int x = 0; x <= right; ++x) {
            out << image.pixel(x, 0) << image.pixel(x, 1) << image.pixel(x, bottom - 1)
                << image.pixel(x, bottom);
        }
        for (int y = 0; y <= bottom; ++y) {
            out << image.pixel(0, y) << image.pixel(right, y);
        }
        return out;
    }

    FakePlatform platform;
};

TEST_F(MonthLabelTest, EveryMonthNameFitsInsideTheBevel) {
    const QStringList languages = suppliedLanguages();
    ASSERT_EQ(languages.size(), 3);
    for (const QString& language : languages) {
        useSupplied(language);
        for (int month = 1; month <= 12; ++month) {
            CalendarWindow calendar(QRect(833, 0, 191, 191), QColor(0x40, 0x60, 0x80),
                                    programFolder(), settings, QDate(2026, month, 10), platform);
            Label3D* label = calendar.monthLabel();
            const QString name = label->caption();
            ASSERT_FALSE(name.trimmed().isEmpty()) << language.toStdString() << " " << month;
            const QImage drawn = label->grab().toImage();
            label->setCaption(QString());
            const QImage bare = label->grab().toImage();
            EXPECT_TRUE(edges(drawn) == edges(bare))
                << language.toStdString() << ": " << name.toStdString();
        }
    }
    EXPECT_TRUE(platform.errors.isEmpty());
}
