#pragma once

#include <QString>

#include <vector>

// A word as pdftotext places it, in points from the page's top-left corner.
struct PdfWord {
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

// False when pdftotext is not installed.
bool PdfToolsAvailable();

// Every word of every page (0-based pages) in reading order.
std::vector<PdfWord> PdfWords(const QString& pdfPath);

// The words of one page joined by spaces, line by line as pdftotext reads them.
QString PdfPageText(const QString& pdfPath, int page);

// Page count and the first page's size in points.
struct PdfInfo {
    int pages = 0;
    double width = 0, height = 0;
};
PdfInfo ReadPdfInfo(const QString& pdfPath);
