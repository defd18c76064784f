#include "print/TablePrintout.h"

#include "graph/Canvas.h"
#include "print/PrintJob.h"
#include "store/Extended.h"
#include "store/SeriesList.h"
#include "table/Cp866.h"

#include <QPagedPaintDevice>

QString PrintSensitivityLine(uint16_t sensitivity) {
    return QStringLiteral("Чувствительность=") + SensitivityNumber(sensitivity) +
           QStringLiteral("*10-5   Бк-1 * м3 * c-1");
}

QString PrintTitlesLine(const RowTexts& titles) {
    return PadRight(titles[0], 13) + PadRight(titles[1], 19) + PadRight(titles[2], 16) + titles[3] +
           QStringLiteral(",  ") + titles[4] + QStringLiteral(", c");
}

QString PrintUnitsLine() {
    return QString(49, QLatin1Char(' ')) + QStringLiteral("(Бк/м3)");
}

QString PrintRowLine(const RowTexts& cells) {
    return PadRight(cells[0], 11) + PadRight(cells[1], 19) + PadRight(cells[2], 19) + PadRight(cells[3], 17) +
           cells[4];
}

QFont TablePrintFont() {
    QFont font(QStringLiteral("Courier New Cyr"));
    // Where that face is missing, a monospaced one with Cyrillic letters takes its place.
    font.setFamilies({QStringLiteral("Courier New Cyr"), QStringLiteral("Courier New"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
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
    std::vector<PrintedLine> lines{{0, kBlockX, 2 * lh, header.seriesTitle},
                                   {0, kBlockX, 3 * lh, DeviceLine(header.deviceNumber)},
                                   {0, kBlockX, 4 * lh, PrintSensitivityLine(header.sensitivity)},
                                   {0, kBlockX, 5 * lh, EquilibriumLine(header.equilibriumActivity)}};
    int page = 0;
    int y = 7 * lh;
    size_t next = 0;
    while (next < rows.size() && y < pageHeight) {
        lines.push_back({page, kTableX, y, PrintTitlesLine(titles)});
        lines.push_back({page, kTableX, y + lh, PrintUnitsLine()});
        y += 3 * lh;
        // Once begun, a page carries at least one row.
        do {
            lines.push_back({page, kTableX, y, PrintRowLine(rows[next++])});
            y += lh;
        } while (next < rows.size() && y < pageHeight);
        if (next < rows.size()) {
            ++page;
            y = lh;
        }
    }
    return lines;
}

bool PrintTable(QPagedPaintDevice& printer, const TableHeader& header, const RowTexts& titles,
                const std::vector<RowTexts>& rows) {
    PrintJob job(printer, QStringLiteral("Таблица измерений"));
    if (!job.begun())
        return false;
    Canvas canvas(job.painter(), QSize(printer.width(), printer.height()));
    canvas.setFont(TablePrintFont());
    const int lh = TablePrintLineHeight(printer.logicalDpiY());
    int page = 0;
    for (const PrintedLine& line : LayoutTablePrintout(header, titles, rows, lh, printer.height())) {
        if (line.page != page) {
            if (!job.newPage())
                return false;
            page = line.page;
        }
        canvas.textOut(line.x, line.y, line.text);
    }
    return job.finish();
}
