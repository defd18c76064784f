#include "SeriesShownFixture.h"

#include "GraphPaint.h"
#include "PaintBox.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <QToolButton>

namespace {

// Keeps the regions the paint area is asked to repaint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* target) { target->installEventFilter(this); }
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

using GraphInWindowTest = SeriesShownTest;

TEST_F(GraphInWindowTest, APointerStepRepaintsOnlyTheOldAndTheNewColumn) {
    QApplication::processEvents();
    const int oldX = graph().pointerTrace().PointerX;
    PaintRecorder recorder(form->PaintBox);
    form->SBToRight->click();
    QApplication::processEvents();
    const int newX = graph().pointerTrace().PointerX;
    ASSERT_NE(oldX, newX);
    const int height = form->PaintBox->height();
    EXPECT_GE(recorder.paints, 1);
    EXPECT_EQ(recorder.painted, QRegion(oldX, 0, 1, height) + QRegion(newX, 0, 1, height));
}

TEST_F(GraphInWindowTest, TheWholeSeriesIsShownWithThePointerOnTheFirstMeasurement) {
    form->SBMasGA->click();
    EXPECT_EQ(graph().view().ViewFirst, 1);
    EXPECT_EQ(graph().view().ViewCount, 40);
    EXPECT_EQ(graph().view().PointerIndex, 10); // the initial view keeps the pointer
    openThroughDialog(path);
    EXPECT_EQ(graph().view().ViewCount, 40);
    EXPECT_EQ(graph().view().PointerIndex, 1);
    EXPECT_EQ(form->NIsm->text(), QStringLiteral("1"));
}

TEST_F(GraphInWindowTest, KeypadDigitsAndEndHomeMoveThePointerWhateverHasTheFocus) {
    QApplication::setActiveWindow(form);
    // Keys go where the focus is, as the keyboard sends them.
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == form ? focus : form, key, modifiers);
    };
    press(Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(graph().view().PointerIndex, 11);
    EXPECT_EQ(form->NIsm->text(), QStringLiteral("11"));
    press(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(graph().view().PointerIndex, 10);
    press(Qt::Key_End);
    EXPECT_EQ(graph().view().PointerIndex, 30);
    press(Qt::Key_Home);
    EXPECT_EQ(graph().view().PointerIndex, 10);
    press(Qt::Key_6); // the digit row is not the keypad
    EXPECT_EQ(graph().view().PointerIndex, 10);
}

TEST_F(GraphInWindowTest, AClickOnTheGraphMovesThePointerUnlessNoSeriesIsChosen) {
    const int x = PointerXFor(graph().view(), series(), 20);
    QTest::mouseClick(form->PaintBox, Qt::LeftButton, {}, QPoint(x, form->PaintBox->height() / 2));
    EXPECT_EQ(graph().view().PointerIndex, 20);
    EXPECT_EQ(form->NIsm->text(), QStringLiteral("20"));

    cancelOpenDialog(); // withdraws the series: the graph is grey and deaf
    const int before = graph().view().PointerIndex;
    QTest::mouseClick(form->PaintBox, Qt::LeftButton, {},
                      QPoint(PointerXFor(graph().view(), series(), 25), 50));
    EXPECT_EQ(graph().view().PointerIndex, before);
    EXPECT_EQ(graphPixel(), QColor(192, 192, 192));
}

TEST_F(GraphInWindowTest, TheGridButtonDrawsGridLines) {
    // Pixels of the grid colour inside the plot frame, where only grid lines can put them.
    const auto gridPixels = [this] {
        const QImage& picture = graph().screen();
        const GraphMargins& m = graph().view().margins;
        const QRgb grid = QColor(0, 128, 128).rgb();
        int count = 0;
        for (int y = m.MarginTop + 1; y < picture.height() - m.MarginBottom - 1; ++y)
            for (int x = m.MarginLeft + 1; x < picture.width() - m.MarginRight - 1; ++x)
                count += picture.pixel(x, y) == grid ? 1 : 0;
        return count;
    };
    const int without = gridPixels();
    form->SBSetka->click();
    EXPECT_TRUE(form->SBSetka->isChecked());
    EXPECT_GT(gridPixels(), without);
    form->SBSetka->click();
    EXPECT_EQ(gridPixels(), without);
}

} // namespace
