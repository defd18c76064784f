#pragma once

#include "print/ReportLayout.h"
#include "print/ReportTexts.h"

#include <QFont>

class Canvas;
class QPagedPaintDevice;

// The report's fonts: Arial (or its metric twin), the heading larger, headings of the table in bold.
QFont ReportFontOf(ReportFont font);

// Draws the placed texts of one page through the canvas, each in its font and anchored as laid out.
void DrawReportTexts(Canvas& canvas, const ReportLayout& layout, int page);

// The report on a span of a series, on as many portrait pages as its daily table takes (one, mostly), on a
// printer or PDF writer. False, with no job left behind, when the device cannot be used.
bool PrintReport(QPagedPaintDevice& device, const ReportSource& source);
