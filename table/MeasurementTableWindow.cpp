#include "table/MeasurementTableWindow.h"

#include "graph/TableSelection.h"
#include "table/TableColumns.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The grid's classic row height; a fixed number also spares looking a font up while the program starts.
constexpr int kRowHeight = 24;

} // namespace

void MeasurementGrid::setSelectableRows(int first, int count) {
    firstSelectable_ = first;
    selectableCount_ = count;
}

void MeasurementGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (reverting_ || !current.isValid()) {
        QTableView::currentChanged(current, previous);
        highlightCurrent();
        return;
    }
    const int k = current.row() + 1;
    const RowSelection choice = DecideRowSelection(k, firstSelectable_, selectableCount_);
    if (!choice.accepted) {
        reverting_ = true;
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
        reverting_ = false;
        highlightCurrent();
        emit rowRefused(k, choice.pointer, choice.message);
        return;
    }
    QTableView::currentChanged(current, previous);
    highlightCurrent();
    emit rowChosen(k);
}

void MeasurementGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTableView::selectionChanged(selected, deselected);
    if (!reverting_)
        highlightCurrent();
}

void MeasurementGrid::highlightCurrent() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel())
        return;
    const QModelIndexList highlighted = selectionModel()->selectedIndexes();
    if (highlighted.size() == 1 && highlighted.constFirst() == current)
        return;
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
}

MeasurementTableWindow::MeasurementTableWindow(MeasurementTableModel& model, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), grid(new MeasurementGrid(this)), model_(model) {
    setObjectName(QStringLiteral("FormTable"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_QuitOnClose, false);
    setGeometry(481, 264, 440, 178);

    grid->setObjectName(QStringLiteral("SGTable"));
    grid->setModel(&model_);
    for (int c = 0; c < TableColumnCount; ++c)
        grid->setColumnWidth(c, TableColumnWidths[c]);
    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Every reader addresses cells by position, so the columns keep their order.
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setShowGrid(true);
    grid->setWordWrap(false);
    grid->setSelectableRows(1, model_.rowCount());
    connect(grid, &MeasurementGrid::rowChosen, this, &MeasurementTableWindow::rowChosen);
    connect(grid, &MeasurementGrid::rowRefused, this, &MeasurementTableWindow::rowRefused);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
}

void MeasurementTableWindow::startSeries() {
    setSelectableRows(1, model_.rowCount());
    followPointer(1);
}

void MeasurementTableWindow::setSelectableRows(int first, int count) {
    grid->setSelectableRows(first, count);
}

QString MeasurementTableWindow::cell(int col, int k) const {
    return model_.rowTexts(k)[static_cast<size_t>(col)];
}

void MeasurementTableWindow::setCurrentRow(int k) {
    if (k < 1 || k > model_.rowCount())
        return;
    const int column = std::max(0, grid->currentIndex().column());
    if (grid->currentIndex().row() != k - 1)
        grid->setCurrentIndex(model_.index(k - 1, column));
}

void MeasurementTableWindow::followPointer(int k) {
    const QSignalBlocker blocker(grid);
    setCurrentRow(k);
}
