#include "app/TableCommands.h"

#include "app/GraphWidget.h"
#include "app/MainWindow.h"
#include "app/ShellServices.h"
#include "app/TableDialogs.h"
#include "graph/GraphView.h"
#include "graph/TableSelection.h"
#include "table/MeasurementTableWindow.h"
#include "table/TableColumns.h"

#include <QLabel>

const char* const TableFileFilter = "Текстовый файл (*.txt)";

TableCommands::TableCommands(MainWindow& form, GraphView& graph, MeasurementTableWindow& table,
                             RangeDialog& dialog, ShellDialogs& messages, TableDialogs& dialogs)
    : form_(form), graph_(graph), table_(table), dialog_(dialog), messages_(messages), dialogs_(dialogs) {
    table_.grid->SelectCell = [this](int k) { return SGTableSelectCell(k); };
}

void TableCommands::FillTable(const SelectedSeries& series) {
    table_.fill(series);
    // A new series starts with the table closed, also when it was shown. Showing it for a moment first
    // would only flash it on screen and hand it the activation the main window needs for its keys.
    table_.hide();
}

bool TableCommands::SGTableSelectCell(int k) {
    form_.setStatusText(1, QStringLiteral(" "));
    ViewWindow& view = graph_.view();
    const RowSelection choice =
        DecideRowSelection(table_.cell(ColumnNumber, k).toInt(), view.viewFirst, view.viewCount);
    view.pointerIndex = static_cast<uint16_t>(choice.pointer);
    if (!choice.accepted) {
        form_.setStatusText(1, choice.message);
        return false;
    }
    form_.measurementNumberLabel->setText(QString::number(choice.pointer));
    showRow(choice.pointer);
    graph_.drawPointer();
    return true;
}

void TableCommands::showRow(int k) {
    form_.activityLabel->setText(table_.cell(ColumnActivity, k));
    form_.startTimeLabel->setText(table_.cell(ColumnStart, k));
    form_.endTimeLabel->setText(table_.cell(ColumnEnd, k));
    form_.exposureLabel->setText(table_.cell(ColumnExposure, k));
}

void TableCommands::TableSync() {
    table_.setCurrentRow(graph_.view().pointerIndex);
    // Read after the row was set: a refused row moves the pointer, and every label follows where it stands.
    const int k = graph_.view().pointerIndex;
    form_.measurementNumberLabel->setText(QString::number(k));
    showRow(k);
}

void TableCommands::CloseTable() {
    table_.hide();
}

void TableCommands::SBTabClick() {
    form_.setStatusText(1, QStringLiteral(" "));
    table_.setCurrentRow(graph_.view().pointerIndex);
    table_.show();
    table_.raise();
    table_.activateWindow();
    table_.setCurrentRow(graph_.view().pointerIndex);
}

std::optional<MeasurementSpan> TableCommands::chooseRange() {
    const ViewWindow& view = graph_.view();
    const std::optional<MeasurementSpan> span =
        dialog_.choose({form_.store().selected.measurementCount, view.viewFirst, view.viewCount});
    if (span) {
        rangeFirst_ = span->first;
        rangeLast_ = span->last;
    }
    return span;
}

void TableCommands::SBMiddleClick() {
    const std::optional<MeasurementSpan> span = chooseRange();
    if (!span)
        return;
    const AverageResult result =
        AverageActivity(form_.store().selected, form_.store().file.sensitivity, *span);
    if (!result.ok()) {
        messages_.errorBox(&form_, result.error);
        return;
    }
    form_.averageLabel->setText(QString::number(result.average));
    form_.averageFromLabel->setText(QString::number(span->first));
    form_.averageToLabel->setText(QString::number(span->last));
}

RowTexts TableCommands::titles() const {
    RowTexts titles;
    for (int c = 0; c < TableColumnCount; ++c)
        titles[c] = table_.cell(c, 0);
    return titles;
}

std::vector<RowTexts> TableCommands::rows(const MeasurementSpan& span) const {
    std::vector<RowTexts> rows;
    for (int k = span.first; k <= span.last; ++k) {
        RowTexts row;
        for (int c = 0; c < TableColumnCount; ++c)
            row[c] = table_.cell(c, k);
        rows.push_back(row);
    }
    return rows;
}

TableHeader TableCommands::header() const {
    const MeasurementStore& store = form_.store();
    return {store.selected.seriesTitle, store.file.deviceNumber, store.file.sensitivity,
            store.selected.equilibriumActivity};
}

void TableCommands::SBSaveTableClick() {
    const std::optional<MeasurementSpan> span = chooseRange();
    if (!span)
        return;
    const SaveDialogRequest request{QStringLiteral("txt"), QString::fromUtf8(TableFileFilter),
                                    ProposedTableFileName(form_.store().file.dataFileName)};
    const std::optional<QString> path = dialogs_.saveFile(&form_, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    form_.graphWidget->update();
    if (!path)
        return;
    const QString error = WriteTableFile(*path, TableFileBytes(header(), titles(), rows(*span)));
    if (!error.isEmpty())
        messages_.errorBox(&form_, error);
}
