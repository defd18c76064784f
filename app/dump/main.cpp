// radview-dump: the instrument file as JSON, and the table and averages of a series, for scripts and
// bulk checks.
#include "DumpArgs.h"
#include "DumpCommands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const DumpArgsResult parsed = ParseDumpArgs(QCoreApplication::arguments().mid(1));
    if (!parsed.args) {
        std::fprintf(stderr, "radview-dump: %s\n", parsed.error.toUtf8().constData());
        return 2;
    }
    const DumpOutcome outcome = RunDumpCommand(*parsed.args);
    std::fwrite(outcome.out.constData(), 1, static_cast<size_t>(outcome.out.size()), stdout);
    if (!outcome.err.isEmpty())
        std::fprintf(stderr, "radview-dump: %s\n", outcome.err.toUtf8().constData());
    return outcome.exitCode;
}
