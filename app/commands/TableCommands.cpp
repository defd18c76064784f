#include "app/commands/TableCommands.h"

#include "app/commands/RangeChoice.h"
#include "app/commands/TableOutput.h"
#include "app/dialogs/UserDialogs.h"
#include "app/document/MeasurementDocument.h"
#include "app/window/InfoPanel.h"
#include "table/Averaging.h"
#include "table/CsvTable.h"

#include <QCoreApplication>
#include <QWidget>

const char* const TableFileFilter = QT_TRANSLATE_NOOP("TableCommands", "Текстовый файл (*.txt)");
const char* const CsvFileFilter = "CSV (*.csv)";

TableCommands::TableCommands(const CommandParts& parts, RangeChoice& range,
                             const MeasurementTableModel& model, InfoPanel& infoPanel)
    : parts_(parts), range_(range), model_(model), infoPanel_(infoPanel) {}

void TableCommands::averageOverRange() {
    const std::optional<MeasurementSpan> span = range_.choose();
    if (!span)
        return;
    const AverageResult result =
        AverageActivity(parts_.document.series(), parts_.document.file().sensitivity, *span);
    if (!result.ok()) {
        parts_.dialogs.errorBox(&parts_.window, result.message());
        return;
    }
    // The panel writes the figure in its unit from the unrounded average, rounded only there.
    const MeasurementDocument& document = parts_.document;
    infoPanel_.showAverage(*UnroundedSpanAverage(document.series(), document.file().sensitivity, *span),
                           *span);
}

// The type of file chosen in the save dialog decides what is written: the CP866 table or CSV.
void TableCommands::saveTable() {
    const std::optional<MeasurementSpan> span = range_.choose();
    if (!span)
        return;
    // Enter on a name that exists would otherwise replace that file unasked.
    SaveDialogRequest request{QStringLiteral("txt"),
                              QCoreApplication::translate("TableCommands", TableFileFilter),
                              ProposedTableFileName(parts_.document.file().dataFileName), true};
    request.otherFilters = {QString::fromUtf8(CsvFileFilter)};
    const std::optional<SaveChoice> choice = parts_.dialogs.saveFileOfType(&parts_.window, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    parts_.graphArea.update();
    if (!choice)
        return;
    const bool csv = TypeOfChoice(*choice, request) == QString::fromUtf8(CsvFileFilter);
    QByteArray bytes;
    if (csv) {
        bytes = SpanCsv(parts_.document.series(), *span);
    } else {
        const TableOutput table = TableOutputOf(parts_.document, model_, *span, TextsFor::File);
        bytes = TableFileBytes(table.header, table.titles, table.rows);
    }
    if (const Outcome written = WriteTableFile(choice->path, bytes); !written.ok())
        parts_.dialogs.errorBox(&parts_.window, written.message());
}
