#include "tests/print/PrintSeries.h"

#include "print/GraphPrintout.h"
#include "print/TablePrintout.h"
#include "table/TableColumns.h"

#include <QFile>
#include <QPrinter>

#include <gtest/gtest.h>

namespace {

// A printer whose job cannot start: its output goes to a folder that does not exist.
void Unusable(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

TEST(PrintFailure, AJobThatCannotStartIsReportedAndLeavesNothing) {
    const QString path = QStringLiteral("/nonexistent-folder-for-printing/out.pdf");
    const SelectedSeries series = SeriesOfIntervals(250, {600, 600});
    ViewWindow view;
    ResetView(view, series, QSize(707, 328));
    QPrinter graphPrinter;
    Unusable(graphPrinter, path);
    EXPECT_FALSE(PrintGraph(graphPrinter, view, series));
    QPrinter tablePrinter;
    Unusable(tablePrinter, path);
    const TableHeader header{series.seriesTitle, 117, 250, series.equilibriumActivity};
    EXPECT_FALSE(PrintTable(tablePrinter, header, TableTitles(), {MeasurementRowTexts(series, 1)}));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
