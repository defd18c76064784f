#pragma once

#include <QPageSize>
#include <QString>

class QPageLayout;
class QPagedPaintDevice;
class QPrinter;

// The one page set-up of every printout: A4 portrait with margins of 10 mm, so that a span of the table
// falls on the same pages on paper and in a PDF file, from the window and from the command line. On a real
// printer each part holds only where its driver allows it (a paper size it has, margins not below its
// minimum).
void ApplyPageSetup(QPagedPaintDevice& device);
// The same on another paper: a print queue's own default paper, which printer setup then shows.
void ApplyPageSetup(QPagedPaintDevice& device, const QPageSize& paper);

// The same set-up as one page layout, for a PDF file made without a printer; A4 unless told otherwise.
QPageLayout CommonPageLayout(const QPageSize& paper = QPageSize(QPageSize::A4));

// The resolution of every PDF file made: the table's layout is counted in device pixels, so the same pages
// need the same resolution.
constexpr int PdfResolution = 600;

// A printer that writes a PDF file with the page set-up above at PdfResolution, as reports are made without
// a window.
void ConfigurePdfPrinter(QPrinter& printer, const QString& path);
