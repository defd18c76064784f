#include "table/MeasurementTableWindow.h"
#include "store/InstrumentFile.h"
#include "table/CsvTable.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
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
    const InstrumentFile file =
        ParseInstrumentFile(builder.endSeries().endFile().bytes(), QStringLiteral("/data/test.rad"));
    return EvaluateSeries(file, 1).series;
}

class TableWindow : public ::testing::Test {
protected:
    MeasurementTableModel model;
    MeasurementTableWindow table{model};
    SelectedSeries series;
    std::vector<int> asked;
    // What the receiver of the requests stands for: the row it took last, and whether it refuses the others
    // by making that row current again.
    int taken = 1;
    bool refusing = false;

    void SetUp() override {
        QObject::connect(&table, &MeasurementTableWindow::rowChosen, [this](int k) {
            if (k == taken)
                return;
            asked.push_back(k);
            if (refusing)
                table.setCurrentRow(taken);
            else
                taken = k;
        });
    }
    // The window shows the series as a new series is shown.
    void fill(const SelectedSeries& shown) {
        series = shown;
        taken = 1;
        model.setSeries(&series);
        table.startSeries();
    }
    // From now on no other row may become current.
    void refuseEveryRow() { refusing = true; }
};

TEST_F(TableWindow, TitlesWidthsAndFixedColumnOrder) {
    const QStringList titles{"N изм.", "Время начала", "Время оконч.", "Активность", "Экспозиция"};
    const int widths[] = {40, 97, 97, 90, 90};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(table.cell(c, 0), titles[c]);
        EXPECT_EQ(table.grid->columnWidth(c), widths[c]);
    }
    EXPECT_FALSE(table.grid->horizontalHeader()->sectionsMovable());
    EXPECT_EQ(table.grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_FALSE(table.grid->verticalHeader()->isVisible());
    EXPECT_EQ(table.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(table.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(table.windowTitle().isEmpty());
}

TEST_F(TableWindow, FillWritesEveryRowAndMakesRowOneCurrent) {
    fill(SeriesOf(40));
    EXPECT_EQ(table.rowCount(), 41);
    EXPECT_EQ(table.currentRow(), 1);
    for (const int k : {1, 17, 40}) {
        const RowTexts expected = MeasurementRowTexts(series, k);
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(table.cell(c, k), expected[c]) << "row " << k << " column " << c;
    }
    // Refilled with a shorter series: only its rows remain.
    fill(SeriesOf(1));
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.cell(0, 1), QStringLiteral("1"));
}

TEST_F(TableWindow, ARefusedRowLeavesTheCurrentRowWhereItWas) {
    fill(SeriesOf(40));
    table.setCurrentRow(12);
    ASSERT_EQ(table.currentRow(), 12);
    refuseEveryRow();
    asked.clear();
    table.setCurrentRow(1);
    EXPECT_EQ(asked, std::vector<int>{1});
    EXPECT_EQ(table.currentRow(), 12);
}

TEST_F(TableWindow, ClicksAndKeysAskBeforeTheRowMoves) {
    fill(SeriesOf(40));
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    asked.clear();
    const QRect cell = table.grid->visualRect(model.index(2, 1));
    QTest::mouseClick(table.grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(table.currentRow(), 3);
    EXPECT_EQ(asked.back(), 3);

    refuseEveryRow();
    QTest::keyClick(table.grid, Qt::Key_Down);
    EXPECT_EQ(asked.back(), 4);
    EXPECT_EQ(table.currentRow(), 3);
}

TEST_F(TableWindow, SettingTheSameRowAsksNothing) {
    fill(SeriesOf(5));
    asked.clear();
    table.setCurrentRow(1);
    EXPECT_TRUE(asked.empty());
}

TEST_F(TableWindow, CopyPutsTheMarkedRowsOnTheClipboard) {
    fill(SeriesOf(5));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(table.grid, Qt::Key_A, Qt::ControlModifier);
    table.copyAction->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), SpanClipboardText(series, {1, 5}, QLatin1Char(',')));
    EXPECT_EQ(table.copyAction->text(), QStringLiteral("Копировать"));
    EXPECT_EQ(table.copyAction->shortcut(), QKeySequence(QKeySequence::Copy));
    // With no series shown there is nothing to copy, and the clipboard keeps what it held.
    model.setSeries(nullptr);
    table.startSeries();
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    table.copyAction->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

} // namespace
