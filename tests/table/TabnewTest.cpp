#include "table/Tabnew.h"
#include "store/InstrumentFile.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

SelectedSeries SeriesOf(int measurements) {
    InstrumentFileBuilder builder(117, 250);
    builder.series(3, 25);
    for (int k = 0; k <= measurements; ++k)
        builder.mark(1, 5, 6 + k / 60, k % 60, 0);
    const FileHalf file =
        ParseInstrumentFile(builder.endSeries().endFile().bytes(), QStringLiteral("/data/test.rad"));
    return EvaluateSeries(file, 1).series;
}

class TableWindow : public ::testing::Test {
protected:
    TFormTable table;
    std::vector<int> asked;
    bool refuse = false;

    void SetUp() override {
        table.SGTable->SelectCell = [this](int k) {
            asked.push_back(k);
            return !refuse;
        };
    }
};

TEST_F(TableWindow, TitlesWidthsAndFixedColumnOrder) {
    const QStringList titles{"N изм.", "Время начала", "Время оконч.", "Активность", "Экспозиция"};
    const int widths[] = {40, 97, 97, 90, 90};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(table.Cell(c, 0), titles[c]);
        EXPECT_EQ(table.SGTable->columnWidth(c), widths[c]);
    }
    EXPECT_FALSE(table.SGTable->horizontalHeader()->sectionsMovable());
    EXPECT_EQ(table.SGTable->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_FALSE(table.SGTable->verticalHeader()->isVisible());
    EXPECT_EQ(table.SGTable->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(table.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(table.windowTitle().isEmpty());
}

TEST_F(TableWindow, FillWritesEveryRowAndMakesRowOneCurrent) {
    const SelectedSeries series = SeriesOf(40);
    table.Fill(series);
    EXPECT_EQ(table.RowCount(), 41);
    EXPECT_EQ(table.CurrentRow(), 1);
    for (const int k : {1, 17, 40}) {
        const RowTexts expected = MeasurementRowTexts(series, k);
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(table.Cell(c, k), expected[c]) << "row " << k << " column " << c;
    }
    // Refilled with a shorter series: only its rows remain.
    table.Fill(SeriesOf(1));
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.Cell(0, 1), QStringLiteral("1"));
}

TEST_F(TableWindow, ARefusedRowLeavesTheCurrentRowWhereItWas) {
    table.Fill(SeriesOf(40));
    table.SetCurrentRow(12);
    ASSERT_EQ(table.CurrentRow(), 12);
    refuse = true;
    asked.clear();
    table.SetCurrentRow(1);
    EXPECT_EQ(asked, std::vector<int>{1});
    EXPECT_EQ(table.CurrentRow(), 12);
}

TEST_F(TableWindow, ClicksAndKeysAskBeforeTheRowMoves) {
    table.Fill(SeriesOf(40));
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    asked.clear();
    const QRect cell = table.SGTable->visualItemRect(table.SGTable->item(2, 1));
    QTest::mouseClick(table.SGTable->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(table.CurrentRow(), 3);
    EXPECT_EQ(asked.back(), 3);

    refuse = true;
    QTest::keyClick(table.SGTable, Qt::Key_Down);
    EXPECT_EQ(asked.back(), 4);
    EXPECT_EQ(table.CurrentRow(), 3);
}

TEST_F(TableWindow, SettingTheSameRowAsksNothing) {
    table.Fill(SeriesOf(5));
    asked.clear();
    table.SetCurrentRow(1);
    EXPECT_TRUE(asked.empty());
}

} // namespace
