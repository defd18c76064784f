#include "app/commands/TableOutput.h"

#include "app/document/MeasurementDocument.h"
#include "table/MeasurementTableModel.h"

TableOutput TableOutputOf(const MeasurementDocument& document, const MeasurementTableModel& model,
                          const MeasurementSpan& span, TextsFor audience) {
    const SelectedSeries& series = document.series();
    const TableHeader header{series.seriesTitle, document.file().deviceNumber, document.file().sensitivity,
                             series.equilibriumActivity, ShownSeriesTitle(series)};
    // In Bq/m³ whatever unit the table shows: the saved file's format says so, other programs read it, and
    // the printed table is its page.
    constexpr ActivityUnit fileUnit = ActivityUnit::BecquerelPerCubicMetre;
    return {header, model.rowTexts(0, fileUnit, audience), model.rows(span, fileUnit, audience)};
}
