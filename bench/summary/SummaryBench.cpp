// What radview-dump --summary takes for many files: ten thousand copies of the largest file the reader
// takes (8196 bytes, one series of 1637 marks), written once into a temporary folder before anything is
// timed, then summarised as the command does it, on one thread and on every core. It prints files per
// second.

#include "dump/DumpCommands.h"
#include "table/FileSummary.h"
#include "tests/support/SampleFiles.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>

namespace {

constexpr int FileCount = 10000;

struct SummaryFiles {
    QTemporaryDir folder;
    QStringList paths;
    bool made = false;
};

const SummaryFiles& Files() {
    static SummaryFiles files = [] {
        SummaryFiles made;
        const QByteArray bytes = FullSingleSeriesFile();
        for (int i = 0; i < FileCount; ++i) {
            QFile file(made.folder.filePath(QStringLiteral("file-%1.rad").arg(i, 5, 10, QLatin1Char('0'))));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return made;
            made.paths << file.fileName();
        }
        made.made = true;
        return made;
    }();
    return files;
}

void BM_Summary(benchmark::State& state) {
    const SummaryFiles& files = Files();
    if (!files.made) {
        state.SkipWithError("the files could not be written to the temporary folder");
        return;
    }
    QThreadPool::globalInstance()->setMaxThreadCount(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const DumpOutcome outcome = RunSummary(files.paths);
        if (outcome.exitCode != 0) {
            state.SkipWithError("a file could not be summarised");
            return;
        }
        benchmark::DoNotOptimize(outcome.out.size());
    }
    state.counters["files"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * FileCount, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Summary)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(QThread::idealThreadCount())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// One file after another on this thread: the work of one file, without the pool.
void BM_SummarizeOneFile(benchmark::State& state) {
    const SummaryFiles& files = Files();
    if (!files.made) {
        state.SkipWithError("the files could not be written to the temporary folder");
        return;
    }
    qsizetype next = 0;
    for (auto _ : state) {
        const PathSummary summary = SummarizeInstrumentFile(files.paths[next]);
        benchmark::DoNotOptimize(summary.csv.size());
        next = (next + 1) % files.paths.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SummarizeOneFile)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
