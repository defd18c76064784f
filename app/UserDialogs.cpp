#include "app/UserDialogs.h"

#include "app/OpenFileDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

const char* const ErrorBoxTitle = "Ошибка";

namespace {

// The caption Qt gives a standard OK button, from the platform and the loaded Qt translations, so that the
// button reads as every other OK of the program's Qt dialogs.
QString StandardOkText() {
    const QDialogButtonBox box(QDialogButtonBox::Ok);
    return box.button(QDialogButtonBox::Ok)->text();
}

} // namespace

std::optional<QString> QtUserDialogs::openFile(QWidget* parent, const OpenDialogRequest& request) {
    OpenFileDialog dialog(parent, request);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return std::nullopt;
    return dialog.chosenPath();
}

std::optional<QString> QtUserDialogs::saveFile(QWidget* parent, const SaveDialogRequest& request) {
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

void QtUserDialogs::printerSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Настройка принтера"));
    // Qt's print dialog names its confirm button "Print"; here it only confirms the choice.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly))
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(StandardOkText());
    dialog.exec();
}

std::optional<QColor> QtUserDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

void QtUserDialogs::errorBox(QWidget* parent, const QString& text) {
    detailedErrorBox(parent, text, QString());
}

void QtUserDialogs::detailedErrorBox(QWidget* parent, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(ErrorBoxTitle), text, QMessageBox::Cancel,
                    parent);
    box.setInformativeText(details);
    box.exec();
}

void QtUserDialogs::warningBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}
