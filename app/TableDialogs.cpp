#include "app/TableDialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

// The caption Qt gives a standard OK button, from the platform and the loaded Qt translations, so that the
// button reads as every other OK of the program's Qt dialogs.
QString StandardOkText() {
    const QDialogButtonBox box(QDialogButtonBox::Ok);
    return box.button(QDialogButtonBox::Ok)->text();
}

} // namespace

std::optional<QString> QtTableDialogs::saveFile(QWidget* parent, const SaveDialogRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
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
    // Qt's print dialog names its confirm button "Print"; here it only confirms the choice.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly))
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(StandardOkText());
    dialog.exec();
}
