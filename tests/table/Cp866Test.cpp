#include "table/Cp866.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

TEST(ToCp866, CyrillicLettersAndThePlusMinusSign) {
    EXPECT_EQ(ToCp866(QStringLiteral("ЭРОА=35±5 Бк/м3")), Hex("9D908E803D33352B2F2D352081AA2FAC33"));
}

TEST(ToCp866, AllSixtyFourBasicLetters) {
    QString upper, lower;
    for (char16_t c = u'А'; c <= u'Я'; ++c)
        upper.append(QChar(c));
    for (char16_t c = u'а'; c <= u'я'; ++c)
        lower.append(QChar(c));
    const QByteArray u = ToCp866(upper);
    const QByteArray l = ToCp866(lower);
    ASSERT_EQ(u.size(), 32);
    ASSERT_EQ(l.size(), 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(static_cast<uint8_t>(u[i]), 0x80 + i);
        EXPECT_EQ(static_cast<uint8_t>(l[i]), i < 16 ? 0xA0 + i : 0xE0 + i - 16);
    }
}

TEST(ToCp866, AsciiAndEmptyPassThrough) {
    EXPECT_EQ(ToCp866(QStringLiteral("abc")), QByteArray("abc"));
    EXPECT_EQ(ToCp866(QString()), QByteArray());
    EXPECT_EQ(ToCp866(QStringLiteral(" 5 | 09:03:07\t~")), QByteArray(" 5 | 09:03:07\t~"));
}

TEST(ToCp866, LettersAndSignsBeyondTheBasicAlphabetGetTheirOwnCodes) {
    EXPECT_EQ(ToCp866(QStringLiteral("Ёж")), Hex("F0A6"));
    EXPECT_EQ(ToCp866(QStringLiteral("ёЄєЇїЎў")), Hex("F1F2F3F4F5F6F7"));
    EXPECT_EQ(ToCp866(QStringLiteral("№°·¤")), Hex("FCF8FAFD"));
    EXPECT_EQ(ToCp866(QString(QChar(0x00A0))), Hex("FF"));
    EXPECT_EQ(ToCp866(QStringLiteral("─│┼█")), Hex("C4B3C5DB"));
}

TEST(ToCp866, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(ToCp866(QStringLiteral("€—é")), QByteArray("???"));
    EXPECT_EQ(ToCp866(QStringLiteral("a😀b")), QByteArray("a?b")); // one mark for one character
    EXPECT_EQ(ToCp866(QStringLiteral("ґ")), QByteArray("?"));
}

TEST(ToCp866, EachPlusMinusGrowsTheLineByTwo) {
    const QString line = QStringLiteral("12±2  30±4");
    EXPECT_EQ(ToCp866(line).size(), line.size() + 4);
}

TEST(PadRight, WidensButNeverCuts) {
    EXPECT_EQ(PadRight(QStringLiteral("abc"), 5), QStringLiteral("abc  "));
    EXPECT_EQ(PadRight(QStringLiteral("abcdef"), 5), QStringLiteral("abcdef"));
    EXPECT_EQ(PadRight(QString(), 3), QStringLiteral("   "));
    EXPECT_EQ(PadRight(QStringLiteral("abc"), 0), QStringLiteral("abc"));
    EXPECT_EQ(PadRight(QStringLiteral("abc"), -4), QStringLiteral("abc"));
}

TEST(PadRight, CountsWidthsBeforeRecoding) {
    const QString field = PadRight(QStringLiteral("8533±1280"), 18);
    EXPECT_EQ(field.size(), 18);
    EXPECT_EQ(ToCp866(field).size(), 20);
}

} // namespace
