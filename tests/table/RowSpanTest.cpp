#include "table/RowSpan.h"

#include <gtest/gtest.h>

namespace {

bool SameSpan(const std::optional<MeasurementSpan>& span, int first, int last) {
    return span && span->first == first && span->last == last;
}

TEST(RowSpan, WithNothingMarkedACopyTakesTheCurrentRow) {
    const RowSpan span;
    EXPECT_FALSE(span.marked());
    EXPECT_FALSE(span.contains(12));
    EXPECT_TRUE(SameSpan(span.rowsToCopy(12), 12, 12));
    EXPECT_EQ(span.rowsToCopy(0), std::nullopt);
}

TEST(RowSpan, MarkingReachesFromItsAnchorInEitherDirection) {
    RowSpan span;
    span.extendTo(12, 15);
    EXPECT_TRUE(span.marked());
    EXPECT_TRUE(SameSpan(span.rowsToCopy(15), 12, 15));
    // Extended again, the span keeps its anchor whatever the current row has become meanwhile.
    span.extendTo(30, 9);
    EXPECT_EQ(span.movingEnd(), 9);
    EXPECT_TRUE(SameSpan(span.rowsToCopy(30), 9, 12));
    EXPECT_TRUE(span.contains(9));
    EXPECT_TRUE(span.contains(12));
    EXPECT_FALSE(span.contains(13));
    EXPECT_FALSE(span.contains(8));
}

TEST(RowSpan, MarkingAllAndClearing) {
    RowSpan span;
    span.markAll(40);
    EXPECT_TRUE(SameSpan(span.rowsToCopy(7), 1, 40));
    span.clear();
    EXPECT_FALSE(span.marked());
    EXPECT_TRUE(SameSpan(span.rowsToCopy(7), 7, 7));
    span.markAll(0);
    EXPECT_FALSE(span.marked());
}

TEST(RowSpan, WithoutACurrentRowNothingIsMarked) {
    RowSpan span;
    span.extendTo(0, 5);
    EXPECT_FALSE(span.marked());
    EXPECT_EQ(span.rowsToCopy(0), std::nullopt);
}

} // namespace
