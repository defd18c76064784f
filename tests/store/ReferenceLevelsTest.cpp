#include "store/ReferenceLevels.h"

#include <gtest/gtest.h>

namespace {

std::vector<int64_t> Levels(const char* text) {
    const LevelsParse parse = ParseReferenceLevels(QString::fromUtf8(text));
    EXPECT_TRUE(parse.ok()) << text << ": " << parse.error.toStdString();
    return parse.levels;
}

QString Error(const char* text) {
    const LevelsParse parse = ParseReferenceLevels(QString::fromUtf8(text));
    EXPECT_TRUE(parse.levels.empty()) << text;
    return parse.error;
}

TEST(ReferenceLevels, AnySeparatorsAnyOrderEachLevelOnce) {
    EXPECT_EQ(Levels("100, 200 300"), (std::vector<int64_t>{100, 200, 300}));
    EXPECT_EQ(Levels(" 300;100,,\t200 100;\n"), (std::vector<int64_t>{100, 200, 300}));
    EXPECT_EQ(Levels("007"), (std::vector<int64_t>{7}));
    EXPECT_TRUE(Levels("").empty());
    EXPECT_TRUE(Levels(" ,; ").empty());
    // Ten different levels fit, however often they repeat.
    EXPECT_EQ(Levels("1 2 3 4 5 6 7 8 9 10 10 1").size(), 10u);
}

TEST(ReferenceLevels, WhatIsNotAWholePositiveNumberIsNamed) {
    EXPECT_EQ(Error("100, 12.5"),
              QStringLiteral("«12.5» — не целое число: уровни вводятся целыми числами Бк/м³ "
                             "через запятую, точку с запятой или пробел"));
    EXPECT_TRUE(Error("-5").startsWith(QStringLiteral("«-5»")));
    EXPECT_TRUE(Error("1e3").startsWith(QStringLiteral("«1e3»")));
    EXPECT_TRUE(Error("сто").startsWith(QStringLiteral("«сто»")));
    EXPECT_EQ(Error("100 0"), QStringLiteral("Уровень должен быть больше нуля"));
    EXPECT_EQ(Error("1000000000"),
              QStringLiteral("Уровень 1000000000 слишком велик: не больше 999999999 Бк/м³"));
    EXPECT_EQ(Error("99999999999999999999999"),
              QStringLiteral("Уровень 99999999999999999999999 слишком велик: не больше 999999999 Бк/м³"));
    EXPECT_EQ(Error("1 2 3 4 5 6 7 8 9 10 11"), QStringLiteral("Уровней не может быть больше 10"));
}

TEST(ReferenceLevels, TextReadsBackAndTheHighestLevel) {
    const std::vector<int64_t> levels{100, 200, 300};
    EXPECT_EQ(ReferenceLevelsText(levels), QStringLiteral("100, 200, 300"));
    EXPECT_EQ(ParseReferenceLevels(ReferenceLevelsText(levels)).levels, levels);
    EXPECT_EQ(ReferenceLevelsText({}), QString());
    EXPECT_EQ(HighestLevel(levels), 300);
    EXPECT_EQ(HighestLevel({}), std::nullopt);
}

} // namespace
