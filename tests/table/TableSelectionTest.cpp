#include "table/TableSelection.h"

#include <gtest/gtest.h>

namespace {

TEST(RowSelection, ConfinedToTheVisibleMeasurements) {
    // The graph shows 10 … 30.
    const RowSelection before = DecideRowSelection(1, 10, 21);
    EXPECT_FALSE(before.accepted);
    EXPECT_EQ(before.pointer, 10);
    EXPECT_EQ(before.message, QStringLiteral("Это первое измерение в области видимости "));

    const RowSelection after = DecideRowSelection(40, 10, 21);
    EXPECT_FALSE(after.accepted);
    EXPECT_EQ(after.pointer, 30);
    EXPECT_EQ(after.message, QStringLiteral("Это последнее измерение в области видимости "));

    const RowSelection inside = DecideRowSelection(12, 10, 21);
    EXPECT_TRUE(inside.accepted);
    EXPECT_EQ(inside.pointer, 12);
    EXPECT_EQ(inside.message, QStringLiteral(" "));

    EXPECT_TRUE(DecideRowSelection(10, 10, 21).accepted);
    EXPECT_TRUE(DecideRowSelection(30, 10, 21).accepted);
    EXPECT_FALSE(DecideRowSelection(31, 10, 21).accepted);
}

} // namespace
