#pragma once

#include "print/ReportLayout.h"
#include "print/ReportTexts.h"
#include "store/Outcome.h"

#include <QFont>

#include <functional>

class Canvas;
class QPagedPaintDevice;

// The report's fonts: Arial (or its metric twin), the heading larger, headings of the table in bold.
QFont ReportFontOf(ReportFont font);

// Draws the placed texts of one page through the canvas, each in its font and anchored as laid out.
void DrawReportTexts(Canvas& canvas, const ReportLayout& layout, int page);

// The report on a span of a series, on as many portrait pages as its daily table takes (one, mostly), on a
// printer or PDF writer. PagesNotMade, with no job left behind, when the device cannot be used.
// goOn, when given, is asked before each page (0-based, of pageCount) whether to go on: false stops the
// report as a failure, so that a cancelled report leaves no file.
using ReportProgress = std::function<bool(int page, int pageCount)>;
Outcome PrintReport(QPagedPaintDevice& device, const ReportSource& source, const ReportProgress& goOn = {});
