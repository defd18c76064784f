// The measurement table as a model: its rows are the texts of the series' measurements, made when asked.

#include "table/MeasurementTableModel.h"
#include "tests/support/MarkSeries.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Ten-minute measurements, one more mark than measurements.
SelectedSeries SeriesOf(int measurements) {
    InstrumentFileBuilder builder(117, 250);
    builder.series(3, 25);
    for (int k = 0; k <= measurements; ++k)
        builder.mark(1, 5, 6 + k / 6, (k % 6) * 10, 0);
    return EvaluateSeries(ParseBytes(builder.endSeries().endFile().bytes()), 1).series;
}

TEST(MeasurementTableModel, RowsAreTheMeasurementsTextsColumnsTheirTitles) {
    const SelectedSeries series = SeriesOf(12);
    MeasurementTableModel model;
    model.setSeries(&series);
    ASSERT_EQ(model.rowCount(), 12);
    ASSERT_EQ(model.columnCount(), 5);
    for (const int k : {1, 7, 12})
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(model.data(model.index(k - 1, c)).toString(), MeasurementRowTexts(series, k)[c]);
    const QStringList titles{"N изм.", "Время начала", "Время оконч.", "Активность", "Экспозиция"};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_EQ(model.rowTexts(0)[c], titles[c]);
    }
    EXPECT_EQ(model.rowTexts(12), MeasurementRowTexts(series, 12));
}

TEST(MeasurementTableModel, CellsCanBeChosenButNotEdited) {
    const SelectedSeries series = SeriesOf(3);
    MeasurementTableModel model;
    model.setSeries(&series);
    const Qt::ItemFlags flags = model.flags(model.index(1, 3));
    EXPECT_TRUE(flags.testFlag(Qt::ItemIsEnabled));
    EXPECT_TRUE(flags.testFlag(Qt::ItemIsSelectable));
    EXPECT_FALSE(flags.testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(model.data(model.index(1, 3), Qt::EditRole).isValid());
}

TEST(MeasurementTableModel, ASeriesChangedInPlaceReplacesEveryRow) {
    SelectedSeries shown = SeriesOf(12);
    MeasurementTableModel model;
    model.setSeries(&shown);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    // The window keeps one series and evaluates the next one into it.
    shown = SeriesOf(4);
    model.setSeries(&shown);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(2).toInt(), 11);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 3);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.data(model.index(3, 0)).toString(), QStringLiteral("4"));
    model.setSeries(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(model.rowTexts(1)[0].isEmpty());
}

TEST(MeasurementTableModel, TheRowsOfASpanAreThoseOfItsMeasurements) {
    const SelectedSeries series = SeriesOf(20);
    MeasurementTableModel model;
    model.setSeries(&series);
    const std::vector<RowTexts> rows = model.rows({5, 8});
    ASSERT_EQ(rows.size(), 4u);
    for (int k = 5; k <= 8; ++k)
        EXPECT_EQ(rows[static_cast<size_t>(k - 5)], MeasurementRowTexts(series, k));
}

} // namespace
