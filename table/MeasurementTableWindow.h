#pragma once

#include "table/MeasurementTableModel.h"
#include "table/RowSpan.h"

#include <QColor>
#include <QTableView>
#include <QWidget>

class QAction;
class QPalette;

// The grid of the measurement table. A change of the current row, by the user or by the program, is
// announced as a row chosen; whoever decides on it may make another row current at once.
//
// Apart from the current row the user marks a span of rows to copy: Shift with a click or with Up, Down,
// Page Up, Page Down (Ctrl+Shift+Home and End to the first and last row) reaches from where the marking
// began, Ctrl+A marks every row, and a plain click or moving key unmarks. The current row moves with the
// marking end under its usual rules, and a marked row is tinted, below the highlight of the current cell.
class MeasurementGrid : public QTableView {
    Q_OBJECT

public:
    explicit MeasurementGrid(QWidget* parent = nullptr);

    const RowSpan& rowSpan() const { return span_; }
    void clearSpan();
    void markAllRows();

signals:
    // Row k became current.
    void rowChosen(int k);
    // Ctrl+C reached the grid.
    void copyRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // The highlight is the current cell and nothing else. A mouse press, drag or release selects apart
    // from choosing the current cell, so on a refused row it would otherwise mark the row that was refused.
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void highlightCurrent();
    // Moves the marking end to row k and asks for it as the current row.
    void extendSpanTo(int k);
    int currentTableRow() const { return currentIndex().row() + 1; }
    int rowsPerPage() const;

    RowSpan span_;
};

// The tint of a marked row: the highlight colour thinned on the base, so that the current cell, in the full
// highlight, stands out inside a marked span.
QColor MarkedRowColor(const QPalette& palette);

// The measurement table window: one row per measurement of the shown series, titles above. Row k of the
// table is measurement k; the grid's own rows count from 0, below the title row.
class MeasurementTableWindow : public QWidget {
    Q_OBJECT

public:
    explicit MeasurementTableWindow(MeasurementTableModel& model, QWidget* parent = nullptr);

    MeasurementGrid* grid;

    // The model shows a new series: nothing marked, row 1 current.
    void startSeries();
    // The text of cell (col, k): k = 0 is the title row.
    QString cell(int col, int k) const;
    // n + 1, the title row included.
    int rowCount() const { return model_.rowCount() + 1; }
    // The current table row k (1-based), or 0 when there is none.
    int currentRow() const { return grid->currentIndex().row() + 1; }
    // Makes row k current, announced as rowChosen when it was not. The table follows the pointer this way:
    // the row it then announces is the pointer's own, which changes nothing.
    void setCurrentRow(int k);

    // "Копировать" (Ctrl+C and the context menu): the marked rows, or the current row when none are marked,
    // on the clipboard as tab-separated text with a header line, one cell per value in a spreadsheet.
    QAction* copyAction;
    void copyRows();

signals:
    // Row k became current: a request, which the receiver may answer by making another row current.
    void rowChosen(int k);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Every column at least as wide as its title in the window's font ("N изм." outgrows 40 pixels).
    void fitColumnTitles();

    MeasurementTableModel& model_;
};
