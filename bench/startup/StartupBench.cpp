// Starts the bare window with its line of text and the viewer turn about and reports, for each, the time
// from process start to the first paint of its window: median and spread over the runs, and the ratio of
// the medians.
//   radview-bench-startup [runs]   (default 21; run under the display to measure, e.g. xvfb-run)

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Milliseconds from starting the program to its first paint, or a negative value when it failed.
double StartToFirstPaint(const QString& program) {
    QProcess process;
    process.setProgram(program);
    const long long started = NowNs();
    process.start();
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    bool ok = false;
    const long long painted = process.readAllStandardOutput().trimmed().toLongLong(&ok);
    return ok ? static_cast<double>(painted - started) / 1e6 : -1;
}

struct Figures {
    double median, low, high;
};

Figures Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // A first start, as the user meets it: no settings of the user's read or written.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    std::vector<double> bare, viewer;
    // One unmeasured start of each warms the file cache.
    StartToFirstPaint(QStringLiteral(BARE_PROGRAM));
    StartToFirstPaint(QStringLiteral(VIEWER_PROGRAM));
    for (int i = 0; i < runs; ++i) {
        const double b = StartToFirstPaint(QStringLiteral(BARE_PROGRAM));
        const double v = StartToFirstPaint(QStringLiteral(VIEWER_PROGRAM));
        if (b < 0 || v < 0) {
            std::fprintf(stderr, "a program did not reach its first paint (is there a display?)\n");
            return 1;
        }
        bare.push_back(b);
        viewer.push_back(v);
    }
    const Figures fb = Summarise(bare), fv = Summarise(viewer);
    std::printf("platform: %s, runs: %d\n",
                qEnvironmentVariable("QT_QPA_PLATFORM", "default").toLocal8Bit().constData(), runs);
    std::printf("bare 707x499 window with text: median %.1f ms (%.1f .. %.1f)\n", fb.median, fb.low, fb.high);
    std::printf("viewer main window:            median %.1f ms (%.1f .. %.1f)\n", fv.median, fv.low, fv.high);
    std::printf("start-up / bare window with text: %.2f\n", fv.median / fb.median);
    return 0;
}
