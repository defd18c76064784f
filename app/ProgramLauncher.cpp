#include "app/ProgramLauncher.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void DetachedLauncher::startHidden(const QString& program) {
    QProcess process;
    process.setProgram(program);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_HIDE;
    });
#endif
    // The link program reports for itself; whether it started is nobody's concern here.
    (void)process.startDetached();
}
