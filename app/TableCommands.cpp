#include "app/TableCommands.h"

#include "app/Grafnew.h"
#include "app/PaintBox.h"
#include "app/ShellServices.h"
#include "app/TableDialogs.h"
#include "graph/GraphView.h"
#include "graph/TableSelection.h"
#include "table/TableColumns.h"
#include "table/Tabnew.h"

#include <QLabel>

const char* const TableFileFilter = "Текстовый файл (*.txt)";

TableCommands::TableCommands(TForm1& form, GraphView& graph, TFormTable& table, TFormDialog& dialog,
                             ShellDialogs& messages, TableDialogs& dialogs)
    : form_(form), graph_(graph), table_(table), dialog_(dialog), messages_(messages), dialogs_(dialogs) {
    table_.SGTable->SelectCell = [this](int k) { return SGTableSelectCell(k); };
}

void TableCommands::FillTable(const SelectedSeries& series) {
    table_.Fill(series);
    // A new series starts with the table closed, also when it was shown. Showing it for a moment first
    // would only flash it on screen and hand it the activation the main window needs for its keys.
    table_.hide();
}

bool TableCommands::SGTableSelectCell(int k) {
    form_.SetStatusText(1, QStringLiteral(" "));
    ViewWindow& view = graph_.view();
    const RowSelection choice =
        DecideRowSelection(table_.Cell(ColumnNumber, k).toInt(), view.viewFirst, view.viewCount);
    view.pointerIndex = static_cast<uint16_t>(choice.pointer);
    if (!choice.accepted) {
        form_.SetStatusText(1, choice.message);
        return false;
    }
    form_.NIsm->setText(QString::number(choice.pointer));
    ShowRow(choice.pointer);
    graph_.drawPointer();
    return true;
}

void TableCommands::ShowRow(int k) {
    form_.lblActiv->setText(table_.Cell(ColumnActivity, k));
    form_.TimBeg->setText(table_.Cell(ColumnStart, k));
    form_.TimEnd->setText(table_.Cell(ColumnEnd, k));
    form_.TimIsm->setText(table_.Cell(ColumnExposure, k));
}

void TableCommands::TableSync() {
    table_.SetCurrentRow(graph_.view().pointerIndex);
    // Read after the row was set: a refused row moves the pointer, and every label follows where it stands.
    const int k = graph_.view().pointerIndex;
    form_.NIsm->setText(QString::number(k));
    ShowRow(k);
}

void TableCommands::CloseTable() {
    table_.hide();
}

void TableCommands::SBTabClick() {
    form_.SetStatusText(1, QStringLiteral(" "));
    table_.SetCurrentRow(graph_.view().pointerIndex);
    table_.show();
    table_.raise();
    table_.activateWindow();
    table_.SetCurrentRow(graph_.view().pointerIndex);
}

std::optional<MeasurementSpan> TableCommands::ChooseRange() {
    const ViewWindow& view = graph_.view();
    const std::optional<MeasurementSpan> span =
        dialog_.Choose({form_.Store().selected.measurementCount, view.viewFirst, view.viewCount});
    if (span) {
        RangeFirst = span->first;
        RangeLast = span->last;
    }
    return span;
}

void TableCommands::SBMiddleClick() {
    const std::optional<MeasurementSpan> span = ChooseRange();
    if (!span)
        return;
    const AverageResult result =
        AverageActivity(form_.Store().selected, form_.Store().file.sensitivity, *span);
    if (!result.ok()) {
        messages_.errorBox(&form_, result.error);
        return;
    }
    form_.usrznach->setText(QString::number(result.average));
    form_.usrnach->setText(QString::number(span->first));
    form_.usrkon->setText(QString::number(span->last));
}

RowTexts TableCommands::Titles() const {
    RowTexts titles;
    for (int c = 0; c < TableColumnCount; ++c)
        titles[c] = table_.Cell(c, 0);
    return titles;
}

std::vector<RowTexts> TableCommands::Rows(const MeasurementSpan& span) const {
    std::vector<RowTexts> rows;
    for (int k = span.first; k <= span.last; ++k) {
        RowTexts row;
        for (int c = 0; c < TableColumnCount; ++c)
            row[c] = table_.Cell(c, k);
        rows.push_back(row);
    }
    return rows;
}

TableHeader TableCommands::Header() const {
    const MeasurementStore& store = form_.Store();
    return {store.selected.seriesTitle, store.file.deviceNumber, store.file.sensitivity,
            store.selected.equilibriumActivity};
}

void TableCommands::SBSaveTableClick() {
    const std::optional<MeasurementSpan> span = ChooseRange();
    if (!span)
        return;
    const SaveDialogRequest request{QStringLiteral("txt"), QString::fromUtf8(TableFileFilter),
                                    ProposedTableFileName(form_.Store().file.dataFileName)};
    const std::optional<QString> path = dialogs_.saveFile(&form_, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    form_.PaintBox->update();
    if (!path)
        return;
    const QString error = WriteTableFile(*path, TableFileBytes(Header(), Titles(), Rows(*span)));
    if (!error.isEmpty())
        messages_.errorBox(&form_, error);
}
