#pragma once

#include "store/SeriesEvaluation.h"
#include "store/SpanStatistics.h"
#include "table/MeasurementTableModel.h"
#include "table/TableFile.h"

#include <vector>

class MeasurementDocument;

// What the saved and the printed table read: the header of the series, the titles of row 0 and the rows of
// a span, as the table shows them but in Bq/m³; the saved file's texts in Russian, the printed table's in the
// user's language.
struct TableOutput {
    TableHeader header;
    RowTexts titles;
    std::vector<RowTexts> rows;
};

TableOutput TableOutputOf(const MeasurementDocument& document, const MeasurementTableModel& model,
                          const MeasurementSpan& span, TextsFor audience);
