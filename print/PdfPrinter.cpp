#include "print/PdfPrinter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

void ApplyPageSetup(QPagedPaintDevice& device) {
    ApplyPageSetup(device, QPageSize(QPageSize::A4));
}

void ApplyPageSetup(QPagedPaintDevice& device, const QPageSize& paper) {
    // Each part on its own, so that a driver refusing one (a paper it lacks, margins below its minimum)
    // still takes the others.
    device.setPageSize(paper);
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QPageLayout CommonPageLayout(const QPageSize& paper) {
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

void ConfigurePdfPrinter(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(PdfResolution);
    ApplyPageSetup(printer);
}
