#include "table/TableSelection.h"

#include "store/MeasurementTexts.h"

RowSelection DecideRowSelection(int k, int viewFirst, int viewCount) {
    const int last = viewFirst + viewCount - 1;
    if (k < viewFirst)
        return {false, viewFirst, QString::fromUtf8(FirstVisibleMessage)};
    if (k > last)
        return {false, last, QString::fromUtf8(LastVisibleMessage)};
    return {true, k, QStringLiteral(" ")};
}
