#pragma once

#include "store/SeriesEvaluation.h"

#include <QTableWidget>
#include <QWidget>

#include <functional>

// The grid of the measurement table. Every change of the current cell, by the user or by the program,
// is put to the owner first, who may refuse it; the current cell then stays where it was.
class MeasurementGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    // Answers whether table row k (1-based) may become current.
    std::function<bool(int k)> SelectCell;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // The highlight is the current cell and nothing else. A mouse press, drag or release selects apart
    // from choosing the current cell, so on a refused row it would otherwise mark the row that was refused.
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void highlightCurrent();
    bool reverting_ = false;
};

// The measurement table window: one row per measurement of the shown series, titles above. Row k of the
// table is measurement k; the grid's own rows count from 0, below the title row.
class MeasurementTableWindow : public QWidget {
public:
    explicit MeasurementTableWindow(QWidget* parent = nullptr);

    MeasurementGrid* grid;

    // Rows 1 … n from the series, row 1 current.
    void fill(const SelectedSeries& series);
    // The text of cell (col, k): k = 0 is the title row.
    QString cell(int col, int k) const;
    // n + 1, the title row included.
    int rowCount() const { return grid->rowCount() + 1; }
    // The current table row k (1-based), or 0 when there is none.
    int currentRow() const { return grid->currentRow() + 1; }
    // Makes row k current, through the owner's refusal check.
    void setCurrentRow(int k);
};
