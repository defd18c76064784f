#include "table/MeasurementTableModel.h"

#include "table/TableColumns.h"

#include <algorithm>

namespace {

// The grid's column titles in the user's language. The saved and the printed table write theirs from
// TableTitles: the file keeps its Russian titles whatever the language, since other programs read it.
const char* const kColumnTitles[TableColumnCount] = {
    QT_TRANSLATE_NOOP("MeasurementTableModel", "N изм."),
    QT_TRANSLATE_NOOP("MeasurementTableModel", "Время начала"),
    QT_TRANSLATE_NOOP("MeasurementTableModel", "Время оконч."),
    QT_TRANSLATE_NOOP("MeasurementTableModel", "Активность"),
    QT_TRANSLATE_NOOP("MeasurementTableModel", "Экспозиция")};

} // namespace

MeasurementTableModel::MeasurementTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void MeasurementTableModel::setSeries(const SelectedSeries* series) {
    // Rows go and come rather than the model being reset: a reset would put the columns the user widened
    // back to their design widths.
    // The series may be the one shown, changed in place, so the old row count is the one remembered.
    if (rows_ > 0) {
        beginRemoveRows(QModelIndex(), 0, rows_ - 1);
        series_ = nullptr;
        rows_ = 0;
        endRemoveRows();
    }
    const int n = series ? series->measurementCount : 0;
    if (n > 0) {
        beginInsertRows(QModelIndex(), 0, n - 1);
        series_ = series;
        rows_ = n;
        endInsertRows();
    }
}

int MeasurementTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int MeasurementTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TableColumnCount;
}

QVariant MeasurementTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return QVariant();
    return rowTexts(index.row() + 1)[static_cast<size_t>(index.column())];
}

QVariant MeasurementTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= TableColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    QString title = tr(kColumnTitles[section]);
    // The activity's title names its unit when that is not the table's own Bq/m³.
    if (section == ColumnActivity && unit_ != ActivityUnit::BecquerelPerCubicMetre)
        title += QStringLiteral(", ") + ActivityUnitCaption(unit_);
    return title;
}

Qt::ItemFlags MeasurementTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void MeasurementTableModel::setUnit(ActivityUnit unit) {
    if (unit == unit_)
        return;
    unit_ = unit;
    emit headerDataChanged(Qt::Horizontal, ColumnActivity, ColumnActivity);
    if (rows_ > 0)
        emit dataChanged(index(0, ColumnActivity), index(rows_ - 1, ColumnActivity));
}

RowTexts MeasurementTableModel::rowTexts(int k, ActivityUnit unit, TextsFor audience) const {
    const bool file = audience == TextsFor::File;
    if (k == 0)
        return file ? TableTitles(unit) : ShownTableTitles(unit);
    if (!series_ || k < 1 || k > rows_)
        return RowTexts();
    RowTexts texts = file ? MeasurementRowTexts(*series_, k) : ShownMeasurementRowTexts(*series_, k);
    // Converted from the measurement's own activity, not from the Bq/m³ text with its rounded error.
    if (unit != ActivityUnit::BecquerelPerCubicMetre)
        texts[ColumnActivity] = ActivityWithErrorTextIn(series_->activity[k], unit);
    return texts;
}

std::vector<RowTexts> MeasurementTableModel::rows(const MeasurementSpan& span, ActivityUnit unit,
                                                  TextsFor audience) const {
    std::vector<RowTexts> texts;
    texts.reserve(static_cast<size_t>(std::max(0, span.last - span.first + 1)));
    for (int k = span.first; k <= span.last; ++k)
        texts.push_back(rowTexts(k, unit, audience));
    return texts;
}
