#pragma once

#include "store/ActivityUnit.h"
#include "store/SeriesEvaluation.h"
#include "store/SpanStatistics.h"

#include <QAbstractTableModel>

#include <vector>

// The measurements of the shown series as a table of texts: row k − 1 is measurement k, in the five
// columns of TableColumn. A row's texts are made when a reader asks for them, so a series costs nothing per
// row until the row is seen. These texts are the one source of the table window, the value labels of the
// main window, the saved and the printed table.
// Whom a table's texts are for: a person, in the user's language (the screen, the printed table), or the
// saved file, whose format keeps its Russian texts whatever the language.
enum class TextsFor { Reader, File };

class MeasurementTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit MeasurementTableModel(QObject* parent = nullptr);

    // Shows the series, which must outlive this use of it; nullptr shows none.
    void setSeries(const SelectedSeries* series);
    // The series shown, or nullptr.
    const SelectedSeries* series() const { return series_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The unit of the activity column and its title; the rows and the title are announced as changed.
    void setUnit(ActivityUnit unit);
    ActivityUnit unit() const { return unit_; }

    // The texts of measurement k (1 … n) as the table shows them; k = 0 gives the column titles of the
    // printed table.
    RowTexts rowTexts(int k) const { return rowTexts(k, unit_); }
    // The same with the activity in a given unit (the saved and the printed table keep to Bq/m³), for a
    // reader in the user's language or for the saved file, which stays Russian for the programs that read it.
    RowTexts rowTexts(int k, ActivityUnit unit, TextsFor audience = TextsFor::Reader) const;
    // The rows of a span of the series, as shown unless a unit or the file is given.
    std::vector<RowTexts> rows(const MeasurementSpan& span) const { return rows(span, unit_); }
    std::vector<RowTexts> rows(const MeasurementSpan& span, ActivityUnit unit,
                               TextsFor audience = TextsFor::Reader) const;

private:
    const SelectedSeries* series_ = nullptr;
    int rows_ = 0;
    ActivityUnit unit_ = ActivityUnit::BecquerelPerCubicMetre;
};
