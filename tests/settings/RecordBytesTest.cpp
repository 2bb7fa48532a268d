#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>

#include "settings/Cp1251.h"
#include "settings/DayCount.h"
#include "settings/RecordBytes.h"

TEST(ShortString, LengthAboveCapacityReadsOnlyTheCapacity) {
    QByteArray rec(26, 'x');
    rec[0] = char(200);
    EXPECT_EQ(record::shortString(rec, 0, 25), QByteArray(25, 'x'));
    // A record cut short never reads past its end.
    EXPECT_TRUE(record::shortString(rec.left(10), 0, 25).isEmpty());
}

TEST(ShortString, WritingCutsToCapacityAndKeepsTheUnusedTail) {
    QByteArray rec(6, 'z');
    record::setShortString(rec, 0, 5, "12:345");
    EXPECT_EQ(rec, QByteArray("\x05"
                              "12:34"));
    record::setShortString(rec, 0, 5, "ab");
    EXPECT_EQ(rec, QByteArray("\x02"
                              "ab:34"));
    EXPECT_EQ(record::shortString(rec, 0, 5), QByteArray("ab"));
}

TEST(Numbers, LittleEndianIntegersAndDoubles) {
    QByteArray rec(12, '\0');
    record::setInt32(rec, 0, -2);
    EXPECT_EQ(rec.left(4), QByteArray("\xfe\xff\xff\xff", 4));
    record::setFloat64(rec, 4, 45000.914);
    EXPECT_DOUBLE_EQ(record::float64(rec, 4), 45000.914);
    // 1.0 is 0x3FF0000000000000, stored low byte first.
    record::setFloat64(rec, 4, 1.0);
    EXPECT_EQ(rec.mid(4), QByteArray("\0\0\0\0\0\0\xf0\x3f", 8));
    EXPECT_EQ(record::int32(rec, 10), 0);  // out of the record: no read
}

TEST(Booleans, WrittenAsZeroOrOneReadAsNonZero) {
    QByteArray rec(1, char(7));
    EXPECT_TRUE(record::boolean(rec, 0));
    record::setBoolean(rec, 0, true);
    EXPECT_EQ(rec[0], 1);
    record::setBoolean(rec, 0, false);
    EXPECT_EQ(rec[0], 0);
}

TEST(DayCount, WholeDaysFromTheEpochAndFractionsIgnored) {
    EXPECT_EQ(daycount::toDate(0.0), QDate(1899, 12, 30));
    EXPECT_EQ(daycount::toDate(45000.914), QDate(2023, 3, 15));
    EXPECT_EQ(daycount::fromDate(QDate(2023, 3, 15)), 45000.0);
    EXPECT_DOUBLE_EQ(daycount::fromDateTime(QDateTime(QDate(2023, 3, 15), QTime(12, 0))), 45000.5);
    EXPECT_FALSE(daycount::toDate(std::nan("")).isValid());
    EXPECT_FALSE(daycount::toDate(1e300).isValid());
}

TEST(Cp1251, RoundTripsCyrillicAndNamesWhatItCannotHold) {
    const QString name = QStringLiteral("Русский.lng");
    const QByteArray bytes = cp1251::encode(name);
    EXPECT_EQ(bytes, QByteArray("\xd0\xf3\xf1\xf1\xea\xe8\xe9.lng"));
    EXPECT_EQ(cp1251::decode(bytes), name);
    EXPECT_TRUE(cp1251::canEncode(QStringLiteral("Привет, world №1")));
    EXPECT_EQ(cp1251::unencodable(QStringLiteral("café 日本日")), QStringLiteral("é日本"));
    EXPECT_EQ(cp1251::encode(QStringLiteral("a日b")), QByteArray("a?b"));
}

// The table must give, byte for byte, what the system's own windows-1251
// codec gives, both ways: every file the program ever wrote depends on it.
TEST(Cp1251, AgreesWithTheSystemCodecOnEveryByteAndEveryCharacter) {
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        QStringDecoder decoder("windows-1251");
        const QString expected = decoder.decode(QByteArrayView(&byte, 1));
        EXPECT_EQ(cp1251::decode(QByteArrayView(&byte, 1)), expected) << "byte " << b;
    }
    int mismatches = 0;
    for (int u = 0; u < 0x10000 && mismatches < 10; ++u) {
        const QChar c{char16_t(u)};
        QStringEncoder encoder("windows-1251");
        const QByteArray one = encoder.encode(QStringView(&c, 1));
        const bool holds = !encoder.hasError() && one.size() == 1;
        const QString text(c);
        if (cp1251::encode(text) != (holds ? one : QByteArray("?")) ||
            cp1251::canEncode(text) != holds || cp1251::unencodable(text).isEmpty() != holds) {
            ADD_FAILURE() << "U+" << std::hex << u;
            ++mismatches;
        }
    }
}
