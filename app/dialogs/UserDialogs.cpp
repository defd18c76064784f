#include "app/dialogs/UserDialogs.h"

#include "app/dialogs/OpenFileDialog.h"
#include "app/dialogs/PictureSizeDialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include <cstdio>
#include <functional>
#include <memory>

const char* const ErrorBoxTitle = QT_TRANSLATE_NOOP("UserDialogs", "Ошибка");

namespace {

// The caption Qt gives a standard OK button, from the platform and the loaded Qt translations, so that the
// button reads as every other OK of the program's Qt dialogs.
QString StandardOkText() {
    const QDialogButtonBox box(QDialogButtonBox::Ok);
    return box.button(QDialogButtonBox::Ok)->text();
}

// The suffix of a filter "description (*.suffix)"; empty when it names no single suffix.
QString FilterSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^*?\\s)]+)\\)\\s*$"));
    return pattern.match(filter).captured(1);
}

// Runs act when the widget is shown, after the widget's own preparations for showing.
class OnShow : public QObject {
public:
    OnShow(QWidget& widget, std::function<void()> act) : act_(std::move(act)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            act_();
        return false;
    }

private:
    std::function<void()> act_;
};

} // namespace

QString TypeOfChoice(const SaveChoice& choice, const SaveDialogRequest& request) {
    const QString suffix = QFileInfo(choice.path).suffix();
    if (suffix.isEmpty())
        return choice.nameFilter;
    for (const QString& filter : QStringList{request.nameFilter} + request.otherFilters)
        if (FilterSuffix(filter).compare(suffix, Qt::CaseInsensitive) == 0)
            return filter;
    return choice.nameFilter;
}

std::optional<QString> QtUserDialogs::openFile(QWidget* parent, const OpenDialogRequest& request) {
    OpenFileDialog dialog(parent, request);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return std::nullopt;
    return dialog.chosenPath();
}

std::optional<QString> QtUserDialogs::saveFile(QWidget* parent, const SaveDialogRequest& request) {
    const std::optional<SaveChoice> choice = saveFileOfType(parent, request);
    if (!choice)
        return std::nullopt;
    return choice->path;
}

std::optional<SaveChoice> QtUserDialogs::saveFileOfType(QWidget* parent, const SaveDialogRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    const QStringList filters = QStringList{request.nameFilter} + request.otherFilters;
    dialog.setNameFilters(filters);
    dialog.selectFile(request.fileName);
    // Qt's dialog puts the chosen type's extension on the name shown; a name typed without one gets it too.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &request](const QString& filter) {
                         const QString suffix = FilterSuffix(filter);
                         dialog.setDefaultSuffix(suffix.isEmpty() ? request.defaultSuffix : suffix);
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosenFilter = dialog.selectedNameFilter();
    return SaveChoice{dialog.selectedFiles().constFirst(),
                      filters.contains(chosenFilter) ? chosenFilter : request.nameFilter};
}

std::optional<QSize> QtUserDialogs::pictureSize(QWidget* parent, QSize onScreen) {
    PictureSizeDialog dialog(onScreen, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenSize();
}

bool QtUserDialogs::printerSetup(QWidget* parent, QPrinter& printer) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    const QString fileName = printer.outputFileName();
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("UserDialogs", "Настройка принтера"));
    // Qt's print dialog names its confirm button "Print"; here it only confirms the choice.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly))
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(StandardOkText());
    // Qt's dialog opens on a queue even for a printer that writes a PDF file, choosing it as it is shown;
    // the file is the current choice, and its entry is the last of the list.
    std::unique_ptr<QObject> showFile;
    if (toFile)
        showFile = std::make_unique<OnShow>(dialog, [&dialog, fileName] {
            auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
            auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
            if (printers && file) {
                printers->setCurrentIndex(printers->count() - 1);
                file->setText(fileName);
            }
        });
    return dialog.exec() == QDialog::Accepted;
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
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("UserDialogs", ErrorBoxTitle), text,
                    QMessageBox::Cancel, parent);
    box.setInformativeText(details);
    box.exec();
}

void QtUserDialogs::warningBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

void UnattendedDialogs::detailedErrorBox(QWidget*, const QString& text, const QString& details) {
    const QString message = details.isEmpty() ? text : text + QStringLiteral("\n\n") + details;
    std::fprintf(stderr, "message: %s\n", message.toLocal8Bit().constData());
}

void UnattendedDialogs::warningBox(QWidget*, const QString&, const QString& text) {
    std::fprintf(stderr, "message: %s\n", text.toLocal8Bit().constData());
}
