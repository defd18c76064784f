#include "app/commands/PrintCommands.h"

#include "app/commands/PrintTarget.h"
#include "app/commands/RangeChoice.h"
#include "app/commands/TableOutput.h"
#include "app/dialogs/UserDialogs.h"
#include "app/document/MeasurementDocument.h"
#include "print/GraphPrintout.h"
#include "print/JobMessages.h"
#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/PrintJob.h"
#include "print/PrintQueue.h"
#include "print/PrinterSettings.h"
#include "print/TablePrintout.h"
#include "store/AtomicFile.h"

#include <QWidget>

namespace {

// The job's settings from what printer setup holds. The orientation is that of the pages made: the graph
// turns its page to landscape whatever the setup says.
QueueJobSettings JobSettings(const QPrinter& printer, const QString& title, QPageLayout::Orientation pages) {
    QueueJobSettings settings;
    settings.printer = printer.printerName();
    settings.title = title;
    settings.paper = printer.pageLayout().pageSize();
    settings.orientation = pages;
    settings.copies = printer.copyCount();
    if (printer.duplex() == QPrinter::DuplexLongSide)
        settings.sides = QStringLiteral("two-sided-long-edge");
    else if (printer.duplex() == QPrinter::DuplexShortSide)
        settings.sides = QStringLiteral("two-sided-short-edge");
    return settings;
}

// The paper a new printer starts with: the queue's own default where the server names one.
QPageSize StartPaper(const QPrinter& printer) {
    if (TargetOf(printer) != PrintTarget::Queue)
        return QPageSize(QPageSize::A4);
    return QueueDefaultPaper(printer.printerName(), ServerWait{5000, nullptr})
        .value_or(QPageSize(QPageSize::A4));
}

} // namespace

PrintCommands::PrintCommands(const CommandParts& parts, RangeChoice& range,
                             const MeasurementTableModel& model, std::function<void(const QString&)> status)
    : parts_(parts), range_(range), model_(model), queue_(parts.window, parts.dialogs, std::move(status)) {}

QPrinter& PrintCommands::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        ApplyPageSetup(*printer_, StartPaper(*printer_));
    } else if (printer_->printerState() != QPrinter::Idle) {
        // Qt keeps a printer whose job could not begin active, and an active printer refuses every change.
        auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
        CopyPrinterSettings(*printer_, *fresh);
        printer_ = std::move(fresh);
    }
    return *printer_;
}

void PrintCommands::reportFailure(const QString& detail) {
    parts_.dialogs.detailedErrorBox(&parts_.window, PrintErrorText(), detail);
}

void PrintCommands::setUpPrinter() {
    // The dialog and the printers it lists ask the server on the window's thread.
    if (!queue_.serverAnswers(false))
        return;
    // Qt's dialog changes the printer it is given as soon as a choice changes; "Отмена" must change nothing.
    auto copy = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CopyPrinterSettings(printer(), *copy);
    if (parts_.dialogs.printerSetup(&parts_.window, *copy))
        printer_ = std::move(copy);
}

void PrintCommands::printGraph() {
    const SelectedSeries& series = parts_.document.series();
    if (series.measurementCount == 0 || parts_.document.noSeriesChosen())
        return;
    const ViewLayout view = ViewWithAxisSteps(parts_.document.view(), series);
    // The page shows what the screen does: the user's levels, running average and unit.
    const ReadingSettings& reading = parts_.document.reading();
    const ReadingMarks marks = MarksOfReading(reading, series, parts_.document.file().sensitivity);
    print(GraphFileEnding, tr("График"), true,
          [&](QPagedPaintDevice& device) { return PrintGraph(device, view, series, marks, reading.unit); });
}

void PrintCommands::printTable() {
    const std::optional<MeasurementSpan> span = range_.choose();
    if (!span)
        return;
    const TableOutput table = TableOutputOf(parts_.document, model_, *span, TextsFor::Reader);
    print(TableFileEnding, tr("Таблица измерений"), false, [&](QPagedPaintDevice& device) {
        return PrintTable(device, table.header, table.titles, table.rows);
    });
}

void PrintCommands::print(const char* fileEnding, const QString& title, bool landscape,
                          const Printout& printout) {
    // The first printer is looked up on the window's thread: only once the server is known to answer.
    if (!printer_ && !queue_.serverAnswers(true))
        return;
    switch (TargetOf(printer())) {
    case PrintTarget::None:
        // Reported here too, so nobody waits for pages that never come.
        reportFailure(NoPrinterDetail());
        break;
    case PrintTarget::Queue:
        printOnQueue(printout, title, landscape);
        break;
    case PrintTarget::File:
        printToFile(fileEnding, printout);
        break;
    }
}

// The pages are the PDF document a printout to a file would write, so a printed page is the file's page.
// Only the talk with the print server leaves the GUI thread; the pages are made from the state at the click.
void PrintCommands::printOnQueue(const Printout& printout, const QString& title, bool landscape) {
    if (queue_.busy())
        return;
    QPrinter& current = printer();
    // The graph's page is landscape whatever the setup says; the table keeps the setup's orientation.
    const QPageLayout::Orientation drawn =
        landscape ? QPageLayout::Landscape : current.pageLayout().orientation();
    const PdfPages pages = MakePdf(current.pageLayout(), current.creator(), printout);
    current.setPageOrientation(pages.layout.orientation());
    if (!pages.made.ok()) {
        reportFailure(QueueRefusedDetail(current.printerName(), pages.made.message()));
        return;
    }
    queue_.print(pages.bytes, JobSettings(current, title, drawn));
}

// The pages are made in memory and written atomically (see MakePdf), with the current printer's layout.
void PrintCommands::printToFile(const char* fileEnding, const Printout& printout) {
    const SaveDialogRequest request{
        QString::fromUtf8(PrintFileSuffix), QString::fromUtf8(PrintFileFilter),
        ProposedPrintFileName(parts_.document.file().dataFileName,
                              QCoreApplication::translate("PrintTarget", fileEnding)),
        true};
    const std::optional<QString> path = parts_.dialogs.saveFile(&parts_.window, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    parts_.graphArea.update();
    if (!path)
        return;

    QPrinter& current = printer();
    const PdfPages pages = MakePdf(current.pageLayout(), current.creator(), printout);
    // The graph leaves the current printer in portrait, as it leaves a real one.
    current.setPageOrientation(pages.layout.orientation());
    if (!pages.made.ok()) {
        reportFailure(SaveFailureText(*path, pages.made.message()));
        return;
    }
    if (const Outcome written = WriteFileAtomically(*path, pages.bytes); !written.ok())
        reportFailure(written.message());
}
