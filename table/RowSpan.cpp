#include "table/RowSpan.h"

#include <algorithm>

bool RowSpan::contains(int k) const {
    return marked() && k >= std::min(anchor_, end_) && k <= std::max(anchor_, end_);
}

void RowSpan::clear() {
    anchor_ = 0;
    end_ = 0;
}

void RowSpan::extendTo(int from, int k) {
    if (!marked())
        anchor_ = from;
    end_ = k;
    if (anchor_ < 1 || end_ < 1)
        clear();
}

void RowSpan::markAll(int rowCount) {
    if (rowCount < 1) {
        clear();
        return;
    }
    anchor_ = 1;
    end_ = rowCount;
}

std::optional<MeasurementSpan> RowSpan::rowsToCopy(int currentRow) const {
    if (marked())
        return MeasurementSpan{std::min(anchor_, end_), std::max(anchor_, end_)};
    if (currentRow >= 1)
        return MeasurementSpan{currentRow, currentRow};
    return std::nullopt;
}
