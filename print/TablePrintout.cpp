#include "print/TablePrintout.h"

#include "graph/Canvas.h"
#include "graph/FontFaces.h"
#include "print/PrintJob.h"
#include "store/Extended.h"
#include "store/SeriesList.h"
#include "table/Cp866.h"
#include "table/TableColumns.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>

#include <algorithm>
#include <limits>

QString PrintSensitivityLine(uint16_t sensitivity) {
    return QCoreApplication::translate("TablePrintout", "Чувствительность=%1*10-5   Бк-1 * м3 * c-1")
        .arg(SensitivityNumber(sensitivity));
}

QString PrintDeviceLine(uint16_t deviceNumber) {
    return QCoreApplication::translate("TablePrintout", "Номер прибора %1").arg(deviceNumber);
}

QString PrintEquilibriumLine(int64_t equilibriumActivity) {
    return QCoreApplication::translate("TablePrintout", "ЭРОА=%1 Бк/м3")
        .arg(ActivityWithErrorText(equilibriumActivity));
}

QFont TablePrintFont() {
    // Where that face is missing, a monospaced one with Cyrillic letters takes its place.
    QFont font = FontOfFamilies({QStringLiteral("Courier New Cyr"), QStringLiteral("Courier New"),
                                 QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")},
                                QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(12);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

int TablePrintFontHeight(int dpiY) {
    return (12 * dpiY + 36) / 72;
}

int TablePrintLineHeight(int dpiY) {
    return static_cast<int>(Round(1.5L * TablePrintFontHeight(dpiY)));
}

std::vector<PrintedLine> LayoutTablePrintout(const TableHeader& header, const RowTexts& titles,
                                             const std::vector<RowTexts>& rows, int lineHeight,
                                             int pageHeight) {
    constexpr int kBlockX = 60;
    constexpr int kTableX = 10;
    const int lh = lineHeight;
    const QString& title = header.shownTitle.isEmpty() ? header.seriesTitle : header.shownTitle;
    std::vector<PrintedLine> lines{{0, kBlockX, 2 * lh, title},
                                   {0, kBlockX, 3 * lh, PrintDeviceLine(header.deviceNumber)},
                                   {0, kBlockX, 4 * lh, PrintSensitivityLine(header.sensitivity)},
                                   {0, kBlockX, 5 * lh, PrintEquilibriumLine(header.equilibriumActivity)}};
    int page = 0;
    int y = 7 * lh;
    size_t next = 0;
    while (next < rows.size() && y < pageHeight) {
        lines.push_back({page, kTableX, y, ShownTitlesLine(titles, PrintedColumns)});
        lines.push_back({page, kTableX, y + lh, ShownUnitsLine(PrintedColumns)});
        y += 3 * lh;
        // Once begun, a page carries at least one row.
        do {
            lines.push_back({page, kTableX, y, RowLine(rows[next++], PrintedColumns)});
            y += lh;
        } while (next < rows.size() && y < pageHeight);
        if (next < rows.size()) {
            ++page;
            y = lh;
        }
    }
    return lines;
}

qreal TableScaleToFit(int widest, int pageWidth) {
    return widest > pageWidth && widest > 0 ? static_cast<qreal>(pageWidth) / widest : 1.0;
}

namespace {

// The right edge of the widest line, wherever it falls.
int WidestLine(const Canvas& canvas, const std::vector<PrintedLine>& lines) {
    int widest = 0;
    for (const PrintedLine& line : lines)
        widest = std::max(widest, line.x + canvas.textWidth(line.text));
    return widest;
}

} // namespace

Outcome PrintTable(QPagedPaintDevice& printer, const TableHeader& header, const RowTexts& titles,
                   const std::vector<RowTexts>& rows) {
    PrintJob job(printer, QCoreApplication::translate("TablePrintout", "Таблица измерений"));
    if (!job.begun())
        return PagesNotMade();
    const int lh = TablePrintLineHeight(printer.logicalDpiY());
    // On a page too narrow for the columns (A5 portrait) the whole table is drawn smaller, so that no column
    // is lost at the edge; the pages then take more rows. Pages wide enough stay exactly as they were.
    qreal scale = 1.0;
    {
        Canvas measure(job.painter(), QSize(printer.width(), printer.height()));
        measure.setFont(TablePrintFont());
        scale = TableScaleToFit(WidestLine(measure, LayoutTablePrintout(header, titles, rows, lh,
                                                                        std::numeric_limits<int>::max())),
                                printer.width());
    }
    QSize pageSize(printer.width(), printer.height());
    if (scale < 1.0) {
        job.painter().scale(scale, scale);
        pageSize =
            QSize(static_cast<int>(pageSize.width() / scale), static_cast<int>(pageSize.height() / scale));
    }
    Canvas canvas(job.painter(), pageSize);
    canvas.setFont(TablePrintFont());
    const int pageHeight = pageSize.height();
    int page = 0;
    for (const PrintedLine& line : LayoutTablePrintout(header, titles, rows, lh, pageHeight)) {
        if (line.page != page) {
            if (!job.newPage())
                return PagesNotMade();
            page = line.page;
        }
        canvas.textOut(line.x, line.y, line.text);
    }
    return job.finish() ? Outcome() : PagesNotMade();
}
