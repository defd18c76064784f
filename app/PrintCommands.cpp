#include "PrintCommands.h"

#include "Grafnew.h"
#include "GraphPrintout.h"
#include "GraphView.h"
#include "PrintJob.h"
#include "ShellServices.h"
#include "SystemErrorText.h"
#include "TableCommands.h"
#include "TableDialogs.h"
#include "TablePrintout.h"

PrintCommands::PrintCommands(TForm1& form, GraphView& graph, TableCommands& table, ShellDialogs& messages,
                             TableDialogs& dialogs)
    : form_(form), graph_(graph), table_(table), messages_(messages), dialogs_(dialogs) {}

QPrinter& PrintCommands::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void PrintCommands::ReportFailure() {
    // Printing to a file fails for the reasons any write does; the printer does not say which, so the
    // target is looked at.
    QString details;
    const QString file = Printer().outputFileName();
    if (!file.isEmpty()) {
        const int obstacle = WriteObstacle(file);
        if (obstacle != 0)
            details =
                QStringLiteral("Не удалось записать файл «%1»: %2").arg(file, PathErrorText(obstacle, file));
    }
    messages_.detailedErrorBox(&form_, QString::fromUtf8(PrintErrorMessage), details);
}

void PrintCommands::SBPrintSetupClick() {
    dialogs_.printerSetup(&form_, Printer());
}

void PrintCommands::SBPrintGrClick() {
    const SelectedSeries& series = form_.Store().selected;
    if (series.MeasurementCount == 0 || form_.Store().NoSeriesChosen)
        return;
    if (!PrintGraph(Printer(), graph_.view(), series))
        ReportFailure();
}

void PrintCommands::SBPrintTableClick() {
    const std::optional<MeasurementSpan> span = table_.ChooseRange();
    if (!span)
        return;
    // A printer that cannot be used is reported here too, so nobody waits for pages that never come.
    if (!PrintTable(Printer(), table_.Header(), table_.Titles(), table_.Rows(*span)))
        ReportFailure();
}
