#include "app/commands/TableOutput.h"

#include "app/document/MeasurementDocument.h"
#include "table/MeasurementTableModel.h"

TableOutput TableOutputOf(const MeasurementDocument& document, const MeasurementTableModel& model,
                          const MeasurementSpan& span) {
    const TableHeader header{document.series().seriesTitle, document.file().deviceNumber,
                             document.file().sensitivity, document.series().equilibriumActivity};
    // In Bq/m³ whatever unit the table shows: the saved file's format says so, other programs read it, and
    // the printed table is its page.
    constexpr ActivityUnit fileUnit = ActivityUnit::BecquerelPerCubicMetre;
    return {header, model.rowTexts(0, fileUnit), model.rows(span, fileUnit)};
}
