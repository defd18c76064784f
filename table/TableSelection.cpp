#include "TableSelection.h"

const char* const FirstVisibleMessage = "Это первое измерение в области видимости ";
const char* const LastVisibleMessage = "Это последнее измерение в области видимости ";

RowSelection DecideRowSelection(int k, int viewFirst, int viewCount) {
    const int last = viewFirst + viewCount - 1;
    if (k < viewFirst)
        return {false, viewFirst, QString::fromUtf8(FirstVisibleMessage)};
    if (k > last)
        return {false, last, QString::fromUtf8(LastVisibleMessage)};
    return {true, k, QStringLiteral(" ")};
}
