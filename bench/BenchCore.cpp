// What opening the largest possible instrument file costs: parsing it, making the series list rows and
// evaluating its one series, each alone and all together, plus the table row texts of the evaluation.
// The file is the worst case the viewer can meet: its whole 8196 bytes taken by one series of 1637 marks.

#include "InstrumentFile.h"
#include "MeasurementStore.h"
#include "SeriesEvaluation.h"
#include "SeriesList.h"

#include <benchmark/benchmark.h>

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace {

constexpr int FullSeriesMarks = 1637;

uint8_t Bcd(int value) {
    return static_cast<uint8_t>((value / 10) * 16 + value % 10);
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Header, one series of FullSeriesMarks marks minutes to hours apart (a fixed pseudo-random sequence, so
// every run measures the same bytes), its end pair, and two spare bytes up to the size limit.
QByteArray FullFile() {
    static const int monthDays[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    QByteArray b;
    auto put = [&b](int byte) { b.append(static_cast<char>(byte)); };
    put(42); // instrument 42
    put(0);
    put(250 & 0xFF); // sensitivity 2.50 * 10-5
    put(250 >> 8);
    put(0x01); // series word 0x8001: series 1
    put(0x80);
    int year = 2023;
    put(year - 2000);
    int month = 3, day = 1;
    long long secondOfDay = 8 * 3600;
    uint32_t x = 2023;
    for (int m = 0; m < FullSeriesMarks; ++m) {
        if (m > 0) {
            x = x * 1103515245u + 12345u;
            secondOfDay += 60 + (x >> 8) % (4 * 3600);
            while (secondOfDay >= 86400) {
                secondOfDay -= 86400;
                if (++day > monthDays[month] + (month == 2 && IsLeap(year) ? 1 : 0)) {
                    day = 1;
                    if (++month > 12) {
                        month = 1;
                        ++year;
                    }
                }
            }
        }
        put(Bcd(month) | (m == 0 ? 0xC0 : 0x00));
        put(Bcd(day));
        put(Bcd(static_cast<int>(secondOfDay / 3600)));
        put(Bcd(static_cast<int>(secondOfDay / 60 % 60)));
        put(Bcd(static_cast<int>(secondOfDay % 60)));
    }
    put(0x00); // end pair
    put(0xF8);
    while (b.size() < MaxFileBytes)
        put(0xFF);
    return b;
}

const QByteArray& Bytes() {
    static const QByteArray bytes = FullFile();
    return bytes;
}

FileHalf ParsedFile(benchmark::State& state) {
    FileHalf file;
    ParseInstrumentData(Bytes(), file);
    if (file.SeriesCount != 1 || file.MarkCounts(1) != FullSeriesMarks)
        state.SkipWithError("the benchmark file did not parse into one series of 1637 marks");
    return file;
}

void BM_Parse(benchmark::State& state) {
    const QByteArray& bytes = Bytes();
    for (auto _ : state) {
        FileHalf file;
        ParseInstrumentData(bytes, file);
        benchmark::DoNotOptimize(file.SeriesCount);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Parse);

void BM_SeriesListRows(benchmark::State& state) {
    const FileHalf file = ParsedFile(state);
    for (auto _ : state) {
        for (int s = 1; s <= file.SeriesCount; ++s) {
            auto row = SeriesListRow(file, s);
            benchmark::DoNotOptimize(row);
        }
    }
}
BENCHMARK(BM_SeriesListRows);

void BM_EvaluateSeries(benchmark::State& state) {
    const FileHalf file = ParsedFile(state);
    for (auto _ : state) {
        SeriesEvaluation ev = EvaluateSeries(file, 1);
        benchmark::DoNotOptimize(ev.series.MaxActivity);
    }
    state.SetItemsProcessed(state.iterations() * (FullSeriesMarks - 1));
}
BENCHMARK(BM_EvaluateSeries);

void BM_TableRowTexts(benchmark::State& state) {
    const FileHalf file = ParsedFile(state);
    const SeriesEvaluation ev = EvaluateSeries(file, 1);
    if (ev.refused())
        state.SkipWithError("the benchmark series was refused");
    const int n = ev.series.MeasurementCount;
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
        FileHalf file;
        ParseInstrumentData(bytes, file);
        for (int s = 1; s <= file.SeriesCount; ++s) {
            auto row = SeriesListRow(file, s);
            benchmark::DoNotOptimize(row);
        }
        SeriesEvaluation ev = EvaluateSeries(file, 1);
        benchmark::DoNotOptimize(ev.series.MaxActivity);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_OpenFullFile);

} // namespace

BENCHMARK_MAIN();
