#pragma once

#include <QString>

class QPrinter;

// A printer that writes a PDF file: A4 at 600 dpi with margins of 10 mm, as reports are made without a
// window.
void ConfigurePdfPrinter(QPrinter& printer, const QString& path);
