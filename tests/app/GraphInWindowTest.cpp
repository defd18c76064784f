#include "tests/app/SeriesShownFixture.h"

#include "app/window/InfoPanel.h"

#include "app/dialogs/colors/ColorDialog.h"
#include "app/dialogs/colors/ColorSwatch.h"
#include "app/window/GraphWidget.h"
#include "app/window/StatusPanels.h"
#include "graph/GraphPaint.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

namespace {

using GraphInWindowTest = SeriesShownTest;

TEST_F(GraphInWindowTest, APointerStepRepaintsOnlyTheOldAndTheNewColumn) {
    QApplication::processEvents();
    const int oldX = graph().pointerTrace().pointerX;
    PaintRecorder recorder(form->graphWidget);
    form->nextMeasurementButton->click();
    QApplication::processEvents();
    const int newX = graph().pointerTrace().pointerX;
    ASSERT_NE(oldX, newX);
    const int height = form->graphWidget->height();
    EXPECT_GE(recorder.paints, 1);
    EXPECT_EQ(recorder.painted, QRegion(oldX, 0, 1, height) + QRegion(newX, 0, 1, height));
}

TEST_F(GraphInWindowTest, TheWholeSeriesIsShownWithThePointerOnTheFirstMeasurement) {
    form->wholeViewButton->click();
    EXPECT_EQ(graph().view().viewFirst, 1);
    EXPECT_EQ(graph().view().viewCount, 40);
    EXPECT_EQ(graph().view().pointerIndex, 10); // the initial view keeps the pointer
    openThroughDialog(path);
    EXPECT_EQ(graph().view().viewCount, 40);
    EXPECT_EQ(graph().view().pointerIndex, 1);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("1"));
}

TEST_F(GraphInWindowTest, KeypadDigitsArrowsAndEndHomeMoveThePointerWhateverHasTheFocus) {
    QApplication::setActiveWindow(form);
    // Keys go where the focus is, as the keyboard sends them.
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == form ? focus : form, key, modifiers);
    };
    press(Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(graph().view().pointerIndex, 11);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("11"));
    press(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(graph().view().pointerIndex, 10);
    press(Qt::Key_End);
    EXPECT_EQ(graph().view().pointerIndex, 30);
    press(Qt::Key_Home);
    EXPECT_EQ(graph().view().pointerIndex, 10);
    press(Qt::Key_6); // the digit row is not the keypad
    EXPECT_EQ(graph().view().pointerIndex, 10);
    press(Qt::Key_Right);
    EXPECT_EQ(graph().view().pointerIndex, 11);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("11"));
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    EXPECT_EQ(graph().view().pointerIndex, 10);
    EXPECT_EQ(panel(1), QStringLiteral("Это первое измерение в области видимости "));
}

TEST_F(GraphInWindowTest, AClickOnTheGraphMovesThePointerUnlessNoSeriesIsChosen) {
    const int x = PointerXFor(graph().view(), series(), 20);
    QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, QPoint(x, form->graphWidget->height() / 2));
    EXPECT_EQ(graph().view().pointerIndex, 20);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("20"));

    cancelOpenDialog(); // withdraws the series: the graph is grey and deaf
    const int before = graph().view().pointerIndex;
    QTest::mouseClick(form->graphWidget, Qt::LeftButton, {},
                      QPoint(PointerXFor(graph().view(), series(), 25), 50));
    EXPECT_EQ(graph().view().pointerIndex, before);
    EXPECT_EQ(graphPixel(), QColor(192, 192, 192));
}

TEST_F(GraphInWindowTest, TheGridButtonDrawsGridLines) {
    // Pixels of the grid colour inside the plot frame, where only grid lines can put them.
    const auto gridPixels = [this] {
        const QImage& picture = graph().screen();
        const GraphMargins& m = graph().view().margins;
        const QRgb grid = QColor(0, 128, 128).rgb();
        int count = 0;
        for (int y = m.top + 1; y < picture.height() - m.bottom - 1; ++y)
            for (int x = m.left + 1; x < picture.width() - m.right - 1; ++x)
                count += picture.pixel(x, y) == grid ? 1 : 0;
        return count;
    };
    const int without = gridPixels();
    form->gridButton->click();
    EXPECT_TRUE(form->gridButton->isChecked());
    EXPECT_GT(gridPixels(), without);
    form->gridButton->click();
    EXPECT_EQ(gridPixels(), without);
}

} // namespace

namespace {

// What the paint area shows on the screen now, read from the window's backing store: reading it this way
// does not make the area paint again.
QImage OnScreen(const MainWindow* form) {
    const QPoint at = form->graphWidget->mapTo(form, QPoint(0, 0));
    return form->screen()
        ->grabWindow(form->winId(), at.x(), at.y(), form->graphWidget->width(), form->graphWidget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int PixelsOf(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color ? 1 : 0;
    return count;
}

class GraphOnScreenTest : public SeriesShownTest {
protected:
    void SetUp() override {
        SeriesShownTest::SetUp();
        QApplication::setActiveWindow(form);
        QApplication::processEvents();
    }
    // Ten pointer moves of every kind: buttons, keys and clicks on the graph.
    void TenPointerMoves() {
        for (int i = 0; i < 4; ++i) {
            form->nextMeasurementButton->click();
            QApplication::processEvents();
        }
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(form, Qt::Key_4, Qt::KeypadModifier);
            QApplication::processEvents();
        }
        for (const int k : {15, 22, 28}) {
            QTest::mouseClick(form->graphWidget, Qt::LeftButton, {},
                              QPoint(PointerXFor(graph().view(), series(), k), 100));
            QApplication::processEvents();
        }
    }
};

TEST_F(GraphOnScreenTest, TheZoomsRedDotShowsOnScreen) {
    form->zoomButton->click();
    const QPoint at(300, 120);
    QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, at);
    QApplication::processEvents();
    EXPECT_EQ(OnScreen(form).pixelColor(at), QColor(255, 0, 0));
    EXPECT_EQ(graph().view().zoomMode, ZoomState::AwaitingSecondEdge);
}

TEST_F(GraphOnScreenTest, PointerMovesCopyThePictureWithoutDrawingItAgain) {
    const int before = graph().renderCount();
    TenPointerMoves();
    EXPECT_EQ(graph().renderCount(), before);
    EXPECT_EQ(graph().view().pointerIndex, 28);
    EXPECT_EQ(OnScreen(form), graph().screen()) << "the screen shows the picture as the moves left it";
}

TEST_F(GraphOnScreenTest, ColourChangesShowOnlyAfterOk) {
    const QColor dark(10, 20, 30);
    chooser->colorAnswers.push_back(dark);
    form->colorsButton->click();
    form->colorDialog()->colorRoleButtons->button(0)->click(); // the background colour
    ASSERT_EQ(form->colorDialog()->backgroundSwatch->brushColor(), dark);
    TenPointerMoves();
    EXPECT_EQ(PixelsOf(OnScreen(form), dark), 0) << "the new background shows before OK";
    form->colorDialog()->okButton->click();
    QApplication::processEvents();
    EXPECT_EQ(OnScreen(form).pixelColor(2, 2), dark);
}

TEST_F(GraphOnScreenTest, AClickLeftOfTheAxisStopsAtTheFirstVisibleMeasurement) {
    form->tableButton->click();
    QTest::mouseClick(form->graphWidget, Qt::LeftButton, {},
                      QPoint(PointerXFor(graph().view(), series(), 20), 100));
    ASSERT_EQ(graph().view().pointerIndex, 20);
    ASSERT_LT(MeasurementAtX(graph().view(), series(), 2), 10) << "the click must lie before the view";

    QTest::mouseClick(form->graphWidget, Qt::LeftButton, {}, QPoint(2, 100));
    QApplication::processEvents();
    EXPECT_EQ(graph().view().pointerIndex, 10);
    EXPECT_EQ(graph().pointerTrace().pointerX, PointerXFor(graph().view(), series(), 10));
    EXPECT_EQ(table().currentRow(), 10);
    EXPECT_EQ(form->infoPanel->measurementNumberLabel->text(), QStringLiteral("10"));
    EXPECT_EQ(form->infoPanel->startTimeLabel->text(), table().cell(1, 10));
    EXPECT_EQ(form->infoPanel->endTimeLabel->text(), table().cell(2, 10));
    EXPECT_EQ(form->infoPanel->activityLabel->text(), table().cell(3, 10));
    EXPECT_EQ(form->infoPanel->exposureLabel->text(), table().cell(4, 10));
    EXPECT_EQ(panel(1), QStringLiteral("Это первое измерение в области видимости "));
}

} // namespace
