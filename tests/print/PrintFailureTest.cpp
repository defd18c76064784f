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
    ViewLayout view;
    ResetView(view, series, QSize(707, 328));
    QPrinter graphPrinter;
    Unusable(graphPrinter, path);
    // The reason is what the window puts beside the printer's or the file's name.
    const QString reason = QStringLiteral("страницы не удалось построить");
    const Outcome graph = PrintGraph(graphPrinter, view, series);
    EXPECT_FALSE(graph.ok());
    EXPECT_EQ(graph.message(), reason);
    QPrinter tablePrinter;
    Unusable(tablePrinter, path);
    const TableHeader header{series.seriesTitle, 117, 250, series.equilibriumActivity};
    const Outcome table = PrintTable(tablePrinter, header, TableTitles(), {MeasurementRowTexts(series, 1)});
    EXPECT_FALSE(table.ok());
    EXPECT_EQ(table.message(), reason);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
