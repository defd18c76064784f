// Figures, not tests: the whole table of a series of 1636 measurements shown in the real main window
// (offscreen) saved, and its two printouts made into PDF files.
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/TableCommands.h"
#include "print/GraphPrintout.h"
#include "print/PdfPrinter.h"
#include "print/TablePrintout.h"
#include "table/TableColumns.h"
#include "table/TableFile.h"
#include "tests/support/SampleFiles.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One program for every benchmark, showing the full 8196-byte file's series of 1637 measurements.
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
        services.dialogs = std::make_unique<UserDialogs>();
        program = CreateProgram(std::move(services));
        program->mainWindow->loadFile(path);
    }
    MainWindow& form() { return *program->mainWindow; }
};

Viewer& TheViewer() {
    static Viewer viewer;
    return viewer;
}

void SaveWholeTable(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    TableCommands& table = viewer.form().tableCommands();
    const int n = viewer.form().store().selected.measurementCount;
    const QString target = viewer.dir.filePath(QStringLiteral("table.txt"));
    for (auto _ : state) {
        // What the save command does once the dialogs are answered: cells read back, lines built, written.
        const QByteArray bytes = TableFileBytes(table.header(), table.titles(), table.rows({1, n}));
        benchmark::DoNotOptimize(WriteTableFile(target, bytes));
    }
}
BENCHMARK(SaveWholeTable)->Unit(benchmark::kMillisecond);

void PrintTableToPdf(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    TableCommands& table = viewer.form().tableCommands();
    const int n = viewer.form().store().selected.measurementCount;
    const QString pdf = viewer.dir.filePath(QStringLiteral("table.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        ConfigurePdfPrinter(printer, pdf);
        benchmark::DoNotOptimize(PrintTable(printer, table.header(), table.titles(), table.rows({1, n})));
    }
}
BENCHMARK(PrintTableToPdf)->Unit(benchmark::kMillisecond);

void PrintGraphToPdf(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    GraphView& graph = viewer.form().graph();
    const QString pdf = viewer.dir.filePath(QStringLiteral("graph.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        ConfigurePdfPrinter(printer, pdf);
        benchmark::DoNotOptimize(PrintGraph(printer, graph.view(), viewer.form().store().selected));
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
    return 0;
}
