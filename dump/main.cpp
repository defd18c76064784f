// radview-dump: the instrument file as JSON, and the table and averages of a series, for scripts and
// bulk checks.
#include "app/program/ProgramStart.h"
#include "app/program/Translations.h"
#include "dump/DumpArgs.h"
#include "dump/DumpCommands.h"
#include "dump/StandardOutput.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    // Past a file size limit (ulimit -f) a write fails like one on a full disk and is reported with status
    // 2; left at its default the signal would end the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    QuietenRuntimeFolderWarning();
    const DumpArgsResult parsed = ParseDumpArgs(NativeArguments(argc, argv));
    if (!parsed.args) {
        // The refusal in the user's language: the catalogue needs an application, the parse none, so the
        // arguments are read again once it is installed.
        QCoreApplication refusing(argc, argv);
        InstallUserLanguage();
        const QString error = ParseDumpArgs(NativeArguments(argc, argv)).error;
        std::fprintf(stderr, "radview-dump: %s\n", error.toUtf8().constData());
        return 2;
    }
    std::unique_ptr<QCoreApplication> app;
    if (parsed.args->draws()) {
        // Pictures and printouts need fonts, not a screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    InstallUserLanguage();
    const DumpOutcome outcome = RunDumpCommand(*parsed.args);
    // What a script reads from standard output must be whole, or the run must fail: output that did not
    // all reach its file (a full disk, /dev/full) ends the run with status 2 like any other failed write.
    const QString outputError = WriteAndClose(stdout, outcome.out, StandardOutputName());
    if (!outcome.err.isEmpty())
        std::fprintf(stderr, "radview-dump: %s\n", outcome.err.toUtf8().constData());
    if (!outputError.isEmpty()) {
        std::fprintf(stderr, "radview-dump: %s\n", outputError.toUtf8().constData());
        return 2;
    }
    return outcome.exitCode;
}
