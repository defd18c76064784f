// The parts of the window keep in step through the document: each asks it to change and follows what it
// announces, so every change is announced once, drawn once, and what a part passes back ends there.

#include "tests/app/SeriesShownFixture.h"

#include "app/document/MeasurementDocument.h"
#include "app/window/GraphWidget.h"
#include "app/window/InfoPanel.h"
#include "app/window/SeriesListWindow.h"
#include "graph/SceneGeometry.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

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
    QSignalSpy areaChanges(&graph(), &GraphSurface::areaChanged);
    QSignalSpy pointerMoves(&form->document(), &MeasurementDocument::pointerMoved);

    form->nextMeasurementButton->click();

    EXPECT_EQ(PointerLinesDrawn(areaChanges), 1);
    EXPECT_EQ(areaChanges.count(), 2);
    EXPECT_EQ(graph().renderCount(), rendersBefore);
    EXPECT_EQ(table().currentRow(), 11);
    EXPECT_EQ(pointerMoves.count(), 1) << "the row the table makes current changes nothing in the document";
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("11"));
}

TEST_F(PartsInStepTest, ARowChosenInTheTableDrawsThePointerOnce) {
    form->tableButton->click();
    QApplication::processEvents();
    QSignalSpy areaChanges(&graph(), &GraphSurface::areaChanged);
    QSignalSpy pointerMoves(&form->document(), &MeasurementDocument::pointerMoved);

    const int rendersBefore = graph().renderCount();

    clickRow(15);

    EXPECT_EQ(form->document().pointer(), 15);
    EXPECT_EQ(graph().view().pointerIndex, 15);
    EXPECT_EQ(PointerLinesDrawn(areaChanges), 1);
    EXPECT_EQ(areaChanges.count(), 2);
    EXPECT_EQ(graph().renderCount(), rendersBefore);
    EXPECT_EQ(table().currentRow(), 15);
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

// A zoom chosen with two clicks on the graph: one view announced, one picture drawn, the pointer on the
// view's first measurement in the graph, the table and the panel, and rows beyond the view refused.
TEST_F(PartsInStepTest, AZoomAnnouncesOneViewAndDrawsOnePicture) {
    form->tableButton->click();
    QApplication::processEvents();
    const int rendersBefore = graph().renderCount();
    QSignalSpy viewChanges(&form->document(), &MeasurementDocument::viewChanged);
    QSignalSpy pointerMoves(&form->document(), &MeasurementDocument::pointerMoved);

    form->zoomButton->click();
    QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, QPoint(400, 100));

    const ViewLayout& view = graph().view();
    ASSERT_EQ(viewChanges.count(), 1);
    EXPECT_GT(view.viewFirst, 10);
    EXPECT_LT(view.last(), 30);
    EXPECT_EQ(form->document().viewFirst(), view.viewFirst);
    EXPECT_EQ(form->document().viewCount(), view.viewCount);
    EXPECT_EQ(graph().renderCount(), rendersBefore + 1);
    ASSERT_EQ(pointerMoves.count(), 1);
    EXPECT_EQ(pointerMoves.at(0).at(0).toInt(), view.viewFirst);
    EXPECT_EQ(table().currentRow(), view.viewFirst);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QString::number(view.viewFirst));
    clickRow(view.last() + 1);
    EXPECT_EQ(table().currentRow(), view.viewFirst) << "the table follows the announced view";
}

// Every request reaches the document, which changes one property and announces it once; the graph answers
// with one drawing (a pointer line, or one picture for a new view), the table and the panel follow, and the
// row the table then announces ends at the document as no change at all.
TEST_F(PartsInStepTest, EachRequestIsOneChangeOneAnnouncementAndOneDrawing) {
    form->tableButton->click();
    QApplication::processEvents();
    MeasurementDocument& document = form->document();
    struct Step {
        const char* what;
        std::function<void()> act;
        int pointerMoves, viewChanges, zoomChanges, pictures;
    };
    const Step steps[] = {
        {"a table row", [&] { clickRow(15); }, 1, 0, 0, 0},
        {"a click on the graph",
         [&] {
             const int x = PointerXFor(graph().view(), series(), 20);
             QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, QPoint(x, 100));
         },
         1, 0, 0, 0},
        {"a key", [&] { QTest::keyClick(form, Qt::Key_Right); }, 1, 0, 0, 0},
        {"a zoom",
         [&] {
             form->zoomButton->click();
             QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, QPoint(200, 100));
             QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, QPoint(400, 100));
         },
         1, 1, 3, 1},
        {"Первоначальный вид", [&] { form->wholeViewButton->click(); }, 0, 1, 0, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        QSignalSpy pointerMoves(&document, &MeasurementDocument::pointerMoved);
        QSignalSpy viewChanges(&document, &MeasurementDocument::viewChanged);
        QSignalSpy zoomChanges(&document, &MeasurementDocument::zoomChanged);
        QSignalSpy areaChanges(&graph(), &GraphSurface::areaChanged);
        QSignalSpy rowsAnnounced(&table(), &MeasurementTableWindow::rowChosen);
        const int picturesBefore = graph().renderCount();
        const int rowBefore = table().currentRow();

        step.act();

        EXPECT_EQ(pointerMoves.count(), step.pointerMoves);
        EXPECT_EQ(viewChanges.count(), step.viewChanges);
        EXPECT_EQ(zoomChanges.count(), step.zoomChanges);
        EXPECT_EQ(graph().renderCount() - picturesBefore, step.pictures);
        if (step.pictures == 0) {
            EXPECT_EQ(PointerLinesDrawn(areaChanges), step.pointerMoves);
        }
        // The table announces its new row once: the click itself, or the row it took from the pointer.
        EXPECT_EQ(rowsAnnounced.count(), table().currentRow() == rowBefore ? 0 : 1);
        EXPECT_EQ(table().currentRow(), document.pointer());
        EXPECT_EQ(graph().view().pointerIndex, document.pointer());
        EXPECT_EQ(graph().pointerTrace().pointerX, PointerXFor(graph().view(), series(), document.pointer()));
        EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QString::number(document.pointer()));
    }
    EXPECT_EQ(document.viewFirst(), 1);
    EXPECT_EQ(document.viewCount(), 40);
}

// A row beyond the view is refused: the pointer, its line, the panel's labels and the table's row all stay
// on the measurement the pointer stands on, and the status bar says why.
TEST_F(PartsInStepTest, ARefusedRowChangesNothingButTheStatusBar) {
    form->tableButton->click();
    clickRow(12);
    const int pointerX = graph().pointerTrace().pointerX;
    QSignalSpy announcements(&form->document(), &MeasurementDocument::pointerMoved);
    clickRow(35);
    EXPECT_EQ(announcements.count(), 0);
    EXPECT_EQ(form->document().pointer(), 12);
    EXPECT_EQ(graph().pointerTrace().pointerX, pointerX);
    EXPECT_EQ(table().currentRow(), 12);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("12"));
    EXPECT_EQ(panel(1), QStringLiteral("Это последнее измерение в области видимости "));
    // The next step starts from the measurement shown, not from the end of the view.
    form->nextMeasurementButton->click();
    EXPECT_EQ(form->document().pointer(), 13);
}

TEST_F(GuiTest, ChoosingASeriesRendersTheGraphOnce) {
    openThroughDialog(writeFile("several.rad", SeveralSeriesFile()));
    QApplication::processEvents();
    GraphSurface& graph = form->graph();
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
