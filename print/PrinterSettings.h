#pragma once

class QPrinter;

// Carries what printer setup chose (the printer or the file, the page layout, resolution, copies, duplex,
// colour, page order and paper source) from one printer to a fresh one. A printer whose job failed stays
// active for good and refuses every change, so the next job needs a fresh printer with the same choices.
// Driver options beyond these, which only the printer's own properties dialog sets, start from the
// driver's defaults again.
void CopyPrinterSettings(const QPrinter& from, QPrinter& to);
