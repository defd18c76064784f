// What opening the largest possible instrument file costs: parsing it, making the series list rows and
// evaluating its one series, each alone and all together, plus the table row texts of the evaluation.
// The file is the worst case the viewer can meet: its whole 8196 bytes taken by one series of 1637 marks,
// minutes to hours apart. It is built once, before anything is timed.

#include "store/InstrumentFile.h"
#include "store/MeasurementStore.h"
#include "store/SeriesEvaluation.h"
#include "store/SeriesList.h"
#include "tests/support/SampleFiles.h"

#include <benchmark/benchmark.h>

#include <QByteArray>

namespace {

constexpr int FullSeriesMarks = 1637;

const QByteArray& Bytes() {
    static const QByteArray bytes = FullSingleSeriesFile();
    return bytes;
}

InstrumentFile ParsedFile(benchmark::State& state) {
    InstrumentFile file;
    ParseInstrumentData(Bytes(), file);
    if (file.seriesCount != 1 || file.markCount(1) != FullSeriesMarks)
        state.SkipWithError("the benchmark file did not parse into one series of 1637 marks");
    return file;
}

void BM_Parse(benchmark::State& state) {
    const QByteArray& bytes = Bytes();
    for (auto _ : state) {
        InstrumentFile file;
        ParseInstrumentData(bytes, file);
        benchmark::DoNotOptimize(file.seriesCount);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Parse);

void BM_SeriesListRows(benchmark::State& state) {
    const InstrumentFile file = ParsedFile(state);
    for (auto _ : state) {
        for (int s = 1; s <= file.seriesCount; ++s) {
            auto row = SeriesListRow(file, s);
            benchmark::DoNotOptimize(row);
        }
    }
}
BENCHMARK(BM_SeriesListRows);

void BM_EvaluateSeries(benchmark::State& state) {
    const InstrumentFile file = ParsedFile(state);
    for (auto _ : state) {
        SeriesEvaluation ev = EvaluateSeries(file, 1);
        benchmark::DoNotOptimize(ev.series.maxActivity);
    }
    state.SetItemsProcessed(state.iterations() * (FullSeriesMarks - 1));
}
BENCHMARK(BM_EvaluateSeries);

void BM_TableRowTexts(benchmark::State& state) {
    const InstrumentFile file = ParsedFile(state);
    const SeriesEvaluation ev = EvaluateSeries(file, 1);
    if (ev.refused())
        state.SkipWithError("the benchmark series was refused");
    const int n = ev.series.measurementCount;
    for (auto _ : state) {
        for (int k = 1; k <= n; ++k) {
            RowTexts row = MeasurementRowTexts(ev.series, k);
            benchmark::DoNotOptimize(row);
        }
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_TableRowTexts);

// Parse, list and evaluate: the part of opening a file that does not wait for the user or the screen.
void BM_OpenFullFile(benchmark::State& state) {
    const QByteArray& bytes = Bytes();
    for (auto _ : state) {
        InstrumentFile file;
        ParseInstrumentData(bytes, file);
        for (int s = 1; s <= file.seriesCount; ++s) {
            auto row = SeriesListRow(file, s);
            benchmark::DoNotOptimize(row);
        }
        SeriesEvaluation ev = EvaluateSeries(file, 1);
        benchmark::DoNotOptimize(ev.series.maxActivity);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_OpenFullFile);

} // namespace

BENCHMARK_MAIN();
