#include "app/TableCommands.h"

#include "app/Fonts.h"
#include "app/InfoPanel.h"
#include "app/MeasurementDocument.h"
#include "app/UserDialogs.h"
#include "app/WindowPlacement.h"
#include "graph/GraphView.h"
#include "table/Averaging.h"
#include "table/CsvTable.h"
#include "table/MeasurementTableModel.h"
#include "table/RangeDialog.h"

const char* const TableFileFilter = "Текстовый файл (*.txt)";
const char* const CsvFileFilter = "CSV (*.csv)";

namespace {

const char* const kRangeDialogTitle = "Выбор диапазона";

} // namespace

TableCommands::TableCommands(const Parts& parts) : parts_(parts) {}

RangeDialog* TableCommands::rangeDialog() {
    if (!dialog_) {
        dialog_ = new RangeDialog(&parts_.window);
        dialog_->setFont(WindowFont());
        QObject::connect(dialog_, &RangeDialog::spanRefused, dialog_, [this](const QString& message) {
            parts_.dialogs.warningBox(dialog_, QString::fromUtf8(kRangeDialogTitle), message);
        });
    }
    return dialog_;
}

std::optional<MeasurementSpan> TableCommands::chooseRange() {
    const ViewWindow& view = parts_.graph.view();
    // Its design place lies partly below a small or strongly scaled screen.
    KeepOnScreen(*rangeDialog());
    const std::optional<MeasurementSpan> span =
        rangeDialog()->choose({parts_.document.series().measurementCount, view.viewFirst, view.viewCount});
    if (span)
        range_ = *span;
    return span;
}

void TableCommands::averageOverRange() {
    const std::optional<MeasurementSpan> span = chooseRange();
    if (!span)
        return;
    const AverageResult result =
        AverageActivity(parts_.document.series(), parts_.document.file().sensitivity, *span);
    if (!result.ok()) {
        parts_.dialogs.errorBox(&parts_.window, result.message());
        return;
    }
    parts_.infoPanel.showAverage(result.value(), *span);
}

RowTexts TableCommands::titles() const {
    return parts_.model.rowTexts(0);
}

std::vector<RowTexts> TableCommands::rows(const MeasurementSpan& span) const {
    return parts_.model.rows(span);
}

TableHeader TableCommands::header() const {
    const MeasurementDocument& document = parts_.document;
    return {document.series().seriesTitle, document.file().deviceNumber, document.file().sensitivity,
            document.series().equilibriumActivity};
}

// The type of file chosen in the save dialog decides what is written: the CP866 table or CSV.
void TableCommands::saveTable() {
    const std::optional<MeasurementSpan> span = chooseRange();
    if (!span)
        return;
    // Enter on a name that exists would otherwise replace that file unasked.
    SaveDialogRequest request{QStringLiteral("txt"), QString::fromUtf8(TableFileFilter),
                              ProposedTableFileName(parts_.document.file().dataFileName), true};
    request.otherFilters = {QString::fromUtf8(CsvFileFilter)};
    const std::optional<SaveChoice> choice = parts_.dialogs.saveFileOfType(&parts_.window, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    parts_.graphArea.update();
    if (!choice)
        return;
    const bool csv = TypeOfChoice(*choice, request) == QString::fromUtf8(CsvFileFilter);
    const QByteArray bytes =
        csv ? SpanCsv(parts_.document.series(), *span) : TableFileBytes(header(), titles(), rows(*span));
    if (const Outcome written = WriteTableFile(choice->path, bytes); !written.ok())
        parts_.dialogs.errorBox(&parts_.window, written.message());
}
