// Figures, not tests: a series of 1637 measurements chosen in the real main window (offscreen), its whole
// table saved, and its two printouts made into PDF files.
#include "app/Grafnew.h"
#include "app/GraphCommands.h"
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

class SilentDialogs : public ShellDialogs {
public:
    std::optional<QString> openFile(QWidget*, const OpenDialogRequest&) override { return std::nullopt; }
    void errorBox(QWidget*, const QString&) override {}
};

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
        services.dialogs = std::make_unique<SilentDialogs>();
        program = CreateProgram(std::move(services));
        program->Form1->LoadFile(path);
    }
    TForm1& form() { return *program->Form1; }
};

Viewer& TheViewer() {
    static Viewer viewer;
    return viewer;
}

void SelectSeriesWithGrid(benchmark::State& state) {
    TForm1& form = TheViewer().form();
    for (auto _ : state)
        form.SelectSeries(1);
    state.counters["measurements"] = form.Store().selected.measurementCount;
}
BENCHMARK(SelectSeriesWithGrid)->Unit(benchmark::kMillisecond);

void SaveWholeTable(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    TableCommands& table = *viewer.program->table;
    const int n = viewer.form().Store().selected.measurementCount;
    const QString target = viewer.dir.filePath(QStringLiteral("table.txt"));
    for (auto _ : state) {
        // What the save command does once the dialogs are answered: cells read back, lines built, written.
        const QByteArray bytes = TableFileBytes(table.Header(), table.Titles(), table.Rows({1, n}));
        benchmark::DoNotOptimize(WriteTableFile(target, bytes));
    }
}
BENCHMARK(SaveWholeTable)->Unit(benchmark::kMillisecond);

void PrintTableToPdf(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    TableCommands& table = *viewer.program->table;
    const int n = viewer.form().Store().selected.measurementCount;
    const QString pdf = viewer.dir.filePath(QStringLiteral("table.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        ConfigurePdfPrinter(printer, pdf);
        benchmark::DoNotOptimize(PrintTable(printer, table.Header(), table.Titles(), table.Rows({1, n})));
    }
}
BENCHMARK(PrintTableToPdf)->Unit(benchmark::kMillisecond);

void PrintGraphToPdf(benchmark::State& state) {
    Viewer& viewer = TheViewer();
    GraphView& graph = viewer.program->graph->Graph();
    const QString pdf = viewer.dir.filePath(QStringLiteral("graph.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        ConfigurePdfPrinter(printer, pdf);
        benchmark::DoNotOptimize(PrintGraph(printer, graph.view(), viewer.form().Store().selected));
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
