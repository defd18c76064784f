#include "app/program/ProgramLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QStringList DetachedLauncher::searchFolders() const {
    QStringList folders{QCoreApplication::applicationDirPath()};
    const QString path = qEnvironmentVariable("PATH");
    for (const QString& folder : path.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        if (!folders.contains(folder))
            folders << folder;
    return folders;
}

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
    // The link program reports for itself once it runs; it is neither waited for nor watched.
    (void)process.startDetached();
}

ProgramSearch FindProgram(const QString& name, const QStringList& folders) {
    return {folders.isEmpty() ? QString() : QStandardPaths::findExecutable(name, folders), folders};
}

QString ProgramMissingText(const QString& name, const QStringList& folders) {
    QStringList shown;
    for (const QString& folder : folders)
        shown << QDir::toNativeSeparators(folder);
    return QCoreApplication::translate("ProgramLauncher",
                                       "Программа связи с прибором «%1» не найдена; искали в: %2")
        .arg(name, shown.isEmpty() ? QStringLiteral("—") : shown.join(QStringLiteral(", ")));
}
