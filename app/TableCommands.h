#pragma once

#include "app/ViewHooks.h"
#include "store/SeriesEvaluation.h"
#include "table/Averaging.h"
#include "table/RangeDialog.h"
#include "table/TableFile.h"

#include <optional>
#include <vector>

class GraphView;
class ShellDialogs;
class TableDialogs;
class MainWindow;
class MeasurementTableWindow;

// The measurement table, the range dialog and what they serve: the table following the pointer and
// moving it, averaging over a span, and saving the table as a text file. The grid's cells are the one
// text source of the value labels and of every table output.
class TableCommands : public TableHooks {
public:
    TableCommands(MainWindow& form, GraphView& graph, MeasurementTableWindow& table, RangeDialog& dialog,
                  ShellDialogs& messages, TableDialogs& dialogs);

    void FillTable(const SelectedSeries& series) override;
    void TableSync() override;
    void CloseTable() override;
    void SBTabClick() override;
    void SBMiddleClick() override;
    void SBSaveTableClick() override;

    // The grid's refusable row choice.
    bool SGTableSelectCell(int k);

    // Shows the range dialog; the confirmed span becomes rangeFirst_ … rangeLast_.
    std::optional<MeasurementSpan> chooseRange();
    MeasurementSpan range() const { return {rangeFirst_, rangeLast_}; }

    // What the table outputs read: the titles of row 0, the rows of the span and the header of the series.
    RowTexts titles() const;
    std::vector<RowTexts> rows(const MeasurementSpan& span) const;
    TableHeader header() const;

private:
    void showRow(int k);

    MainWindow& form_;
    GraphView& graph_;
    MeasurementTableWindow& table_;
    RangeDialog& dialog_;
    ShellDialogs& messages_;
    TableDialogs& dialogs_;
    int rangeFirst_ = 0;
    int rangeLast_ = 0;
};

// The filter of the save dialog, as Qt spells "Текстовый файл (*.txt)|*.txt".
extern const char* const TableFileFilter;
