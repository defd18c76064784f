#include "PrintJob.h"

#include <QPrinter>

const char* const PrintErrorMessage = "Ошибка печати";

PrintJob::PrintJob(QPrinter& printer, const QString& name) : printer_(printer) {
    printer_.setDocName(name);
    begun_ = painter_.begin(&printer_);
}

PrintJob::~PrintJob() {
    if (begun_ && !finished_) {
        printer_.abort();
        painter_.end();
    }
}

bool PrintJob::newPage() {
    return printer_.newPage();
}

bool PrintJob::finish() {
    finished_ = true;
    return painter_.end() && printer_.printerState() != QPrinter::Error;
}
