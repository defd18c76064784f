#include "app/ReportCommand.h"

#include "app/GraphWidget.h"
#include "app/MainWindow.h"
#include "app/PrintTarget.h"
#include "app/UserDialogs.h"
#include "print/PdfFile.h"
#include "print/ReportPrintout.h"

#include <QDate>

const char* const ReportFileEnding = "-отчёт.pdf";

ReportCommand::ReportCommand(MainWindow& window, UserDialogs& dialogs) : window_(window), dialogs_(dialogs) {}

void ReportCommand::makeReport() {
    const MeasurementDocument& document = window_.document();
    if (document.noSeriesChosen() || document.series().measurementCount == 0)
        return;
    const std::optional<MeasurementSpan> span = window_.tableCommands().chooseRange();
    if (!span)
        return;
    const SaveDialogRequest request{
        QString::fromUtf8(PrintFileSuffix), QString::fromUtf8(PrintFileFilter),
        ProposedPrintFileName(document.file().dataFileName, QString::fromUtf8(ReportFileEnding)), true};
    const std::optional<QString> path = dialogs_.saveFile(&window_, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    window_.graphWidget->update();
    if (!path)
        return;
    const ReportSource source{document.file(), document.series(), *span, DefaultLevels(),
                              QDate::currentDate()};
    const WriteOutcome written =
        WritePdfFile(*path, [&](QPagedPaintDevice& pdf) { return PrintReport(pdf, source); });
    if (!written.ok())
        dialogs_.errorBox(&window_, written.error);
}
