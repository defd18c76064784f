#include "TableDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

std::optional<QString> QtTableDialogs::saveFile(QWidget* parent, const SaveDialogRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setNameFilter(request.nameFilter);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtTableDialogs::printerSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Настройка принтера"));
    dialog.exec();
}
