#pragma once

#include "app/ViewHooks.h"
#include "store/SeriesEvaluation.h"
#include "table/Averaging.h"
#include "table/Dialog.h"
#include "table/TableFile.h"

#include <optional>
#include <vector>

class GraphView;
class ShellDialogs;
class TableDialogs;
class TForm1;
class TFormTable;

// The measurement table, the range dialog and what they serve: the table following the pointer and
// moving it, averaging over a span, and saving the table as a text file. The grid's cells are the one
// text source of the value labels and of every table output.
class TableCommands : public TableHooks {
public:
    TableCommands(TForm1& form, GraphView& graph, TFormTable& table, TFormDialog& dialog,
                  ShellDialogs& messages, TableDialogs& dialogs);

    void FillTable(const SelectedSeries& series) override;
    void TableSync() override;
    void CloseTable() override;
    void SBTabClick() override;
    void SBMiddleClick() override;
    void SBSaveTableClick() override;

    // The grid's refusable row choice.
    bool SGTableSelectCell(int k);

    // Shows the range dialog; the confirmed span becomes RangeFirst … RangeLast.
    std::optional<MeasurementSpan> ChooseRange();
    MeasurementSpan Range() const { return {RangeFirst, RangeLast}; }

    // What the table outputs read: the titles of row 0, the rows of the span and the header of the series.
    RowTexts Titles() const;
    std::vector<RowTexts> Rows(const MeasurementSpan& span) const;
    TableHeader Header() const;

private:
    void ShowRow(int k);

    TForm1& form_;
    GraphView& graph_;
    TFormTable& table_;
    TFormDialog& dialog_;
    ShellDialogs& messages_;
    TableDialogs& dialogs_;
    int RangeFirst = 0;
    int RangeLast = 0;
};

// The filter of the save dialog, as Qt spells "Текстовый файл (*.txt)|*.txt".
extern const char* const TableFileFilter;
