#include "TabSer.h"

#include "MeasurementStore.h"
#include "SeriesList.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

const char* const OpenFilePrompt = "Откройте файл для просмотра";
const char* const ViewingFileText = "Просмотр файла ";

namespace {

constexpr int kColumnWidths[] = {40, 60, 110, 110, 75};
const char* const kColumnTitles[] = {"# п/п", "# серии", "Начало измерений", "Конец измерений", "Активность"};

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

TFormSer::TFormSer(const MeasurementStore& store, SeriesListHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), LVser(new QTreeWidget(this)), store_(store), host_(host) {
    setObjectName(QStringLiteral("FormSer"));
    setWindowTitle(QStringLiteral("Выбор серии"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setGeometry(397, 198, 407, 203);

    LVser->setObjectName(QStringLiteral("LVser"));
    LVser->setColumnCount(5);
    QStringList titles;
    for (const char* title : kColumnTitles)
        titles << QString::fromUtf8(title);
    LVser->setHeaderLabels(titles);
    for (int c = 0; c < 5; ++c)
        LVser->setColumnWidth(c, kColumnWidths[c]);
    LVser->header()->setStretchLastSection(false);
    LVser->setRootIsDecorated(false);
    LVser->setItemsExpandable(false);
    LVser->setUniformRowHeights(true);
    LVser->setAllColumnsShowFocus(true);
    LVser->setSelectionMode(QAbstractItemView::SingleSelection);
    LVser->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVser->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LVser->setItemDelegate(new GridLineDelegate(LVser));
    connect(LVser, &QTreeWidget::itemDoubleClicked, this, [this] { LVserDblClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LVser);
}

void TFormSer::ClearRows() {
    LVser->clear();
}

void TFormSer::FillRows() {
    ClearRows();
    QList<QTreeWidgetItem*> rows;
    for (int s = 1; s <= store_.file.SeriesCount; ++s) {
        const auto texts = SeriesListRow(store_.file, s);
        auto* row = new QTreeWidgetItem(QStringList(texts.begin(), texts.end()));
        rows.append(row);
    }
    LVser->addTopLevelItems(rows);
}

void TFormSer::ShowList() {
    if (isVisible())
        FormShow();
    show();
    raise();
    activateWindow();
}

void TFormSer::FormShow() {
    host_.ResetCommands();
    host_.SetStatusText(0, QString::fromUtf8(ViewingFileText) + FileNamePart(store_.file.DataFileName));
    host_.ShowInstrument(QString::number(store_.file.DeviceNumber), SensitivityText(store_.file.Sensitivity));
    host_.EnableSeriesCommand();
}

void TFormSer::FormClose() {
    if (!store_.NoSeriesChosen)
        return;
    host_.SetStatusText(0, QString::fromUtf8(OpenFilePrompt));
    host_.SetStatusText(1, QStringLiteral(" "));
    host_.ShowInstrument(QString(), QString());
}

void TFormSer::LVserDblClick() {
    const QList<QTreeWidgetItem*> selected = LVser->selectedItems();
    if (selected.isEmpty())
        return;
    bool ok = false;
    const int s = selected.constFirst()->text(0).toInt(&ok);
    if (ok && s >= 1 && s <= store_.file.SeriesCount)
        host_.SelectSeries(s);
}

void TFormSer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormSer::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    FormClose();
}
