#include "app/TableCommands.h"

#include "app/GraphWidget.h"
#include "app/InfoPanel.h"
#include "app/MainWindow.h"
#include "app/UserDialogs.h"
#include "table/Averaging.h"
#include "table/CsvTable.h"
#include "table/RangeDialog.h"

const char* const TableFileFilter = "Текстовый файл (*.txt)";
const char* const CsvFileFilter = "CSV (*.csv)";

TableCommands::TableCommands(MainWindow& window, UserDialogs& dialogs) : window_(window), dialogs_(dialogs) {}

std::optional<MeasurementSpan> TableCommands::chooseRange() {
    const ViewWindow& view = window_.graph().view();
    const std::optional<MeasurementSpan> span = window_.rangeDialog()->choose(
        {window_.document().series().measurementCount, view.viewFirst, view.viewCount});
    if (span)
        range_ = *span;
    return span;
}

void TableCommands::averageOverRange() {
    const std::optional<MeasurementSpan> span = chooseRange();
    if (!span)
        return;
    const MeasurementDocument& document = window_.document();
    const AverageResult result = AverageActivity(document.series(), document.file().sensitivity, *span);
    if (!result.ok()) {
        dialogs_.errorBox(&window_, result.error);
        return;
    }
    window_.infoPanel->showAverage(result.average, *span);
}

RowTexts TableCommands::titles() const {
    return window_.tableModel().rowTexts(0);
}

std::vector<RowTexts> TableCommands::rows(const MeasurementSpan& span) const {
    return window_.tableModel().rows(span);
}

TableHeader TableCommands::header() const {
    const MeasurementDocument& document = window_.document();
    return {document.series().seriesTitle, document.file().deviceNumber, document.file().sensitivity,
            document.series().equilibriumActivity};
}

// The type of file chosen in the save dialog decides what is written: the CP866 table or CSV.
void TableCommands::saveTable() {
    const std::optional<MeasurementSpan> span = chooseRange();
    if (!span)
        return;
    SaveDialogRequest request{QStringLiteral("txt"), QString::fromUtf8(TableFileFilter),
                              ProposedTableFileName(window_.document().file().dataFileName)};
    request.otherFilters = {QString::fromUtf8(CsvFileFilter)};
    const std::optional<SaveChoice> choice = dialogs_.saveFileOfType(&window_, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    window_.graphWidget->update();
    if (!choice)
        return;
    const bool csv = choice->nameFilter == QString::fromUtf8(CsvFileFilter);
    const QByteArray bytes =
        csv ? SpanCsv(window_.document().series(), *span) : TableFileBytes(header(), titles(), rows(*span));
    const QString error = WriteTableFile(choice->path, bytes);
    if (!error.isEmpty())
        dialogs_.errorBox(&window_, error);
}
