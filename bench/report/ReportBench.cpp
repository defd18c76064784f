// How long the report takes for the worst file the reader accepts: 8196 bytes whose 1637 marks alternate
// 31 December and 1 January, so that the span runs over 818 years. Drawn to a PDF in memory as
// radview-dump --report draws it; it prints the time per report and its pages (at most four).

#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/ReportPrintout.h"
#include "store/InstrumentFile.h"
#include "store/SeriesEvaluation.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace {

QByteArray CenturiesFile() {
    InstrumentFileBuilder builder(1, 250);
    builder.series(1, 25);
    for (int m = 0; m < 1637; ++m)
        m % 2 == 0 ? builder.mark(12, 31, 12, 0, 0) : builder.mark(1, 1, 12, 0, 0);
    builder.endSeries().endFile();
    return builder.bytes().left(MaxFileBytes);
}

void BM_CenturiesReport(benchmark::State& state) {
    const InstrumentFile file = ParseInstrumentFile(CenturiesFile(), QStringLiteral("/data/centuries.rad"));
    const SeriesEvaluation evaluation = EvaluateSeries(file, 1);
    if (evaluation.refused()) {
        state.SkipWithError("the file's series was refused");
        return;
    }
    const ReportSource source{
        file, evaluation.series, {1, evaluation.series.measurementCount}, DefaultLevels(), QDate(2026, 3, 7)};
    int pages = 0;
    for (auto _ : state) {
        const PdfPages pdf = MakePdf(CommonPageLayout(), QString(), [&](QPagedPaintDevice& device) {
            return PrintReport(device, source, [&pages](int, int pageCount) {
                pages = pageCount;
                return true;
            });
        });
        benchmark::DoNotOptimize(pdf.bytes.size());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_CenturiesReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
