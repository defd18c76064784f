#include "app/commands/PrintTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

const char* const PrintFileFilter = "PDF (*.pdf)";
const char* const PrintFileSuffix = "pdf";
const char* const GraphFileEnding = QT_TRANSLATE_NOOP("PrintTarget", "-график.pdf");
const char* const TableFileEnding = QT_TRANSLATE_NOOP("PrintTarget", "-таблица.pdf");

PrintTarget TargetOf(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty())
        return PrintTarget::File;
    // Without any printer installed Qt offers a PDF printer without a file: nothing could be printed.
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty())
        return PrintTarget::Queue;
    return PrintTarget::None;
}

QString NoPrinterDetail() {
    return QCoreApplication::translate(
        "PrintTarget", "Принтер не найден. Выберите принтер или печать в файл PDF в «Настройке принтера».");
}

QString ProposedPrintFileName(const QString& instrumentPath, const QString& ending) {
    const QFileInfo info(instrumentPath);
    const QString name = info.fileName();
    const qsizetype lastPoint = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = lastPoint >= 0 ? name.left(lastPoint) : name;
    return info.dir().filePath(stem + ending);
}
