#include "app/commands/ReportCommand.h"

#include "app/commands/PrintTarget.h"
#include "app/commands/RangeChoice.h"
#include "app/dialogs/UserDialogs.h"
#include "app/document/MeasurementDocument.h"
#include "print/PdfFile.h"
#include "print/ReportPrintout.h"

#include <QCoreApplication>
#include <QDate>
#include <QProgressDialog>
#include <QWidget>

const char* const ReportFileEnding = QT_TRANSLATE_NOOP("ReportCommand", "-отчёт.pdf");

ReportSource ReportSourceOf(const MeasurementDocument& document, const MeasurementSpan& span, QDate printed) {
    const ReadingSettings& reading = document.reading();
    const SelectedSeries& series = document.series();
    const uint16_t sensitivity = document.file().sensitivity;
    ReportSource source{document.file(), series, span, StatedLevels(reading.levels), printed};
    source.unit = reading.unit;
    source.marks = MarksOfReading(reading, series, sensitivity);
    return source;
}

void ReportCommand::makeReport() {
    const MeasurementDocument& document = parts_.document;
    if (document.noSeriesChosen() || document.series().measurementCount == 0)
        return;
    if (const std::optional<MeasurementSpan> span = range_.choose())
        makeReportFor(*span);
}

void ReportCommand::makeReportFor(const MeasurementSpan& span) {
    const MeasurementDocument& document = parts_.document;
    const SaveDialogRequest request{
        QString::fromUtf8(PrintFileSuffix), QString::fromUtf8(PrintFileFilter),
        ProposedPrintFileName(document.file().dataFileName,
                              QCoreApplication::translate("ReportCommand", ReportFileEnding)),
        true};
    const std::optional<QString> path = parts_.dialogs.saveFile(&parts_.window, request);
    // The dialog covered the graph: it is drawn afresh, whether a file was chosen or not.
    parts_.graphArea.update();
    if (!path)
        return;
    const ReportSource source = ReportSourceOf(document, span, QDate::currentDate());
    // A report of a long span may take a moment: past half a second a progress dialog shows, and its
    // "Отмена" stops the report before its next page, leaving no file.
    QProgressDialog progress(QCoreApplication::translate("ReportCommand", "Составляется отчёт…"),
                             QCoreApplication::translate("ReportCommand", "Отмена"), 0, 1, &parts_.window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(progressDelay_);
    progress.setAutoReset(false);
    progress.setValue(0); // the clock of the half second starts here
    const auto goOn = [&progress](int page, int pageCount) {
        progress.setMaximum(pageCount + 1);
        progress.setValue(page + 1);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    const Outcome written =
        WritePdfFile(*path, [&](QPagedPaintDevice& pdf) { return PrintReport(pdf, source, goOn); });
    const bool cancelled = progress.wasCanceled();
    progress.close();
    if (!written.ok() && !cancelled)
        parts_.dialogs.errorBox(&parts_.window, written.message());
}
