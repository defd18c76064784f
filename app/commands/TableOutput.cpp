#include "app/commands/TableOutput.h"

#include "app/document/MeasurementDocument.h"
#include "table/MeasurementTableModel.h"

TableOutput TableOutputOf(const MeasurementDocument& document, const MeasurementTableModel& model,
                          const MeasurementSpan& span) {
    const TableHeader header{document.series().seriesTitle, document.file().deviceNumber,
                             document.file().sensitivity, document.series().equilibriumActivity};
    return {header, model.rowTexts(0), model.rows(span)};
}
