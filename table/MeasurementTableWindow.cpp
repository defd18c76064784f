#include "table/MeasurementTableWindow.h"

#include "table/TableColumns.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace {

// The grid's classic row height; a fixed number also spares looking a font up while the program starts.
constexpr int kRowHeight = 24;

} // namespace

void MeasurementGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (!reverting_ && current.isValid() && SelectCell && !SelectCell(current.row() + 1)) {
        reverting_ = true;
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
        reverting_ = false;
        highlightCurrent();
        return;
    }
    QTableWidget::currentChanged(current, previous);
    highlightCurrent();
}

void MeasurementGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTableWidget::selectionChanged(selected, deselected);
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

MeasurementTableWindow::MeasurementTableWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), grid(new MeasurementGrid(this)) {
    setObjectName(QStringLiteral("FormTable"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_QuitOnClose, false);
    setGeometry(481, 264, 440, 178);

    grid->setObjectName(QStringLiteral("SGTable"));
    grid->setColumnCount(TableColumnCount);
    const RowTexts titles = TableTitles();
    grid->setHorizontalHeaderLabels(QStringList(titles.begin(), titles.end()));
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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
}

void MeasurementTableWindow::fill(const SelectedSeries& series) {
    const int n = series.measurementCount;
    grid->setUpdatesEnabled(false);
    grid->setRowCount(n);
    for (int k = 1; k <= n; ++k) {
        const RowTexts row = MeasurementRowTexts(series, k);
        for (int c = 0; c < TableColumnCount; ++c) {
            auto* item = new QTableWidgetItem(row[c]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid->setItem(k - 1, c, item);
        }
    }
    grid->setUpdatesEnabled(true);
    setCurrentRow(1);
}

QString MeasurementTableWindow::cell(int col, int k) const {
    if (k == 0)
        return grid->horizontalHeaderItem(col)->text();
    const QTableWidgetItem* item = grid->item(k - 1, col);
    return item ? item->text() : QString();
}

void MeasurementTableWindow::setCurrentRow(int k) {
    if (k < 1 || k > grid->rowCount())
        return;
    const int column = std::max(0, grid->currentColumn());
    if (grid->currentRow() != k - 1)
        grid->setCurrentCell(k - 1, column);
}
