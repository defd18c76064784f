#pragma once

#include "ViewHooks.h"

#include <QPrinter>

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

    QPrinter& Printer() { return printer_; }

private:
    void ReportFailure();

    TForm1& form_;
    GraphView& graph_;
    TableCommands& table_;
    ShellDialogs& messages_;
    TableDialogs& dialogs_;
    QPrinter printer_{QPrinter::HighResolution};
};
