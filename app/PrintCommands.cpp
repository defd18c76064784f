#include "app/PrintCommands.h"

#include "app/Grafnew.h"
#include "app/PaintBox.h"
#include "app/PrintTarget.h"
#include "app/ShellServices.h"
#include "app/TableCommands.h"
#include "app/TableDialogs.h"
#include "graph/GraphView.h"
#include "print/GraphPrintout.h"
#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/PrintJob.h"
#include "print/PrinterSettings.h"
#include "print/TablePrintout.h"
#include "store/AtomicFile.h"

PrintCommands::PrintCommands(TForm1& form, GraphView& graph, TableCommands& table, ShellDialogs& messages,
                             TableDialogs& dialogs)
    : form_(form), graph_(graph), table_(table), messages_(messages), dialogs_(dialogs) {}

QPrinter& PrintCommands::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        ApplyPageSetup(*printer_);
    } else if (printer_->printerState() != QPrinter::Idle) {
        // Qt keeps a printer whose job could not begin active, and an active printer refuses every change.
        auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
        CopyPrinterSettings(*printer_, *fresh);
        printer_ = std::move(fresh);
    }
    return *printer_;
}

void PrintCommands::ReportFailure(const QString& detail) {
    messages_.detailedErrorBox(&form_, QString::fromUtf8(PrintErrorMessage), detail);
}

void PrintCommands::SBPrintSetupClick() {
    dialogs_.printerSetup(&form_, Printer());
}

void PrintCommands::SBPrintGrClick() {
    const SelectedSeries& series = form_.Store().selected;
    if (series.measurementCount == 0 || form_.Store().noSeriesChosen)
        return;
    const ViewWindow& view = graph_.view();
    Print(GraphFileEnding, [&](QPagedPaintDevice& device) { return PrintGraph(device, view, series); });
}

void PrintCommands::SBPrintTableClick() {
    const std::optional<MeasurementSpan> span = table_.ChooseRange();
    if (!span)
        return;
    const TableHeader header = table_.Header();
    const RowTexts titles = table_.Titles();
    const std::vector<RowTexts> rows = table_.Rows(*span);
    Print(TableFileEnding,
          [&](QPagedPaintDevice& device) { return PrintTable(device, header, titles, rows); });
}

void PrintCommands::Print(const char* fileEnding, const Printout& printout) {
    switch (TargetOf(Printer())) {
    case PrintTarget::None:
        // Reported here too, so nobody waits for pages that never come.
        ReportFailure(NoPrinterDetail());
        break;
    case PrintTarget::Queue:
        PrintOnQueue(printout);
        break;
    case PrintTarget::File:
        PrintToFile(fileEnding, printout);
        break;
    }
}

void PrintCommands::PrintOnQueue(const Printout& printout) {
    QPrinter& printer = Printer();
    if (!printout(printer))
        ReportFailure(QueueRefusedDetail(printer.printerName()));
}

// The pages are made in memory and written atomically (see MakePdf), with the current printer's layout.
void PrintCommands::PrintToFile(const char* fileEnding, const Printout& printout) {
    const SaveDialogRequest request{
        QString::fromUtf8(PrintFileSuffix), QString::fromUtf8(PrintFileFilter),
        ProposedPrintFileName(form_.Store().file.dataFileName, QString::fromUtf8(fileEnding)), true};
    const std::optional<QString> path = dialogs_.saveFile(&form_, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    form_.PaintBox->update();
    if (!path)
        return;

    QPrinter& printer = Printer();
    const PdfPages pages = MakePdf(printer.pageLayout(), printer.creator(), printout);
    // The graph leaves the current printer in portrait, as it leaves a real one.
    printer.setPageOrientation(pages.layout.orientation());
    if (!pages.made) {
        ReportFailure(SaveFailureText(*path, QStringLiteral("страницы не удалось построить")));
        return;
    }
    if (const WriteOutcome written = WriteFileAtomically(*path, pages.bytes); !written.ok())
        ReportFailure(written.error);
}
