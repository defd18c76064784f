#include "table/MeasurementTableWindow.h"

#include "table/CsvTable.h"
#include "table/TableColumns.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

// The grid's classic row height; a fixed number also spares looking a font up while the program starts.
constexpr int kRowHeight = 24;
// How much of the highlight colour tints a marked row.
constexpr qreal kMarkedTint = 0.35;

// Paints the rows of the grid's marked span in their tint.
class MarkedRowDelegate : public QStyledItemDelegate {
public:
    explicit MarkedRowDelegate(MeasurementGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (grid_.rowSpan().contains(index.row() + 1))
            option->backgroundBrush = MarkedRowColor(option->palette);
    }

private:
    const MeasurementGrid& grid_;
};

bool MovesTheRow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

} // namespace

QColor MarkedRowColor(const QPalette& palette) {
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    auto mix = [](int on, int under) { return qRound(kMarkedTint * on + (1 - kMarkedTint) * under); };
    return QColor(mix(highlight.red(), base.red()), mix(highlight.green(), base.green()),
                  mix(highlight.blue(), base.blue()));
}

MeasurementGrid::MeasurementGrid(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new MarkedRowDelegate(*this));
}

void MeasurementGrid::clearSpan() {
    if (!span_.marked())
        return;
    span_.clear();
    viewport()->update();
}

void MeasurementGrid::markAllRows() {
    span_.markAll(model() ? model()->rowCount() : 0);
    viewport()->update();
}

int MeasurementGrid::rowsPerPage() const {
    return std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()));
}

void MeasurementGrid::extendSpanTo(int k) {
    span_.extendTo(currentTableRow(), k);
    viewport()->update();
    const QModelIndex row = model()->index(k - 1, std::max(0, currentIndex().column()));
    scrollTo(row);
    if (k != currentTableRow())
        setCurrentIndex(row);
}

void MeasurementGrid::keyPressEvent(QKeyEvent* event) {
    const int n = model() ? model()->rowCount() : 0;
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        markAllRows();
        event->accept();
        return;
    }
    const int from = span_.marked() ? span_.movingEnd() : currentTableRow();
    std::optional<int> reach;
    if (event->matches(QKeySequence::SelectPreviousLine))
        reach = from - 1;
    else if (event->matches(QKeySequence::SelectNextLine))
        reach = from + 1;
    else if (event->matches(QKeySequence::SelectPreviousPage))
        reach = from - rowsPerPage();
    else if (event->matches(QKeySequence::SelectNextPage))
        reach = from + rowsPerPage();
    else if (event->matches(QKeySequence::SelectStartOfDocument))
        reach = 1;
    else if (event->matches(QKeySequence::SelectEndOfDocument))
        reach = n;
    if (reach) {
        if (n > 0 && from > 0)
            extendSpanTo(std::clamp(*reach, 1, n));
        event->accept();
        return;
    }
    if (MovesTheRow(event->key()))
        clearSpan();
    QTableView::keyPressEvent(event);
}

void MeasurementGrid::mousePressEvent(QMouseEvent* event) {
    // The right button opens the context menu on what is marked and current now: it moves nothing.
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid()) {
        if (event->modifiers().testFlag(Qt::ShiftModifier)) {
            span_.extendTo(currentTableRow(), at.row() + 1);
            viewport()->update();
        } else {
            clearSpan();
        }
    }
    QTableView::mousePressEvent(event);
}

void MeasurementGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    highlightCurrent();
    if (current.isValid())
        emit rowChosen(current.row() + 1);
}

void MeasurementGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTableView::selectionChanged(selected, deselected);
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
    copyAction = new QAction(tr("Копировать"), this);
    copyAction->setObjectName(QStringLiteral("CopyRows"));
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    grid->addAction(copyAction);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyAction, &QAction::triggered, this, &MeasurementTableWindow::copyRows);
    connect(grid, &MeasurementGrid::copyRequested, this, &MeasurementTableWindow::copyRows);
    connect(grid, &MeasurementGrid::rowChosen, this, &MeasurementTableWindow::rowChosen);
    // A title that names another unit is wider.
    connect(&model_, &QAbstractItemModel::headerDataChanged, this, &MeasurementTableWindow::fitColumnTitles);

    // Escape closes the table as its close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
}

void MeasurementTableWindow::showEvent(QShowEvent* event) {
    fitColumnTitles();
    QWidget::showEvent(event);
}

void MeasurementTableWindow::fitColumnTitles() {
    QHeaderView* header = grid->horizontalHeader();
    const int activityWidth = grid->columnWidth(ColumnActivity);
    for (int c = 0; c < TableColumnCount; ++c)
        grid->setColumnWidth(c, std::max(grid->columnWidth(c), header->sectionSizeHint(c)));
    // A title naming another unit widens the activity column; without a horizontal scroll bar that would
    // push the exposure out of sight, so the window widens as much.
    if (const int grown = grid->columnWidth(ColumnActivity) - activityWidth; grown > 0)
        resize(width() + grown, height());
}

void MeasurementTableWindow::startSeries() {
    grid->clearSpan();
    setCurrentRow(1);
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

void MeasurementTableWindow::copyRows() {
    const SelectedSeries* series = model_.series();
    const std::optional<MeasurementSpan> rows = grid->rowSpan().rowsToCopy(currentRow());
    if (!series || !rows)
        return;
    QGuiApplication::clipboard()->setText(SpanClipboardText(*series, *rows, InterfaceDecimalPoint()));
}
