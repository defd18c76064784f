#include "print/PrintJob.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QPrinter>

namespace {
const char* const PrintErrorMessage = QT_TRANSLATE_NOOP("PrintJob", "Ошибка печати");
} // namespace
const char* const PagesNotMadeReason = QT_TRANSLATE_NOOP("PrintJob", "страницы не удалось построить");

QString PrintErrorText() {
    return QCoreApplication::translate("PrintJob", PrintErrorMessage);
}

Outcome PagesNotMade() {
    return Outcome::failure(QCoreApplication::translate("PrintJob", PagesNotMadeReason));
}

PrintJob::PrintJob(QPagedPaintDevice& device, const QString& name)
    : device_(device), printer_(dynamic_cast<QPrinter*>(&device)) {
    if (printer_)
        printer_->setDocName(name);
    else if (auto* writer = dynamic_cast<QPdfWriter*>(&device))
        writer->setTitle(name);
    begun_ = painter_.begin(&device_);
}

PrintJob::~PrintJob() {
    if (begun_ && !finished_) {
        if (printer_)
            printer_->abort();
        painter_.end();
    }
}

bool PrintJob::newPage() {
    return device_.newPage();
}

bool PrintJob::finish() {
    finished_ = true;
    return painter_.end() && !(printer_ && printer_->printerState() == QPrinter::Error);
}
