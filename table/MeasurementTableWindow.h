#pragma once

#include "table/MeasurementTableModel.h"

#include <QTableView>
#include <QWidget>

// The grid of the measurement table. A change of the current row, by the user or by the program, is
// decided first: a row outside the selectable rows (the measurements the graph shows) is refused and the
// current row stays where it was.
class MeasurementGrid : public QTableView {
    Q_OBJECT

public:
    using QTableView::QTableView;

    // Rows first … first + count − 1 (1-based) may become current.
    void setSelectableRows(int first, int count);

signals:
    // Row k became current.
    void rowChosen(int k);
    // Row k was refused; nearest is the selectable row nearest to it, message what the status bar says.
    void rowRefused(int k, int nearest, const QString& message);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // The highlight is the current cell and nothing else. A mouse press, drag or release selects apart
    // from choosing the current cell, so on a refused row it would otherwise mark the row that was refused.
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void highlightCurrent();
    bool reverting_ = false;
    int firstSelectable_ = 1;
    int selectableCount_ = 0;
};

// The measurement table window: one row per measurement of the shown series, titles above. Row k of the
// table is measurement k; the grid's own rows count from 0, below the title row.
class MeasurementTableWindow : public QWidget {
    Q_OBJECT

public:
    explicit MeasurementTableWindow(MeasurementTableModel& model, QWidget* parent = nullptr);

    MeasurementGrid* grid;

    // The model shows a new series: every row selectable, row 1 current without asking anyone.
    void startSeries();
    // The measurements the graph shows, the rows that may become current.
    void setSelectableRows(int first, int count);
    // The text of cell (col, k): k = 0 is the title row.
    QString cell(int col, int k) const;
    // n + 1, the title row included.
    int rowCount() const { return model_.rowCount() + 1; }
    // The current table row k (1-based), or 0 when there is none.
    int currentRow() const { return grid->currentIndex().row() + 1; }
    // Makes row k current; rowChosen or rowRefused says how that went.
    void setCurrentRow(int k);
    // Row k becomes current because the pointer stands there: nothing is announced, so the pointer, which
    // moved already, is not moved again.
    void followPointer(int k);

signals:
    void rowChosen(int k);
    void rowRefused(int k, int nearest, const QString& message);

private:
    MeasurementTableModel& model_;
};
