#include "table/StrConv.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

TEST(WinToDos, CyrillicLettersAndThePlusMinusSign) {
    EXPECT_EQ(WinToDos(QStringLiteral("ЭРОА=35±5 Бк/м3")), Hex("9D908E803D33352B2F2D352081AA2FAC33"));
}

TEST(WinToDos, AllSixtyFourBasicLetters) {
    QString upper, lower;
    for (char16_t c = u'А'; c <= u'Я'; ++c)
        upper.append(QChar(c));
    for (char16_t c = u'а'; c <= u'я'; ++c)
        lower.append(QChar(c));
    const QByteArray u = WinToDos(upper);
    const QByteArray l = WinToDos(lower);
    ASSERT_EQ(u.size(), 32);
    ASSERT_EQ(l.size(), 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(static_cast<uint8_t>(u[i]), 0x80 + i);
        EXPECT_EQ(static_cast<uint8_t>(l[i]), i < 16 ? 0xA0 + i : 0xE0 + i - 16);
    }
}

TEST(WinToDos, AsciiAndEmptyPassThrough) {
    EXPECT_EQ(WinToDos(QStringLiteral("abc")), QByteArray("abc"));
    EXPECT_EQ(WinToDos(QString()), QByteArray());
    EXPECT_EQ(WinToDos(QStringLiteral(" 5 | 09:03:07\t~")), QByteArray(" 5 | 09:03:07\t~"));
}

TEST(WinToDos, LettersAndSignsBeyondTheBasicAlphabetGetTheirOwnCodes) {
    EXPECT_EQ(WinToDos(QStringLiteral("Ёж")), Hex("F0A6"));
    EXPECT_EQ(WinToDos(QStringLiteral("ёЄєЇїЎў")), Hex("F1F2F3F4F5F6F7"));
    EXPECT_EQ(WinToDos(QStringLiteral("№°·¤")), Hex("FCF8FAFD"));
    EXPECT_EQ(WinToDos(QString(QChar(0x00A0))), Hex("FF"));
    EXPECT_EQ(WinToDos(QStringLiteral("─│┼█")), Hex("C4B3C5DB"));
}

TEST(WinToDos, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(WinToDos(QStringLiteral("€—é")), QByteArray("???"));
    EXPECT_EQ(WinToDos(QStringLiteral("a😀b")), QByteArray("a?b")); // one mark for one character
    EXPECT_EQ(WinToDos(QStringLiteral("ґ")), QByteArray("?"));
}

TEST(WinToDos, EachPlusMinusGrowsTheLineByTwo) {
    const QString line = QStringLiteral("12±2  30±4");
    EXPECT_EQ(WinToDos(line).size(), line.size() + 4);
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
    EXPECT_EQ(WinToDos(field).size(), 20);
}

} // namespace
