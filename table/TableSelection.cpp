#include "table/TableSelection.h"

#include "store/MeasurementTexts.h"

RowSelection DecideRowSelection(int k, int viewFirst, int viewCount) {
    const int last = viewFirst + viewCount - 1;
    if (k < viewFirst)
        return {false, viewFirst, FirstVisibleText()};
    if (k > last)
        return {false, last, LastVisibleText()};
    return {true, k, QStringLiteral(" ")};
}
