// The parts of the window keep in step through the document and one connection each way between the graph
// and the table: every move is drawn once, every series rendered once, and the document says what changed.

#include "tests/app/SeriesShownFixture.h"

#include "app/InfoPanel.h"
#include "app/MeasurementDocument.h"
#include "app/SeriesListWindow.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Pointer lines drawn: every line the graph moves puts back one column and draws another.
int PointerLinesDrawn(const QSignalSpy& areaChanges) {
    return static_cast<int>(areaChanges.count()) / 2;
}

using PartsInStepTest = SeriesShownTest;

TEST_F(PartsInStepTest, APointerStepDrawsThePointerOnceWhileTheTableFollows) {
    form->tableButton->click();
    ASSERT_TRUE(table().isVisible());
    QApplication::processEvents();
    const int rendersBefore = graph().renderCount();
    QSignalSpy areaChanges(&graph(), &GraphView::areaChanged);
    QSignalSpy rowsChosen(&table(), &MeasurementTableWindow::rowChosen);

    form->nextMeasurementButton->click();

    EXPECT_EQ(PointerLinesDrawn(areaChanges), 1);
    EXPECT_EQ(areaChanges.count(), 2);
    EXPECT_EQ(graph().renderCount(), rendersBefore);
    EXPECT_EQ(table().currentRow(), 11);
    EXPECT_EQ(rowsChosen.count(), 0) << "the table's following does not come back to the graph";
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("11"));
}

TEST_F(PartsInStepTest, ARowChosenInTheTableDrawsThePointerOnce) {
    form->tableButton->click();
    QApplication::processEvents();
    QSignalSpy areaChanges(&graph(), &GraphView::areaChanged);
    QSignalSpy pointerMoves(&form->document(), &MeasurementDocument::pointerMoved);

    clickRow(15);

    EXPECT_EQ(graph().view().pointerIndex, 15);
    EXPECT_EQ(PointerLinesDrawn(areaChanges), 1);
    ASSERT_EQ(pointerMoves.count(), 1);
    EXPECT_EQ(pointerMoves.at(0).at(0).toInt(), 15);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("15"));
}

TEST_F(PartsInStepTest, TheDocumentAnnouncesTheGraphsMovesAndViews) {
    QSignalSpy pointerMoves(&form->document(), &MeasurementDocument::pointerMoved);
    QSignalSpy viewChanges(&form->document(), &MeasurementDocument::viewChanged);
    form->lastMeasurementButton->click();
    form->wholeViewButton->click();
    ASSERT_EQ(pointerMoves.count(), 1);
    EXPECT_EQ(pointerMoves.at(0).at(0).toInt(), 30);
    EXPECT_EQ(viewChanges.count(), 1);
    EXPECT_EQ(graph().view().viewCount, 40);
}

TEST_F(GuiTest, ChoosingASeriesRendersTheGraphOnce) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    QApplication::processEvents();
    GraphView& graph = form->graph();
    const int rendersBefore = graph.renderCount();
    QSignalSpy seriesChanges(&form->document(), &MeasurementDocument::seriesChanged);

    doubleClickRow(1);
    QApplication::processEvents();

    EXPECT_EQ(seriesChanges.count(), 1);
    EXPECT_EQ(graph.renderCount(), rendersBefore + 1);
    EXPECT_NE(graphPixel(), QColor(192, 192, 192)) << "the one rendering is the series, not the blank area";
}

TEST_F(GuiTest, OpeningAOneSeriesFileRendersTheBlankAreaAndTheSeriesOnceEach) {
    QApplication::processEvents();
    const int rendersBefore = form->graph().renderCount();
    QSignalSpy opened(&form->document(), &MeasurementDocument::fileOpened);
    QSignalSpy withdrawn(&form->document(), &MeasurementDocument::seriesWithdrawn);

    openThroughDialog(writeFile("one.rad", OneSeriesFile()));
    QApplication::processEvents();

    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(withdrawn.count(), 1);
    EXPECT_EQ(form->graph().renderCount(), rendersBefore + 2);
}

TEST_F(GuiTest, AFileThatCannotBeReadChangesNothingInTheDocument) {
    QSignalSpy opened(&form->document(), &MeasurementDocument::fileOpened);
    openThroughDialog(dir.filePath(QStringLiteral("missing.rad")));
    EXPECT_EQ(opened.count(), 0);
    EXPECT_EQ(form->document().file().seriesCount, 0);
    EXPECT_EQ(dialogs->errors.size(), 1);
}

TEST_F(GuiTest, TheSecondaryWindowsAreMadeWhenFirstWanted) {
    EXPECT_TRUE(form->findChildren<SeriesListWindow*>().isEmpty());
    EXPECT_TRUE(form->findChildren<MeasurementTableWindow*>().isEmpty());
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    EXPECT_EQ(form->findChildren<SeriesListWindow*>().size(), 1);
    EXPECT_TRUE(form->findChildren<MeasurementTableWindow*>().isEmpty());
    EXPECT_EQ(form->seriesListWindow(), form->seriesListWindow());
}

} // namespace
