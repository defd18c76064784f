#pragma once

#include "app/ViewHooks.h"
#include "print/PdfFile.h"

#include <QPrinter>

#include <functional>
#include <memory>

class GraphView;
class QPagedPaintDevice;
class ShellDialogs;
class TableCommands;
class TableDialogs;
class MainWindow;

// Printer setup and the two printouts. The printer chosen in the setup stays the current one for every
// later printout of this run. When it is a PDF file, each printout asks for a file of its own.
class PrintCommands : public PrintHooks {
public:
    PrintCommands(MainWindow& form, GraphView& graph, TableCommands& table, ShellDialogs& messages,
                  TableDialogs& dialogs);

    void SBPrintTableClick() override;
    void SBPrintGrClick() override;
    void SBPrintSetupClick() override;

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

    MainWindow& form_;
    GraphView& graph_;
    TableCommands& table_;
    ShellDialogs& messages_;
    TableDialogs& dialogs_;
    std::unique_ptr<QPrinter> printer_;
};
