#include "app/window/SeriesListWindow.h"

#include "app/window/WindowPlacement.h"
#include "store/MeasurementStore.h"
#include "store/SeriesList.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumnWidths[] = {40, 60, 110, 110, 75};
const char* const kColumnTitles[] = {QT_TRANSLATE_NOOP("SeriesListWindow", "# п/п"),
                                     QT_TRANSLATE_NOOP("SeriesListWindow", "# серии"),
                                     QT_TRANSLATE_NOOP("SeriesListWindow", "Начало измерений"),
                                     QT_TRANSLATE_NOOP("SeriesListWindow", "Конец измерений"),
                                     QT_TRANSLATE_NOOP("SeriesListWindow", "Активность")};

// A report-style list draws a line around every cell.
class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        const QRect r = option.rect;
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
};

} // namespace

// A tool window of the main window, as the table is: it stays above the main window (a message box or a
// click there cannot bury it) and has no taskbar entry of its own.
SeriesListWindow::SeriesListWindow(QWidget* parent) : QWidget(parent, Qt::Tool), list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("FormSer"));
    setWindowTitle(tr("Выбор серии"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setGeometry(397, 198, 407, 203);

    list->setObjectName(QStringLiteral("LVser"));
    list->setColumnCount(5);
    QStringList titles;
    for (const char* title : kColumnTitles)
        titles << tr(title);
    list->setHeaderLabels(titles);
    for (int c = 0; c < 5; ++c)
        list->setColumnWidth(c, kColumnWidths[c]);
    list->header()->setStretchLastSection(false);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setItemDelegate(new GridLineDelegate(list));
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { LVserDblClick(); });
    list->installEventFilter(this);
    // Escape closes the list as its close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
}

void SeriesListWindow::clearRows() {
    list->clear();
}

void SeriesListWindow::fillRows(const InstrumentFile& file) {
    clearRows();
    QList<QTreeWidgetItem*> rows;
    for (int s = 1; s <= file.seriesCount; ++s) {
        const auto texts = SeriesListRow(file, s);
        auto* row = new QTreeWidgetItem(QStringList(texts.begin(), texts.end()));
        rows.append(row);
    }
    list->addTopLevelItems(rows);
    fitColumns();
}

// A column is never narrower than its design width, and wide enough for its longest text, so that no text
// is cut into one that reads otherwise ("не опреде…").
void SeriesListWindow::fitColumns() {
    int total = 0;
    for (int c = 0; c < list->columnCount(); ++c) {
        list->resizeColumnToContents(c);
        list->setColumnWidth(c, std::max(kColumnWidths[c], list->columnWidth(c)));
        total += list->columnWidth(c);
    }
    // The window widens with its columns, so that they are seen without scrolling sideways.
    const int frame = 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    resize(std::max(width(), total + frame), height());
}

bool SeriesListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list && event->type() == QEvent::KeyPress)
        return LVserKeyDown(*static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

// Enter chooses the selected row as a double click does. Up and Down move the selection; while no row is
// selected they select the first or the last row instead of stepping past the unselected current one.
bool SeriesListWindow::LVserKeyDown(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        LVserDblClick();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        if (!list->selectedItems().isEmpty() || list->topLevelItemCount() == 0)
            return false;
        const int row = event.key() == Qt::Key_Down ? 0 : list->topLevelItemCount() - 1;
        list->setCurrentItem(list->topLevelItem(row));
        return true;
    }
    default:
        return false;
    }
}

void SeriesListWindow::showList() {
    if (isVisible())
        FormShow();
    else
        KeepOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void SeriesListWindow::FormShow() {
    emit listShown();
}

void SeriesListWindow::FormClose() {
    emit listClosed();
}

void SeriesListWindow::LVserDblClick() {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    bool ok = false;
    const int s = selected.constFirst()->text(0).toInt(&ok);
    if (ok && s >= 1 && s <= list->topLevelItemCount())
        emit seriesChosen(s);
}

void SeriesListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void SeriesListWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    FormClose();
}
