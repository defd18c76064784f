#include "tests/app/SeriesShownFixture.h"

#include "app/window/InfoPanel.h"

#include "app/window/StatusPanels.h"
#include "graph/GraphPaint.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

namespace {

using TableWindowTest = SeriesShownTest;

TEST_F(TableWindowTest, SeriesSelectionFillsTheTableAndLeavesItClosed) {
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(table().rowCount(), 41);
    for (const int k : {1, 25, 40})
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(table().cell(c, k), MeasurementRowTexts(series(), k)[c]);
}

TEST_F(TableWindowTest, ChoosingASeriesLeavesTheMainWindowActive) {
    // Keys must go on reaching the graph after a series is chosen, also after the table was shown.
    form->tableButton->click();
    ASSERT_TRUE(table().isVisible());
    form->activateWindow();
    QApplication::setActiveWindow(form);
    openThroughDialog(path);
    QApplication::processEvents();
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(QApplication::activeWindow(), form);
}

TEST_F(TableWindowTest, TheTableButtonShowsTheRowOfThePointer) {
    form->tableButton->click();
    EXPECT_TRUE(table().isVisible());
    EXPECT_EQ(table().currentRow(), 10);
    EXPECT_EQ(panel(1), QStringLiteral(" "));
    // Pressed again while shown: the row follows the pointer moved meanwhile.
    form->document().movePointer(20);
    form->tableButton->click();
    EXPECT_TRUE(table().isVisible());
    EXPECT_EQ(table().currentRow(), 20);
}

TEST_F(TableWindowTest, RowsBeforeTheVisibleRangeAreRefused) {
    form->tableButton->click();
    const QString before = form->infoPanel->activityLabel->text();
    clickRow(1);
    EXPECT_EQ(table().currentRow(), 10);
    EXPECT_EQ(graph().view().pointerIndex, 10);
    EXPECT_EQ(panel(1), QStringLiteral("Это первое измерение в области видимости "));
    EXPECT_EQ(form->infoPanel->activityLabel->text(), before);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("10"));
}

// The highlight marks the current row: a refused click must not move it onto the clicked row.
QList<int> HighlightedRows(const MeasurementTableWindow& table) {
    QList<int> rows;
    for (const QModelIndex& index : table.grid->selectionModel()->selectedIndexes())
        rows << index.row() + 1;
    return rows;
}

TEST_F(TableWindowTest, ARefusedClickLeavesTheHighlightOnTheCurrentRow) {
    form->tableButton->click();
    clickRow(12);
    ASSERT_EQ(HighlightedRows(table()), QList<int>{12});
    clickRow(1);
    EXPECT_EQ(HighlightedRows(table()), QList<int>{12});
    clickRow(40);
    EXPECT_EQ(HighlightedRows(table()), QList<int>{12});
    // Dragging from row 12 up across rows 11 … 9, the last of them outside the view, leaves it too.
    QTableView* grid = table().grid;
    const QAbstractItemModel* model = grid->model();
    grid->scrollTo(model->index(8, 1));
    auto centreOf = [grid, model](int k) { return grid->visualRect(model->index(k - 1, 1)).center(); };
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, centreOf(12));
    for (const int k : {11, 10, 9}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(centreOf(k)),
                         grid->viewport()->mapToGlobal(QPointF(centreOf(k))), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
    }
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centreOf(9));
    EXPECT_EQ(table().currentRow(), 10);
    EXPECT_EQ(HighlightedRows(table()), QList<int>{10});
}

TEST_F(TableWindowTest, RowsAfterTheVisibleRangeAreRefused) {
    form->tableButton->click();
    clickRow(12);
    clickRow(40);
    EXPECT_EQ(table().currentRow(), 12);
    EXPECT_EQ(graph().view().pointerIndex, 12) << "a refused row leaves the pointer with its line";
    EXPECT_EQ(panel(1), QStringLiteral("Это последнее измерение в области видимости "));
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(),
              QStringLiteral("12")); // the labels stay with the last accepted row
}

TEST_F(TableWindowTest, AVisibleRowMovesThePointerAndFillsTheLabels) {
    form->tableButton->click();
    clickRow(12);
    EXPECT_EQ(table().currentRow(), 12);
    EXPECT_EQ(graph().view().pointerIndex, 12);
    EXPECT_EQ(panel(1), QStringLiteral(" "));
    const RowTexts row = MeasurementRowTexts(series(), 12);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("12"));
    EXPECT_EQ(form->infoPanel->startTimeLabel->text(), row[1]);
    EXPECT_EQ(form->infoPanel->endTimeLabel->text(), row[2]);
    EXPECT_EQ(form->infoPanel->activityLabel->text(), row[3]);
    EXPECT_EQ(form->infoPanel->exposureLabel->text(), row[4]);
    EXPECT_EQ(graph().pointerTrace().pointerX, PointerXFor(graph().view(), series(), 12));
}

TEST_F(TableWindowTest, TheRowFollowsEveryStepOfThePointer) {
    form->tableButton->click();
    for (int step = 1; step <= 3; ++step) {
        form->nextMeasurementButton->click();
        EXPECT_EQ(table().currentRow(), 10 + step);
        EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QString::number(10 + step));
        EXPECT_EQ(form->infoPanel->exposureLabel->text(), table().cell(4, 10 + step));
        EXPECT_EQ(panel(1), QStringLiteral(" "));
    }
    form->lastMeasurementButton->click();
    EXPECT_EQ(table().currentRow(), 30);
}

TEST_F(TableWindowTest, OpeningAFileClosesTheTable) {
    form->tableButton->click();
    ASSERT_TRUE(table().isVisible());
    cancelOpenDialog();
    EXPECT_FALSE(table().isVisible());
}

} // namespace
