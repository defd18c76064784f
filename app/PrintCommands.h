#pragma once

#include "ViewHooks.h"

#include <QPrinter>

#include <memory>

class GraphView;
class ShellDialogs;
class TableCommands;
class TableDialogs;
class TForm1;

// Printer setup and the two printouts. The printer chosen in the setup stays the current one for every
// later printout of this run.
class PrintCommands : public PrintHooks {
public:
    PrintCommands(TForm1& form, GraphView& graph, TableCommands& table, ShellDialogs& messages,
                  TableDialogs& dialogs);

    void SBPrintTableClick() override;
    void SBPrintGrClick() override;
    void SBPrintSetupClick() override;

    // Made on first use: finding the system's printers is slow, and most runs never print.
    QPrinter& Printer();

private:
    void ReportFailure();

    TForm1& form_;
    GraphView& graph_;
    TableCommands& table_;
    ShellDialogs& messages_;
    TableDialogs& dialogs_;
    std::unique_ptr<QPrinter> printer_;
};
