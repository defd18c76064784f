// What a user meets in the real main window (offscreen), with the largest series a file can hold (1636
// measurements): choosing the series with its first paint, a pointer step, the mouse over the graph, a turn
// of the wheel, a step of a span's drag, and a full repaint of the window. Every step runs until the window
// has nothing left to do: posted events handled, paints done.
//   build-test/bench/window/radview-bench-window [--benchmark_repetitions=5
//   --benchmark_report_aggregates_only=true]

#include "app/window/GraphWidget.h"
#include "bench/FullSeriesViewer.h"
#include "bench/RatioReporter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// One window for every benchmark, shown and painted before the file's series is.
struct Viewer : FullSeriesViewer {
    Viewer() {
        if (!QTest::qWaitForWindowExposed(&window()))
            std::fprintf(stderr, "the window was not shown: the figures are not those of a painted window\n");
        openFullFile();
        Settle();
    }
};

// Made on first use and let go before the application object, which its widgets need to the end.
std::unique_ptr<Viewer> theViewer;

Viewer& TheViewer() {
    if (!theViewer)
        theViewer = std::make_unique<Viewer>();
    return *theViewer;
}

void ChooseSeries(benchmark::State& state) {
    MainWindow& window = TheViewer().window();
    for (auto _ : state) {
        window.selectSeries(1);
        Settle();
    }
    state.counters["measurements"] = window.store().selected.measurementCount;
}
BENCHMARK(ChooseSeries)->Unit(benchmark::kMillisecond);

// Each step moves the pointer on by one measurement, as the toolbar's button does, back to the first at the
// end.
void PointerStep(benchmark::State& state) {
    MainWindow& window = TheViewer().window();
    window.selectSeries(1);
    Settle();
    const int n = window.store().selected.measurementCount;
    for (auto _ : state) {
        if (window.document().pointer() == n)
            window.firstMeasurementButton->click();
        else
            window.nextMeasurementButton->click();
        Settle();
    }
}
BENCHMARK(PointerStep)->Unit(benchmark::kMicrosecond);

// Each step moves the mouse over the graph to the next of a few places across the frame, naming the
// measurement under it in the readout.
void Hover(benchmark::State& state) {
    MainWindow& window = TheViewer().window();
    window.selectSeries(1);
    Settle();
    QWidget* area = window.graphWidget;
    int step = 0;
    for (auto _ : state) {
        const QPoint at(area->width() * (2 + step % 7) / 10, area->height() / 2);
        QTest::mouseMove(area, at);
        Settle();
        ++step;
    }
}
BENCHMARK(Hover)->Unit(benchmark::kMicrosecond);

// Each step turns the wheel one notch over the middle of the graph: in, until one measurement is shown,
// then out to the whole series, and so on.
void WheelZoomStep(benchmark::State& state) {
    MainWindow& window = TheViewer().window();
    window.selectSeries(1);
    Settle();
    QWidget* area = window.graphWidget;
    const int n = window.store().selected.measurementCount;
    int direction = 1;
    for (auto _ : state) {
        const int count = window.document().viewCount();
        if (count == 1)
            direction = -1;
        else if (count == n)
            direction = 1;
        const QPoint at(area->width() / 2, area->height() / 2);
        QWheelEvent wheel(at, area->mapToGlobal(at), QPoint(), QPoint(0, direction * 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &wheel);
        Settle();
    }
}
BENCHMARK(WheelZoomStep)->Unit(benchmark::kMicrosecond);

// Each step moves the mouse, its left button held since the press at the frame's left, to the next of a few
// places across the graph: the span, its band and the panel's figures follow.
void SpanDragStep(benchmark::State& state) {
    MainWindow& window = TheViewer().window();
    window.selectSeries(1);
    Settle();
    QWidget* area = window.graphWidget;
    const QPoint from(area->width() / 10, area->height() / 2);
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    int step = 0;
    for (auto _ : state) {
        const QPoint at(area->width() * (2 + step % 7) / 10, area->height() / 2);
        QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(area, &move);
        Settle();
        ++step;
    }
    QTest::mouseRelease(area, Qt::LeftButton, {}, from);
    window.document().clearSpan();
    Settle();
}
BENCHMARK(SpanDragStep)->Unit(benchmark::kMicrosecond);

// The graph drawn afresh and the whole window painted.
void FullRepaint(benchmark::State& state) {
    MainWindow& window = TheViewer().window();
    window.selectSeries(1);
    Settle();
    for (auto _ : state) {
        window.graph().redraw();
        window.repaint();
        Settle();
    }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    reporter.addFigure("choosing a series with its first paint (window)", "ChooseSeries");
    reporter.addRatio("pointer step / full repaint (window)", "PointerStep", "FullRepaint");
    reporter.addRatio("hover / full repaint (window)", "Hover", "FullRepaint");
    reporter.addRatio("wheel zoom step / full repaint (window)", "WheelZoomStep", "FullRepaint");
    reporter.addRatio("span drag step / full repaint (window)", "SpanDragStep", "FullRepaint");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    theViewer.reset();
    return 0;
}
