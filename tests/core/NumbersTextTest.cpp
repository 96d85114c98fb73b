#include <gtest/gtest.h>

#include "core/Files.h"
#include "core/Numbers.h"
#include "core/Text.h"

TEST(Numbers, ClampBitsAndColours) {
    EXPECT_EQ(Clamp(5, 3, 4), 4);  // the minimum wins when the bounds cross
    EXPECT_EQ(Clamp(5, 10, 0), 5);
    EXPECT_EQ(Clamp(-5, 10, 0), 0);
    EXPECT_EQ(BitCount(0xF0F0u), 8);
    EXPECT_EQ(LowestBit(0), -1);
    EXPECT_EQ(LowestBit(0x80u), 7);
    EXPECT_EQ(ScaleColour(0xFF804020u, 0.5), 0x00402010u);
    EXPECT_EQ(ScaleColour(0x00808080u, 3.0), 0x00808080u);  // 384 keeps its low 8 bits
    EXPECT_EQ(ScaleColour(0x00FFFFFFu, -1.0), 0u);
}

TEST(Numbers, ParseIntClamped) {
    EXPECT_EQ(ParseIntClamped(QStringLiteral("0x1F"), 0, 100), 31);
    EXPECT_EQ(ParseIntClamped(QStringLiteral("250"), 0, 100), 100);
    EXPECT_EQ(ParseIntClamped(QStringLiteral("abc"), 5, 100), 5);
    EXPECT_EQ(ParseIntClamped(QStringLiteral("0x"), 5, 100), 5);
    EXPECT_EQ(ParseIntClamped(QStringLiteral("-60"), -50, 100), -50);
}

TEST(Numbers, ConvertToDouble) {
    EXPECT_EQ(ConvertToDouble(QStringLiteral("N12"), 7), 7);
    EXPECT_EQ(ConvertToDouble(QString(), 7), 7);
    EXPECT_EQ(ConvertToDouble(QStringLiteral("1.5"), 7), 1.5);
    EXPECT_EQ(ConvertToDouble(QStringLiteral("1.5x"), 7), 7);
    EXPECT_EQ(ConvertToDouble(QStringLiteral("-2e3"), 7), -2000);
    EXPECT_EQ(ConvertToDouble(QStringLiteral("nan"), 7), 7);
}

TEST(Numbers, ParseNumberWithSuffix) {
    auto r = ParseNumberWithSuffix(QStringLiteral("53.5N"));
    EXPECT_TRUE(r.ok);
    EXPECT_DOUBLE_EQ(r.number, 53.5);
    EXPECT_EQ(r.suffix, QLatin1Char('N'));
    r = ParseNumberWithSuffix(QStringLiteral("-2"));
    EXPECT_TRUE(r.ok);
    EXPECT_DOUBLE_EQ(r.number, -2);
    EXPECT_TRUE(r.suffix.isNull());
    EXPECT_FALSE(ParseNumberWithSuffix(QStringLiteral("+.")).ok);
    EXPECT_FALSE(ParseNumberWithSuffix(QStringLiteral("12AB")).ok);
    EXPECT_FALSE(ParseNumberWithSuffix(QStringLiteral("W")).ok);
    EXPECT_FALSE(ParseNumberWithSuffix(QString()).ok);
}

TEST(Text, FormattingAndCursors) {
    EXPECT_EQ(FormatSigned(-2.5, 6, 2, "EW"), QStringLiteral("002.50W"));
    EXPECT_EQ(FormatSigned(53.25, 5, 1, "NS"), QStringLiteral("053.2N"));
    EXPECT_EQ(FormatText("%s=%d", "a", 5), QStringLiteral("a=5"));
    EXPECT_EQ(FormatText("%s", std::string(5000, 'x').c_str()).size(), 4095);
    EXPECT_EQ(SubText(QStringLiteral("Orbivale"), 3, 3), QStringLiteral("biv"));
    EXPECT_EQ(SubText(QStringLiteral("Orbivale"), 6, -1), QStringLiteral("ale"));
    EXPECT_EQ(SubText(QStringLiteral("Orbivale"), 7, 10), QStringLiteral("le"));
    EXPECT_EQ(SubText(QStringLiteral("Orbivale"), 9, 1), QString());
    EXPECT_EQ(EnsureTrailingSlash(QStringLiteral("/a")), QStringLiteral("/a/"));
    EXPECT_EQ(EnsureTrailingSlash(QStringLiteral("/a/")), QStringLiteral("/a/"));

    const QString line = QStringLiteral(" \t name_1$ + x");
    int pos = 0;
    EXPECT_EQ(SkipSpaces(line, pos), QLatin1Char('n'));
    QString id;
    EXPECT_EQ(ReadIdentifier(line, pos, id), QLatin1Char('$'));
    EXPECT_EQ(id, QStringLiteral("name_1"));
    EXPECT_EQ(line[pos], QLatin1Char(' '));  // stepped over the '$'
    EXPECT_EQ(ReadIdentifier(line, pos, id), QLatin1Char(' '));
    EXPECT_TRUE(id.isEmpty());
}

TEST(Version, FileVersionNumber) {
    EXPECT_EQ(FileVersionNumber(QStringLiteral("1.2.3")), 0x01020300u);
    EXPECT_EQ(FileVersionNumber(QStringLiteral("4,5,6,7")), 0x04050607u);
    EXPECT_EQ(FileVersionNumber(QString()), 0u);
    EXPECT_FALSE(FileVersionText().isEmpty());
    EXPECT_EQ(FileVersionNumber() >> 24,
              static_cast<unsigned>(FileVersionText().section('.', 0, 0).toInt()));
}
