#include "app/PrintCommands.h"

#include "app/MeasurementDocument.h"
#include "app/PrintTarget.h"
#include "app/TableCommands.h"
#include "app/UserDialogs.h"
#include "graph/GraphView.h"
#include "print/GraphPrintout.h"
#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/PrintJob.h"
#include "print/PrinterSettings.h"
#include "print/TablePrintout.h"
#include "store/AtomicFile.h"

#include <QWidget>

PrintCommands::PrintCommands(const Parts& parts) : parts_(parts) {}

QPrinter& PrintCommands::printer() {
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

void PrintCommands::reportFailure(const QString& detail) {
    parts_.dialogs.detailedErrorBox(&parts_.window, QString::fromUtf8(PrintErrorMessage), detail);
}

void PrintCommands::setUpPrinter() {
    parts_.dialogs.printerSetup(&parts_.window, printer());
}

void PrintCommands::printGraph() {
    const SelectedSeries& series = parts_.document.series();
    if (series.measurementCount == 0 || parts_.document.noSeriesChosen())
        return;
    const ViewWindow& view = parts_.graph.view();
    print(GraphFileEnding, [&](QPagedPaintDevice& device) { return PrintGraph(device, view, series); });
}

void PrintCommands::printTable() {
    TableCommands& table = parts_.table;
    const std::optional<MeasurementSpan> span = table.chooseRange();
    if (!span)
        return;
    const TableHeader header = table.header();
    const RowTexts titles = table.titles();
    const std::vector<RowTexts> rows = table.rows(*span);
    print(TableFileEnding,
          [&](QPagedPaintDevice& device) { return PrintTable(device, header, titles, rows); });
}

void PrintCommands::print(const char* fileEnding, const Printout& printout) {
    switch (TargetOf(printer())) {
    case PrintTarget::None:
        // Reported here too, so nobody waits for pages that never come.
        reportFailure(NoPrinterDetail());
        break;
    case PrintTarget::Queue:
        printOnQueue(printout);
        break;
    case PrintTarget::File:
        printToFile(fileEnding, printout);
        break;
    }
}

void PrintCommands::printOnQueue(const Printout& printout) {
    QPrinter& current = printer();
    if (!printout(current))
        reportFailure(QueueRefusedDetail(current.printerName()));
}

// The pages are made in memory and written atomically (see MakePdf), with the current printer's layout.
void PrintCommands::printToFile(const char* fileEnding, const Printout& printout) {
    const SaveDialogRequest request{
        QString::fromUtf8(PrintFileSuffix), QString::fromUtf8(PrintFileFilter),
        ProposedPrintFileName(parts_.document.file().dataFileName, QString::fromUtf8(fileEnding)), true};
    const std::optional<QString> path = parts_.dialogs.saveFile(&parts_.window, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    parts_.graphArea.update();
    if (!path)
        return;

    QPrinter& current = printer();
    const PdfPages pages = MakePdf(current.pageLayout(), current.creator(), printout);
    // The graph leaves the current printer in portrait, as it leaves a real one.
    current.setPageOrientation(pages.layout.orientation());
    if (!pages.made) {
        reportFailure(SaveFailureText(*path, QStringLiteral("страницы не удалось построить")));
        return;
    }
    if (const WriteOutcome written = WriteFileAtomically(*path, pages.bytes); !written.ok())
        reportFailure(written.error);
}
