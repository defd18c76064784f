#pragma once

#include "store/SeriesEvaluation.h"
#include "store/SpanStatistics.h"
#include "table/TableFile.h"

#include <vector>

class MeasurementDocument;
class MeasurementTableModel;

// What the saved and the printed table read: the header of the series, the titles of row 0 and the rows of
// a span, as the table shows them.
struct TableOutput {
    TableHeader header;
    RowTexts titles;
    std::vector<RowTexts> rows;
};

TableOutput TableOutputOf(const MeasurementDocument& document, const MeasurementTableModel& model,
                          const MeasurementSpan& span);
