#pragma once

#include "app/commands/CommandParts.h"
#include "app/commands/QueuePrinting.h"
#include "print/PdfFile.h"

#include <QCoreApplication>
#include <QPrinter>

#include <functional>
#include <memory>

class MeasurementTableModel;
class QPagedPaintDevice;
class RangeChoice;

// Printer setup and the two printouts. The printer chosen in the setup stays the current one for every
// later printout of this run. When it is a PDF file, each printout asks for a file of its own; when it is a
// print queue, the pages are the same PDF document, handed to the print server and followed there.
class PrintCommands {
    Q_DECLARE_TR_FUNCTIONS(PrintCommands)

public:
    // The table printout reads the table's model over the span the range dialog confirms; status is the
    // window's status line for transient notices.
    PrintCommands(const CommandParts& parts, RangeChoice& range, const MeasurementTableModel& model,
                  std::function<void(const QString&)> status);

    // The span of the table the range dialog confirms, on as many pages as it takes.
    void printTable();
    // The graph's view on one landscape page.
    void printGraph();
    // The system's printer setup, on a copy of the current printer: its choices count only on OK.
    void setUpPrinter();

    // Made on first use: finding the system's printers is slow, and most runs never print. It starts on the
    // default queue's own paper as the print server reports it (A4 without a queue), with margins of 10 mm.
    // Always ready for a job and for the setup: a printer that a failed job left active is replaced by a
    // fresh one with the same choices.
    QPrinter& printer();
    // The hand-over to print queues and its follow-up.
    QueuePrinting& queue() { return queue_; }

private:
    // Draws a printout on a printer or a PDF writer; false when the device cannot be used.
    using Printout = PagedPrintout;

    // Sends the printout where the current printer points; fileEnding ends the proposed file name, title
    // names the job in a print queue, landscape says the printout turns its page.
    void print(const char* fileEnding, const QString& title, bool landscape, const Printout& printout);
    void printOnQueue(const Printout& printout, const QString& title, bool landscape);
    void printToFile(const char* fileEnding, const Printout& printout);
    void reportFailure(const QString& detail);

    CommandParts parts_;
    RangeChoice& range_;
    const MeasurementTableModel& model_;
    std::unique_ptr<QPrinter> printer_;
    QueuePrinting queue_;
};
