// Cost of a full paint of the graph against a pointer move, on a series of 1637 measurements (the most a
// file can hold). Figures only: run it and read them.
//   cmake --build build --target radview-bench-graph && build/bench/graph/radview-bench-graph
#include "bench/RatioReporter.h"
#include "graph/GraphPaint.h"
#include "graph/GraphSurface.h"
#include "graph/Pointer.h"
#include "tests/support/SeriesFactory.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int Measurements = 1637;

const SelectedSeries& Series() {
    static const SelectedSeries series = RadonSeries(Measurements, Utc(2023, 12, 20, 13, 17, 42));
    return series;
}

const ColorScheme Colors;

struct Screen {
    explicit Screen(QSize size) : image(size, QImage::Format_RGB32) {
        ResetView(view, Series(), size);
        view.gridOn = true;
        Canvas canvas(image);
        PaintGraph(canvas, GraphScene{Series(), view, Colors, false}, trace);
    }
    QImage image;
    ViewLayout view;
    PointerTrace trace;
};

void FullPaint(benchmark::State& state) {
    Screen screen(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        Canvas canvas(screen.image);
        PaintGraph(canvas, GraphScene{Series(), screen.view, Colors, false}, screen.trace);
    }
}

// Each move steps the pointer on by one measurement, as the keys do.
void PointerMove(benchmark::State& state) {
    Screen screen(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    int k = 1;
    for (auto _ : state) {
        k = k % Measurements + 1;
        screen.view.pointerIndex = static_cast<uint16_t>(k);
        Canvas canvas(screen.image);
        benchmark::DoNotOptimize(
            MovePointerLine(canvas, GraphScene{Series(), screen.view, Colors, false}, screen.trace));
    }
}

// The same through the graph of the main window: the graph follows a view and a pointer as the document
// announces them and draws into the picture, then the paint event of what it changed copies that part into a
// window surface, as the screen's backing store is filled.
struct Window {
    explicit Window(QSize size) : area(size), surface(size, QImage::Format_RGB32), graph(store) {
        store.selected = Series();
        graph.resize(size);
        ViewState state;
        ResetView(state, store.selected);
        state.gridOn = true;
        graph.showView(state);
        QObject::connect(&graph, &GraphSurface::areaChanged, [this](const QRect& rect) { dirty += rect; });
    }
    void Show() {
        QPainter painter(&surface);
        graph.paint(painter, dirty, area);
        dirty = QRegion();
    }
    QSize area;
    QImage surface;
    MeasurementStore store;
    GraphSurface graph;
    QRegion dirty;
};

void WindowFullPaint(benchmark::State& state) {
    Window window(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        window.graph.redraw();
        window.Show();
    }
}

void WindowPointerMove(benchmark::State& state) {
    Window window(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        window.graph.followPointer(window.graph.view().pointerIndex % Measurements + 1);
        window.Show();
    }
}

BENCHMARK(FullPaint)->Args({707, 328})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(PointerMove)->Args({707, 328})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowFullPaint)->Args({707, 328})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(WindowPointerMove)->Args({707, 328})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // The ratio the pointer is built for: a move should cost at most a twentieth of a full paint.
    RatioReporter reporter;
    for (const char* size : {"707/328", "1920/1080"}) {
        reporter.addRatio(std::string("pointer move / full paint at ") + size,
                          std::string("PointerMove/") + size, std::string("FullPaint/") + size);
        reporter.addRatio(std::string("window: pointer move / full paint at ") + size,
                          std::string("WindowPointerMove/") + size, std::string("WindowFullPaint/") + size);
    }
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
