// radview-dump: the instrument file as JSON, and the table and averages of a series, for scripts and
// bulk checks.
#include "DumpArgs.h"
#include "DumpCommands.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const DumpArgsResult parsed = ParseDumpArgs(arguments);
    std::unique_ptr<QCoreApplication> app;
    if (parsed.args && parsed.args->draws()) {
        // Pictures and printouts need fonts, not a screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
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
