#include "table/Tabnew.h"

#include "table/TableColumns.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace {

// The grid's classic row height; a fixed number also spares looking a font up while the program starts.
constexpr int kRowHeight = 24;

} // namespace

void TStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
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

void TStringGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTableWidget::selectionChanged(selected, deselected);
    if (!reverting_)
        highlightCurrent();
}

void TStringGrid::highlightCurrent() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel())
        return;
    const QModelIndexList highlighted = selectionModel()->selectedIndexes();
    if (highlighted.size() == 1 && highlighted.constFirst() == current)
        return;
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
}

TFormTable::TFormTable(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), SGTable(new TStringGrid(this)) {
    setObjectName(QStringLiteral("FormTable"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_QuitOnClose, false);
    setGeometry(481, 264, 440, 178);

    SGTable->setObjectName(QStringLiteral("SGTable"));
    SGTable->setColumnCount(TableColumnCount);
    const RowTexts titles = TableTitles();
    SGTable->setHorizontalHeaderLabels(QStringList(titles.begin(), titles.end()));
    for (int c = 0; c < TableColumnCount; ++c)
        SGTable->setColumnWidth(c, TableColumnWidths[c]);
    QHeaderView* header = SGTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Every reader addresses cells by position, so the columns keep their order.
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    SGTable->verticalHeader()->hide();
    SGTable->verticalHeader()->setDefaultSectionSize(kRowHeight);
    SGTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SGTable->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SGTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGTable->setSelectionMode(QAbstractItemView::SingleSelection);
    SGTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    SGTable->setShowGrid(true);
    SGTable->setWordWrap(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SGTable);
}

void TFormTable::Fill(const SelectedSeries& series) {
    const int n = series.measurementCount;
    SGTable->setUpdatesEnabled(false);
    SGTable->setRowCount(n);
    for (int k = 1; k <= n; ++k) {
        const RowTexts row = MeasurementRowTexts(series, k);
        for (int c = 0; c < TableColumnCount; ++c) {
            auto* item = new QTableWidgetItem(row[c]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            SGTable->setItem(k - 1, c, item);
        }
    }
    SGTable->setUpdatesEnabled(true);
    SetCurrentRow(1);
}

QString TFormTable::Cell(int col, int k) const {
    if (k == 0)
        return SGTable->horizontalHeaderItem(col)->text();
    const QTableWidgetItem* item = SGTable->item(k - 1, col);
    return item ? item->text() : QString();
}

void TFormTable::SetCurrentRow(int k) {
    if (k < 1 || k > SGTable->rowCount())
        return;
    const int column = std::max(0, SGTable->currentColumn());
    if (SGTable->currentRow() != k - 1)
        SGTable->setCurrentCell(k - 1, column);
}
