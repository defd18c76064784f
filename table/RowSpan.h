#pragma once

#include "store/SpanStatistics.h"

#include <optional>

// The rows of the measurement table the user marks for copying, kept apart from the current row, which
// follows the graph's pointer under its own rules. A span reaches from the row where the marking began (its
// anchor) to the row it was last extended to; rows are 1-based, in either order.
class RowSpan {
public:
    bool marked() const { return anchor_ > 0; }
    // The end that Shift with a moving key moves on from.
    int movingEnd() const { return end_; }
    bool contains(int k) const;

    void clear();
    // Reaches to row k: from the anchor when rows are marked already, from row from otherwise.
    void extendTo(int from, int k);
    // Marks rows 1 … rowCount; nothing when there are none.
    void markAll(int rowCount);

    // What a copy takes: the marked rows in ascending order, or the current row alone when none are marked;
    // nothing when there is neither.
    std::optional<MeasurementSpan> rowsToCopy(int currentRow) const;

private:
    int anchor_ = 0;
    int end_ = 0;
};
