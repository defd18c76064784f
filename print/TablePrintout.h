#pragma once

#include "store/Outcome.h"
#include "store/SeriesEvaluation.h"
#include "table/TableFile.h"

#include <QFont>
#include <QString>

#include <vector>

class QPagedPaintDevice;

// One text of the printed table, placed by the top-left corner of its cell on page `page` (0-based).
struct PrintedLine {
    int page = 0;
    int x = 0;
    int y = 0;
    QString text;
};

// The lines above the printed table, in the user's language.
QString PrintSensitivityLine(uint16_t sensitivity); // "Чувствительность=2.50*10-5   Бк-1 * м3 * c-1"
QString PrintDeviceLine(uint16_t deviceNumber);            // "Номер прибора 117"
QString PrintEquilibriumLine(int64_t equilibriumActivity); // "ЭРОА=1000±150 Бк/м3"

// The monospaced face of the printed table, 12 points.
QFont TablePrintFont();

// The character height of 12 points at the printer's vertical resolution, and the line height of one and
// a half of it (150 pixels at 600 dpi).
int TablePrintFontHeight(int dpiY);
int TablePrintLineHeight(int dpiY);

// Every line of the printout: the title block on the first page, then the column titles and units at the
// top of every page and the rows below them, a further row on a page while its top is above pageHeight.
std::vector<PrintedLine> LayoutTablePrintout(const TableHeader& header, const RowTexts& titles,
                                             const std::vector<RowTexts>& rows, int lineHeight,
                                             int pageHeight);

// The factor that fits lines reaching to x = widest into a page pageWidth wide: 1 where they fit.
qreal TableScaleToFit(int widest, int pageWidth);

// Prints the table on a printer or PDF writer in its current orientation. PagesNotMade, with no job left
// behind, when the printer cannot be used.
Outcome PrintTable(QPagedPaintDevice& printer, const TableHeader& header, const RowTexts& titles,
                   const std::vector<RowTexts>& rows);
