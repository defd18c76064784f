// The graph of the main window in its widget: what pointer moves, clicks, keys and zooms draw and which paint
// events they cause.
#include "app/window/GraphWidget.h"
#include "app/document/MeasurementDocument.h"
#include "app/window/GraphFollowsDocument.h"
#include "graph/GraphSurface.h"
#include "graph/HoverReadout.h"
#include "store/MeasurementReadout.h"
#include "tests/support/PixelProbe.h"
#include "tests/support/SeriesFactory.h"

#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

const ColorScheme Colors;

// The paint area, counting what its paint events cover.
class CountingArea : public GraphWidget {
public:
    explicit CountingArea(GraphSurface& graph) : GraphWidget(graph) {
        graph.setBlankColor(palette().color(QPalette::Window));
    }
    QRegion painted;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        ++paints;
        GraphWidget::paintEvent(event);
    }
};

// Qt's tooltip window while one is shown.
const QWidget* ShownToolTip() {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

int PixelsIn(const QRegion& region) {
    int pixels = 0;
    for (const QRect& rect : region)
        pixels += rect.width() * rect.height();
    return pixels;
}

class GraphViewTest : public testing::Test {
protected:
    void SetUp() override {
        FollowDocument(graphView, document);
        area.resize(707, 328);
        area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
        document.showSeries(RadonSeries(120, Utc(2024, 2, 3, 4, 5, 6)));
        Settle();
    }
    GraphSurface& graph() { return graphView; }
    void Settle() {
        QCoreApplication::processEvents();
        area.painted = QRegion();
        area.paints = 0;
    }
    QStringList Messages(const std::function<void()>& action) {
        QSignalSpy spy(&document, &MeasurementDocument::statusNotice);
        action();
        QStringList texts;
        for (const QList<QVariant>& arguments : spy)
            texts << arguments.at(0).toString();
        return texts;
    }
    void Click(int x, int y = 100) { QTest::mouseClick(&area, Qt::LeftButton, Qt::NoModifier, QPoint(x, y)); }
    // Turns the wheel by whole notches (positive away from the user) with the mouse at `at`.
    void Wheel(QPoint at, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent event(at, area.mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&area, &event);
    }
    // The middle of measurement k on the view as it is laid out now, halfway up the frame.
    QPoint MiddleOf(int k) {
        const TimeMap time = ViewTimeMap(graph().view(), store.selected);
        return {time.middleX(store.selected.elapsedTime[k - 1], store.selected.elapsedTime[k]), 140};
    }
    int UnderMouse(QPoint at) {
        return MeasurementUnder(graph().view(), store.selected, area.size(), at).value();
    }

    MeasurementDocument document;
    const MeasurementStore& store = document.store();
    GraphSurface graphView{store};
    CountingArea area{graphView};
};

TEST_F(GraphViewTest, APointerMoveRepaintsOnlyTwoColumns) {
    const int oldX = graph().pointerTrace().pointerX;
    document.navigate(NavigationCommand::Right);
    const int newX = graph().pointerTrace().pointerX;
    ASSERT_NE(oldX, newX);
    QCoreApplication::processEvents();
    EXPECT_GE(area.paints, 1);
    EXPECT_EQ(area.painted, QRegion(QRect(oldX, 0, 1, 328)) + QRegion(QRect(newX, 0, 1, 328)));
    EXPECT_EQ(PixelsIn(area.painted), 2 * 328);
    EXPECT_EQ(area.grab().toImage().convertToFormat(QImage::Format_RGB32), graph().screen());
}

TEST_F(GraphViewTest, NavigationSaysWhenThePointerCannotGoFurther) {
    EXPECT_EQ(Messages([&] { document.navigate(NavigationCommand::Left); }),
              QStringList{QStringLiteral("Это первое измерение в области видимости ")});
    EXPECT_EQ(Messages([&] { document.navigate(NavigationCommand::Right); }),
              QStringList{QStringLiteral(" ")});
    EXPECT_EQ(graph().view().pointerIndex, 2);
    EXPECT_EQ(Messages([&] { document.navigate(NavigationCommand::End); }), QStringList{});
    EXPECT_EQ(graph().view().pointerIndex, 120);
    EXPECT_EQ(Messages([&] { document.navigate(NavigationCommand::Right); }),
              QStringList{QStringLiteral("Это последнее измерение в области видимости ")});
    EXPECT_EQ(Messages([&] { document.navigate(NavigationCommand::Home); }),
              QStringList{QStringLiteral(" ")});
    EXPECT_EQ(graph().view().pointerIndex, 1);
}

TEST_F(GraphViewTest, EveryPointerMoveAsksTheTableToFollow) {
    QSignalSpy follow(&document, &MeasurementDocument::pointerMoved);
    document.navigate(NavigationCommand::Right);
    document.navigate(NavigationCommand::End);
    graph().pressKey(Qt::Key_Home, false);
    Click(300);
    EXPECT_EQ(follow.count(), 4);
}

TEST_F(GraphViewTest, KeypadDigitsAndArrowsMoveThePointerOtherKeysDoNot) {
    EXPECT_TRUE(graph().pressKey(Qt::Key_6, true));
    EXPECT_EQ(graph().view().pointerIndex, 2);
    EXPECT_TRUE(graph().pressKey(Qt::Key_6, true));
    EXPECT_TRUE(graph().pressKey(Qt::Key_4, true));
    EXPECT_EQ(graph().view().pointerIndex, 2);
    EXPECT_FALSE(graph().pressKey(Qt::Key_6, false));
    EXPECT_FALSE(graph().pressKey(Qt::Key_Up, false));
    EXPECT_EQ(graph().view().pointerIndex, 2);
    EXPECT_TRUE(graph().pressKey(Qt::Key_Right, false));
    EXPECT_EQ(graph().view().pointerIndex, 3);
    EXPECT_TRUE(graph().pressKey(Qt::Key_Left, true));
    EXPECT_EQ(graph().view().pointerIndex, 2);
    EXPECT_TRUE(graph().pressKey(Qt::Key_End, false));
    EXPECT_EQ(graph().view().pointerIndex, 120);
}

TEST_F(GraphViewTest, AClickMovesThePointerToTheMeasurementUnderIt) {
    Click(400);
    EXPECT_EQ(graph().view().pointerIndex, MeasurementAtX(graph().view(), store.selected, 400));
    EXPECT_GT(graph().view().pointerIndex, 1);
    EXPECT_TRUE(Is(graph().screen(), graph().pointerTrace().pointerX, 100, Colors.pointer));
}

TEST_F(GraphViewTest, AClickRightOfTheFrameOnlyClearsTheStatus) {
    const QImage before = graph().screen().copy();
    EXPECT_EQ(Messages([&] { Click(707 - 6 + 1); }), QStringList{QStringLiteral(" ")});
    EXPECT_EQ(graph().view().pointerIndex, 1);
    EXPECT_EQ(graph().screen(), before);
}

TEST_F(GraphViewTest, ClicksAndKeysAreIgnoredWhileNoSeriesIsChosen) {
    document.withdrawSeries();
    graph().redraw();
    const QImage before = graph().screen().copy();
    EXPECT_TRUE(AllAre(before, before.rect(), QColor(192, 192, 192)));
    QSignalSpy follow(&document, &MeasurementDocument::pointerMoved);
    EXPECT_EQ(Messages([&] {
                  Click(300);
                  graph().pressKey(Qt::Key_End, false);
              }),
              QStringList{});
    EXPECT_EQ(follow.count(), 0);
    EXPECT_EQ(graph().view().pointerIndex, 1);
    EXPECT_EQ(graph().screen(), before);
}

TEST_F(GraphViewTest, TwoClicksZoomAfterThePromptWithARedDotAtTheFirst) {
    EXPECT_EQ(Messages([&] { document.beginZoom(); }),
              QStringList{QStringLiteral("Укажите на графике мышью область видимости ")});
    Click(200, 150);
    EXPECT_TRUE(Is(graph().screen(), 200, 150, QColor(255, 0, 0)));
    EXPECT_EQ(graph().view().viewCount, 120);
    QSignalSpy follow(&document, &MeasurementDocument::pointerMoved);
    Click(150, 40);
    EXPECT_EQ(follow.count(), 1);
    const ViewLayout& view = graph().view();
    EXPECT_EQ(view.zoomMode, ZoomState::Off);
    EXPECT_EQ(view.pointerIndex, view.viewFirst);
    EXPECT_LT(view.viewCount, 120);
    EXPECT_TRUE(Is(graph().screen(), 65, 328 - 51, QColor(255, 0, 0))) << "the view begins inside the series";
}

TEST_F(GraphViewTest, AfterTheFirstZoomClickAFrameShowsTheSpanAndAResizeKeepsTheDot) {
    document.beginZoom();
    EXPECT_EQ(Messages([&] { Click(200, 150); }),
              QStringList({QStringLiteral(" "), QStringLiteral("Щёлкните второй край области")}));
    // The frame reaches from the start of the first click's measurement to the end of the one under the
    // mouse, over the plot's height, whichever side the mouse is on.
    const ViewLayout& view = graph().view();
    const TimeMap time = ViewTimeMap(view, store.selected);
    const auto xOfEnd = [&](int k) { return time.x(store.selected.elapsedTime[k]); };
    const int anchor = MeasurementAtX(view, store.selected, 200);
    for (const int x : {400, 100}) {
        QTest::mouseMove(&area, QPoint(x, 200));
        const int k = MeasurementAtX(view, store.selected, x);
        const QRect span(QPoint(xOfEnd(std::min(anchor, k) - 1), 5),
                         QPoint(xOfEnd(std::max(anchor, k)), 277));
        EXPECT_EQ(area.zoomSpan(), span) << x;
        const QImage shown = area.grab().toImage();
        for (const QPoint& edge :
             {QPoint(span.left(), 100), QPoint(span.right(), 100), QPoint(span.center().x(), span.top()),
              QPoint(span.center().x(), span.bottom())})
            EXPECT_EQ(shown.pixelColor(edge), QColor(255, 0, 0))
                << x << " at " << edge.x() << "," << edge.y();
        EXPECT_NE(shown.pixelColor(span.left() - 1, 100), QColor(255, 0, 0)) << x;
    }
    // The window grows between the clicks: the dot stays on the same measurement at the same activity.
    const Extended activity = Extended(328 - 51 - 150) / view.activityScale;
    area.resize(900, 400);
    QCoreApplication::processEvents();
    QRect dot;
    const QImage& picture = graph().screen();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) == QColor(255, 0, 0))
                dot |= QRect(x, y, 1, 1);
    ASSERT_FALSE(dot.isEmpty()) << "the red dot is gone";
    EXPECT_EQ(MeasurementAtX(graph().view(), store.selected, dot.center().x()), anchor);
    EXPECT_NEAR(double(Extended(400 - 51 - dot.center().y()) / graph().view().activityScale),
                double(activity), double(2 / graph().view().activityScale));
    Click(600, 150);
    EXPECT_TRUE(area.zoomSpan().isNull()) << "the second click ends the frame";
    EXPECT_EQ(graph().view().zoomMode, ZoomState::Off);
}

TEST_F(GraphViewTest, AWholeAreaRepaintTakesTheCurrentColours) {
    ColorScheme dark;
    dark.background = QColor(10, 20, 30);
    graph().setColors(dark);
    area.repaint();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Is(graph().screen(), 2, 2, dark.background));
    EXPECT_EQ(area.paints, 1) << "drawing the picture in a paint asks for no further paint";
}

TEST_F(GraphViewTest, ResizingScalesTheViewToTheNewArea) {
    document.setGrid(true);
    area.resize(1000, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(graph().screen().size(), QSize(1000, 600));
    const ViewLayout& view = graph().view();
    EXPECT_FLOAT_EQ(view.activityScale, float(600 - 51 - 5) / float(view.viewMax));
    EXPECT_TRUE(view.gridOn);
    EXPECT_TRUE(Is(graph().screen(), 1000 - 6 - 1, 6, Colors.axes)) << "the frame reaches the new width";
}

} // namespace

namespace {

TEST(GraphViewPaintTest, APaintOfAnAreaOfAnotherSizeResizesThePictureFirst) {
    MeasurementDocument document;
    GraphSurface graph(document.store());
    FollowDocument(graph, document);
    graph.resize(QSize(707, 328));
    document.showSeries(RadonSeries(50, Utc(2024, 2, 3)));
    QImage window(800, 400, QImage::Format_RGB32);
    window.fill(Qt::black);
    {
        QPainter painter(&window);
        graph.paint(painter, QRegion(window.rect()), window.size());
    }
    EXPECT_EQ(graph.screen().size(), QSize(800, 400));
    EXPECT_EQ(window, graph.screen());
    EXPECT_TRUE(Is(window, 800 - 6 - 1, 6, Colors.axes));
}

} // namespace

namespace {

// Pairs of rows and columns, aligned to the ratio 2 grid, whose four pixels are not all alike: a picture
// drawn at half the resolution and stretched has none.
int DetailedBlocks(const QImage& image, const QRect& area) {
    int blocks = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            blocks +=
                image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return blocks;
}

TEST(GraphViewPaintTest, OnADenseScreenThePictureHasTheScreensResolution) {
    MeasurementDocument document;
    GraphSurface graph(document.store());
    FollowDocument(graph, document);
    const QSize area(707, 328);
    QImage window(area * 2, QImage::Format_RGB32);
    window.setDevicePixelRatio(2);
    window.fill(Qt::black);
    const auto paintWhole = [&] {
        QPainter painter(&window);
        graph.paint(painter, QRegion(QRect(QPoint(0, 0), area)), area);
    };
    paintWhole();
    document.showSeries(RadonSeries(50, Utc(2024, 2, 3)));
    paintWhole();
    EXPECT_EQ(graph.screen().size(), area * 2);
    EXPECT_EQ(graph.screen().devicePixelRatio(), 2.0);
    EXPECT_EQ(window.convertToFormat(QImage::Format_RGB32), graph.screen());
    // The time labels under the axis are drawn with the detail of the device's pixels.
    const QRect labels(0, 2 * (328 - 51) + 2, 2 * 707, 2 * 51 - 4);
    EXPECT_GT(DetailedBlocks(window, labels), 100);
    // The layout is the logical one: the frame's right edge at W − R, the axis at H − B.
    EXPECT_EQ(window.pixelColor(2 * (707 - 6 - 1), 2 * 6), Colors.axes);
    EXPECT_EQ(window.pixelColor(2 * (707 - 6 - 1) + 1, 2 * 6 + 1), Colors.axes);
    EXPECT_EQ(window.pixelColor(2 * (707 - 6), 2 * 6), Colors.background);
}

TEST(GraphViewPaintTest, APointerMoveOnADenseScreenCopiesOnlyTheColumns) {
    MeasurementDocument document;
    GraphSurface graph(document.store());
    FollowDocument(graph, document);
    const QSize area(707, 328);
    graph.resize(area, 2);
    document.showSeries(RadonSeries(50, Utc(2024, 2, 3)));
    const int renders = graph.renderCount();
    const QImage before = graph.screen().copy();
    const int oldX = graph.pointerTrace().pointerX;
    document.navigate(NavigationCommand::Right);
    const int newX = graph.pointerTrace().pointerX;
    EXPECT_EQ(graph.renderCount(), renders);
    std::vector<int> changed = DifferingColumns(before, graph.screen());
    EXPECT_EQ(changed, (std::vector<int>{2 * oldX, 2 * oldX + 1, 2 * newX, 2 * newX + 1}));
}

// The mouse over the graph names the measurement under it in a tooltip clear of the step line; the pointer
// stays. Outside the plot frame nothing is named.
TEST_F(GraphViewTest, TheMouseOverTheGraphNamesTheMeasurementUnderIt) {
    for (const int k : {37, 90}) {
        const QPoint at = MiddleOf(k);
        for (const QPoint& mouse : {at, QPoint(at.x(), 270), QPoint(at.x(), 10)}) {
            QTest::mouseMove(&area, mouse);
            EXPECT_EQ(QToolTip::text(), MeasurementReadout(store.selected, k)) << k;
            EXPECT_EQ(area.readout(), QToolTip::text());
            const QWidget* tip = ShownToolTip();
            ASSERT_NE(tip, nullptr) << k;
            // No pixel of the step line lies under the tooltip.
            const QRect covered = QRect(area.mapFromGlobal(tip->pos()), tip->size())
                                      .intersected(PlotFrame(graph().view(), area.size()));
            int line = 0;
            for (int y = covered.top(); y <= covered.bottom(); ++y)
                for (int x = covered.left(); x <= covered.right(); ++x)
                    line += graph().screen().pixelColor(x, y) == Colors.graph;
            EXPECT_EQ(line, 0) << k << " at " << mouse.y();
        }
    }
    EXPECT_EQ(graph().view().pointerIndex, 1);
    QTest::mouseMove(&area, QPoint(30, 140));
    EXPECT_EQ(area.readout(), QString());
}

// The wheel zooms in around the mouse, the measurement under it staying under it, down to one measurement,
// with the pointer kept while in view; turned back, it ends at the whole series.
TEST_F(GraphViewTest, TheWheelZoomsAroundTheMeasurementUnderTheMouse) {
    // Hours of measurement, so that whole measurements can always keep the one under the mouse in place.
    std::vector<int64_t> elapsed;
    std::vector<int64_t> activities;
    for (int j = 0; j <= 120; ++j)
        elapsed.push_back(3600 * j);
    for (int k = 1; k <= 120; ++k)
        activities.push_back(100 + (k * 37) % 500);
    document.showSeries(SeriesFromElapsed(Utc(2024, 2, 3), elapsed, activities));
    const int k = 70;
    const QPoint at = MiddleOf(k);
    Click(at.x());
    ASSERT_EQ(graph().view().pointerIndex, k);
    int count = graph().view().viewCount;
    while (count > 1) {
        Wheel(at, 1);
        ASSERT_LT(graph().view().viewCount, count);
        count = graph().view().viewCount;
        EXPECT_EQ(UnderMouse(at), k) << count;
        EXPECT_EQ(graph().view().pointerIndex, k) << count;
    }
    Wheel(at, 3);
    EXPECT_EQ(graph().view().viewFirst, k);
    EXPECT_EQ(graph().view().viewCount, 1);
    EXPECT_EQ(graph().view().viewMax, store.selected.activity[k]) << "scaled to the range's own maximum";
    Wheel(at, -100);
    EXPECT_EQ(graph().view().viewFirst, 1);
    EXPECT_EQ(graph().view().viewCount, 120);
    EXPECT_EQ(graph().view().viewMax, store.selected.maxActivity);
}

// Shift+wheel and a middle-button drag move the view by whole measurements within the series, keeping its
// size; the pointer stays while in view and, left outside, goes to the first measurement in view.
TEST_F(GraphViewTest, PanningMovesTheViewWithinTheSeries) {
    document.showRange(10, 30);
    Wheel(MiddleOf(20), 1, Qt::ShiftModifier);
    EXPECT_EQ(graph().view().viewFirst, 8);
    Wheel(MiddleOf(20), 5, Qt::ShiftModifier);
    EXPECT_EQ(graph().view().viewFirst, 1);
    EXPECT_EQ(graph().view().viewCount, 21);
    const QPoint from = MiddleOf(20);
    const QPoint to = MiddleOf(15);
    QTest::mousePress(&area, Qt::MiddleButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, area.mapToGlobal(to), Qt::NoButton, Qt::MiddleButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&area, &move);
    QTest::mouseRelease(&area, Qt::MiddleButton, Qt::NoModifier, to);
    EXPECT_EQ(graph().view().viewFirst, 6) << "measurement 20 follows the mouse to where 15 was";
    // The middle press is a click, as every button's is; the pan keeps the pointer that stays in view.
    EXPECT_EQ(graph().view().pointerIndex, 20);
    for (int i = 0; i < 50; ++i)
        Wheel(MiddleOf(20), -1, Qt::ShiftModifier);
    EXPECT_EQ(graph().view().viewFirst, 100);
    EXPECT_EQ(graph().view().viewCount, 21);
    EXPECT_EQ(graph().view().pointerIndex, 100);
    EXPECT_EQ(graph().view().viewMax, *std::max_element(store.selected.activity.begin() + 100,
                                                        store.selected.activity.begin() + 121));
}

} // namespace
