// Figures, not tests: the whole table of a series of 1636 measurements shown in the real main window
// (offscreen) saved, and its two printouts made into PDF files.
#include "app/commands/TableOutput.h"
#include "bench/FullSeriesViewer.h"
#include "print/GraphPrintout.h"
#include "print/PdfPrinter.h"
#include "print/TablePrintout.h"
#include "table/TableColumns.h"
#include "table/TableFile.h"

#include <QApplication>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

// One program for every benchmark, showing the full file's series.
struct Viewer : FullSeriesViewer {
    Viewer() { openFullFile(); }
};

// Made on first use and let go before the application object, which its widgets need to the end.
std::unique_ptr<Viewer> theViewer;

Viewer& TheViewer() {
    if (!theViewer)
        theViewer = std::make_unique<Viewer>();
    return *theViewer;
}

void SaveWholeTable(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    MainWindow& window = viewer.window();
    const int n = window.store().selected.measurementCount;
    const QString target = viewer.scratchPath(QStringLiteral("table.txt"));
    for (auto _ : state) {
        // What the save command does once the dialogs are answered: cells read back, lines built, written.
        const TableOutput table = TableOutputOf(window.document(), window.tableModel(), {1, n}, TextsFor::File);
        const QByteArray bytes = TableFileBytes(table.header, table.titles, table.rows);
        benchmark::DoNotOptimize(WriteTableFile(target, bytes));
    }
}
BENCHMARK(SaveWholeTable)->Unit(benchmark::kMillisecond);

void PrintTableToPdf(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    MainWindow& window = viewer.window();
    const int n = window.store().selected.measurementCount;
    const QString pdf = viewer.scratchPath(QStringLiteral("table.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        ConfigurePdfPrinter(printer, pdf);
        const TableOutput table = TableOutputOf(window.document(), window.tableModel(), {1, n}, TextsFor::Reader);
        benchmark::DoNotOptimize(PrintTable(printer, table.header, table.titles, table.rows));
    }
}
BENCHMARK(PrintTableToPdf)->Unit(benchmark::kMillisecond);

void PrintGraphToPdf(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    GraphSurface& graph = viewer.window().graph();
    const QString pdf = viewer.scratchPath(QStringLiteral("graph.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        ConfigurePdfPrinter(printer, pdf);
        benchmark::DoNotOptimize(PrintGraph(printer, graph.view(), viewer.window().store().selected));
    }
}
BENCHMARK(PrintGraphToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theViewer.reset();
    return 0;
}
