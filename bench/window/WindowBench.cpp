// What a user meets in the real main window (offscreen), with the largest series a file can hold (1636
// measurements): choosing the series with its first paint, a pointer step, and a full repaint of the window.
// Every step runs until the window has nothing left to do: posted events handled, paints done.
//   build-test/bench/window/radview-bench-window [--benchmark_repetitions=5
//   --benchmark_report_aggregates_only=true]

#include "app/MainWindow.h"
#include "app/Program.h"
#include "bench/RatioReporter.h"
#include "tests/support/SampleFiles.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// One window for every benchmark, showing the series of the full 8196-byte file.
struct Viewer {
    QTemporaryDir dir;
    std::unique_ptr<Program> program;

    Viewer() {
        const QString path = dir.filePath(QStringLiteral("full.rad"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(FullSingleSeriesFile());
        file.close();
        ProgramServices services = QtServices();
        // Nobody answers: dialogs are cancelled, messages unseen.
        services.dialogs = std::make_unique<UserDialogs>();
        program = CreateProgram(std::move(services));
        if (!QTest::qWaitForWindowExposed(&window()))
            std::fprintf(stderr, "the window was not shown: the figures are not those of a painted window\n");
        window().loadFile(path);
        Settle();
    }
    MainWindow& window() { return *program->mainWindow; }
};

Viewer& TheViewer() {
    static Viewer viewer;
    return viewer;
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
        if (window.graph().view().pointerIndex == n)
            window.firstMeasurementButton->click();
        else
            window.nextMeasurementButton->click();
        Settle();
    }
}
BENCHMARK(PointerStep)->Unit(benchmark::kMicrosecond);

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
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
