#pragma once

#include "print/PdfFile.h"

#include <QPrinter>

#include <memory>

class GraphView;
class MeasurementDocument;
class QPagedPaintDevice;
class QWidget;
class TableCommands;
class UserDialogs;

// Printer setup and the two printouts. The printer chosen in the setup stays the current one for every
// later printout of this run. When it is a PDF file, each printout asks for a file of its own.
class PrintCommands {
public:
    // What the printouts read and where they answer; window is the owner of their dialogs, graphArea the
    // area a dialog covers.
    struct Parts {
        QWidget& window;
        const MeasurementDocument& document;
        const GraphView& graph;
        TableCommands& table;
        QWidget& graphArea;
        UserDialogs& dialogs;
    };
    explicit PrintCommands(const Parts& parts);

    // The span of the table the range dialog confirms, on as many pages as it takes.
    void printTable();
    // The graph's view on one landscape page.
    void printGraph();
    // The system's printer setup for the current printer.
    void setUpPrinter();

    // Made on first use: finding the system's printers is slow, and most runs never print. Always ready for
    // a job and for the setup: a printer that a failed job left active is replaced by a fresh one with the
    // same choices.
    QPrinter& printer();

private:
    // Draws a printout on a printer or a PDF writer; false when the device cannot be used.
    using Printout = PagedPrintout;

    // Sends the printout where the current printer points; fileEnding ends the proposed file name.
    void print(const char* fileEnding, const Printout& printout);
    void printOnQueue(const Printout& printout);
    void printToFile(const char* fileEnding, const Printout& printout);
    void reportFailure(const QString& detail);

    Parts parts_;
    std::unique_ptr<QPrinter> printer_;
};
