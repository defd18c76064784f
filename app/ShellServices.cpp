#include "app/ShellServices.h"

#include "app/OpenFileDialog.h"

#include <QMessageBox>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

const char* const ErrorBoxTitle = "Ошибка";

std::optional<QString> QtShellDialogs::openFile(QWidget* parent, const OpenDialogRequest& request) {
    OpenFileDialog dialog(parent, request);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return std::nullopt;
    return dialog.chosenPath();
}

void QtShellDialogs::errorBox(QWidget* parent, const QString& text) {
    detailedErrorBox(parent, text, QString());
}

void QtShellDialogs::detailedErrorBox(QWidget* parent, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(ErrorBoxTitle), text, QMessageBox::Cancel,
                    parent);
    box.setInformativeText(details);
    box.exec();
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
    // The link program reports for itself; whether it started is nobody's concern here.
    (void)process.startDetached();
}
