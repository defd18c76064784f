#pragma once

#include "store/Outcome.h"

#include <QPainter>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

// One print job on a paged device, a printer or a PDF writer: begun on construction, aborted on destruction
// unless it was finished, so that a failure at any step leaves no half-printed job behind.
class PrintJob {
public:
    PrintJob(QPagedPaintDevice& device, const QString& name);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool begun() const { return begun_; }
    QPainter& painter() { return painter_; }
    bool newPage();
    // Ends the job; the pages go to the printer. False when the printer failed on the way.
    bool finish();

private:
    QPagedPaintDevice& device_;
    QPrinter* printer_; // the device when it is a printer: only a printer has a spooler job to abort
    QPainter painter_;
    bool begun_ = false;
    bool finished_ = false;
};

// The message shown when a printout cannot be made.
QString PrintErrorText(); // "Ошибка печати" in the user's language

// A printout whose pages could not be made, a job that could not begin or finish or a report stopped on the
// way, answers this failure; its message is the reason the caller puts beside the printer or the file.
extern const char* const PagesNotMadeReason; // "страницы не удалось построить"
Outcome PagesNotMade();
